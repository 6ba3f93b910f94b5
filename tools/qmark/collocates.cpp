// qmark collocates over concord's search, the word counting of texts and unidisplay's association
// measures.
#include "tools/qmark/collocates.h"

#include "definitions/relationship_thresholds.h"
#include "messages/message_names.h"
#include "stats/relationship_computation.h"
#include "tools/qmark/concord.h"
#include "tools/qmark/concord_search.h"
#include "tools/qmark/concord_words.h"
#include "tools/qmark/exit_status.h"
#include "tools/qmark/table_output.h"
#include "tools/qmark/text_options.h"
#include "tools/qmark/word_counting.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <numeric>

namespace qmark {

using textcore::String;

namespace {

constexpr std::string_view kUsage =
    R"(Usage: qmark collocates [options] NODE PATH...

Finds the collocates of NODE in the texts: the words that occur within a span of words to its
left and right, with how often they occur there and how strongly each is associated with the
node by the suite's seven measures.

NODE          the node: one or more search words as qmark concord takes them ("/" between them,
              "*" for any letters), each hit of any of them being one occurrence of the node
PATH          a file, a folder, a zip archive, a member's address or "-" for standard input, as
              for qmark concord
Words are found and case-folded as qmark wordlist finds them; the node's own words are no
collocates of it, but another hit of the node within the span is.

Options:
)";

constexpr std::string_view kOwnOptions =
    R"(  --span LN,RM      The words counted: N to the left of the node and M to its right, each at
                    most 25 (default L5,R5); "--span 4" is L4,R4.
  --case            Keep case: in the node's search, and in the collocates ("The" and "the" are
                    two words).
  --min-freq N      Leave out the collocates found fewer than N times within the span (default
                    3).
  --measure M       The measure the list is ordered by, strongest first (default mi): dice
                    (Dice coefficient), mi (specific mutual information), mi3, z (Z score), ll
                    (log-likelihood), t (T score) or lr (log ratio).
  --min-score M=X   Keep only the collocates scoring at least X by measure M; may be given for
                    several measures, each of which must then be met.
  --any-score       With several --min-score, keep a collocate that meets any one of them.
  --positions       Add a column of counts for each position of the span (L5 ... L1, R1 ... R5).
  --format F        text (default), tsv or json.
  -h, --help        Show this help and exit.

Output (UTF-8, on standard output): the columns of the suite's collocate list, under its
headings: N, Word (the collocate), With (the node), the scores Dice, MI, MI3, Z, Log_L, T and
Log_R, Texts (how many texts it occurs in near the node), Total (its occurrences within the
span), Total Left and Total Right; a word within the span of two hits counts for each. The
scores take the node's hits, the collocate's frequency in the texts, the running words, the span
and the collocate's occurrences near the node, each counted once however many hits it is near.
A score that cannot be computed for a pair (a Z score where the collocate is as frequent as the
rest of the texts, say) shows blank.

Exit status: 0 on success, 1 when a file could not be read or the texts have no words, 2 on bad
usage.
)";

constexpr int32_t kMostSpan = 25;

struct MeasureName {
  std::string_view name;
  textcore::TMutualInfoStats stat;
};
constexpr MeasureName kMeasures[] = {
    {"dice", textcore::MI_Dice},         {"mi", textcore::MI_MI},
    {"mi3", textcore::MI_MI3},           {"z", textcore::MI_Z},
    {"ll", textcore::MI_log_likelihood}, {"t", textcore::MI_T_Score},
    {"lr", textcore::MI_Log_Ratio},
};

bool ParseMeasure(std::string_view value, textcore::TMutualInfoStats &stat, std::string &error) {
  for (const MeasureName &measure : kMeasures)
    if (value == measure.name) {
      stat = measure.stat;
      return true;
    }
  error = "the measures are dice, mi, mi3, z, ll, t and lr, not '" + std::string(value) + "'";
  return false;
}

struct CollocatesOptions : TextOptions {
  bool help = false;
  bool case_sensitive = false;
  bool positions = false;
  std::string node;
  textcore::Tdouble_smallint_type span{5, 5};
  int64_t min_freq = 3;
  textcore::TMutualInfoStats order_by = textcore::MI_MI;
  textcore::TConcgramMutualChecks checks{};
  OutputFormat format = OutputFormat::kText;
};

// "L5,R5", "R3,L2", "L4" (nothing to the right), "4" (both sides).
bool ParseSpan(const std::string &value, textcore::Tdouble_smallint_type &span,
               std::string &error) {
  const auto bad = [&] {
    error = "--span is LN,RM with N and M from 0 to 25 (L5,R5, say), not '" + value + "'";
    return false;
  };
  const auto number = [&](std::string_view digits, int16_t &n) {
    if (digits.empty() || digits[0] < '0' || digits[0] > '9')
      return bad();
    int32_t got = 0;
    const auto [at, failure] = std::from_chars(digits.data(), digits.data() + digits.size(), got);
    if (at != digits.data() + digits.size())
      return bad();
    if (failure != std::errc() || got > kMostSpan) {
      error = "--span reaches at most 25 words each side, not '" + value + "'";
      return false;
    }
    n = static_cast<int16_t>(got);
    return true;
  };
  span = {0, 0};
  if (!value.empty() && value[0] >= '0' && value[0] <= '9') {
    if (!number(value, span.to_left))
      return false;
    span.to_right = span.to_left;
  } else {
    bool seen[2] = {false, false};
    size_t from = 0;
    for (;;) {
      const size_t comma = std::min(value.find(',', from), value.size());
      const std::string_view part = std::string_view(value).substr(from, comma - from);
      const char side = part.empty() ? '\0' : part[0];
      const int which = side == 'L' || side == 'l' ? 0 : side == 'R' || side == 'r' ? 1 : -1;
      if (which < 0 || seen[which])
        return bad();
      seen[which] = true;
      if (!number(part.substr(1), which == 0 ? span.to_left : span.to_right))
        return false;
      if (comma == value.size())
        break;
      from = comma + 1;
    }
  }
  if (span.to_left == 0 && span.to_right == 0) {
    error = "--span must take in at least one word, not '" + value + "'";
    return false;
  }
  return true;
}

bool ParseMinScore(const std::string &value, textcore::TConcgramMutualChecks &checks,
                   std::string &error) {
  const size_t equals = value.find('=');
  textcore::TMutualInfoStats stat{};
  if (equals == std::string::npos) {
    error = "--min-score is M=X (mi=3, say), not '" + value + "'";
    return false;
  }
  if (!ParseMeasure(std::string_view(value).substr(0, equals), stat, error))
    return false;
  const char *from = value.data() + equals + 1;
  const char *end = value.data() + value.size();
  float threshold = 0;
  const auto [at, failure] = std::from_chars(from, end, threshold);
  if (failure != std::errc() || at != end || !std::isfinite(threshold)) {
    error = "--min-score needs a number after '=', not '" + value + "'";
    return false;
  }
  checks.proc_settings[stat] = {true, threshold};
  return true;
}

bool ParseOption(std::span<const std::string> args, size_t &i, const OptionArgument &typed,
                 CollocatesOptions &options, std::string &error) {
  const std::string &name = typed.name;
  if (name == "--help" || name == "-h")
    return TakeFlag(typed, options.help, error);
  if (name == "--case")
    return TakeFlag(typed, options.case_sensitive, error);
  if (name == "--positions")
    return TakeFlag(typed, options.positions, error);
  if (name == "--any-score") {
    bool any = false;
    if (!TakeFlag(typed, any, error))
      return false;
    // Any one enabled measure that is met lets a collocate through.
    options.checks.test_all_procedures = !any;
    options.checks.test_all_words = any;
    return true;
  }
  if (name != "--span" && name != "--min-freq" && name != "--measure" && name != "--min-score" &&
      name != "--format") {
    error = "unknown option '" + args[i] + "'";
    return false;
  }
  std::string value;
  if (!TakeValue(args, i, name, typed.inline_value, value, error))
    return false;
  if (name == "--format")
    return ParseFormat(value, options.format, error);
  if (name == "--span")
    return ParseSpan(value, options.span, error);
  if (name == "--measure")
    return ParseMeasure(value, options.order_by, error);
  if (name == "--min-score")
    return ParseMinScore(value, options.checks, error);
  return ParseWholeNumber(value, name, 1, std::numeric_limits<int64_t>::max(), options.min_freq,
                          error);
}

bool ParseCollocatesOptions(std::span<const std::string> args, CollocatesOptions &options,
                            std::string &error) {
  options.checks.test_all_procedures = true;
  std::vector<std::string> positional;
  if (!WalkCommand(args, options, ParseOption, 2, "no node and no path given",
                   "no path given: name the files or folders to read", positional, error))
    return false;
  if (options.help)
    return true;
  options.node = positional[0];
  options.paths.assign(positional.begin() + 1, positional.end());
  return true;
}

std::string_view CollocatesHelp() {
  static const std::string help = TextCommandHelp(kUsage, kOwnOptions);
  return help;
}

// The words within the span of each hit of the node, counted by type and position, as the words
// and the hits of a text come in order of place. A word near two hits counts at a position of
// each; it counts once among the collocate's occurrences near the node (its joint frequency), so
// that these never exceed the collocate's frequency.
class CollocateCounts {
public:
  struct Collocate {
    size_t type = 0;
    std::array<int64_t, 2 * kMostSpan> at{}; // L1 ... L25, then R1 ... R25
    int64_t left = 0, right = 0;
    int64_t joint = 0;
    int64_t texts = 0;
    int64_t last_text = -1;
  };

  explicit CollocateCounts(textcore::Tdouble_smallint_type span)
      : fLeft(span.to_left), fRight(span.to_right) {}

  void BeginText(int64_t text) {
    fText = text;
    fRecent.clear();
    fWaiting.clear();
  }

  // A hit of the node ending before the text's unit to: the words before it are its left span,
  // the words from to on its right span.
  void Hit(int64_t to) {
    ++fHits;
    for (size_t k = 0; k < fRecent.size(); ++k) {
      Recent &word = fRecent[fRecent.size() - 1 - k];
      Collocate &collocate = Count(word.type, static_cast<int32_t>(k));
      collocate.joint += word.near ? 0 : 1;
      word.near = true;
    }
    if (fRight > 0)
      fWaiting.push_back({to, 0});
  }

  // A word of the text at unit from; the hits before it are all given.
  void Word(size_t type, int64_t from) {
    bool near = false, finished = false;
    for (Waiting &hit : fWaiting)
      if (from >= hit.to) { // not one of the node's own words
        Collocate &collocate = Count(type, kMostSpan + hit.seen);
        collocate.joint += near ? 0 : 1;
        near = true;
        finished |= ++hit.seen == fRight;
      }
    if (finished)
      std::erase_if(fWaiting, [this](const Waiting &hit) { return hit.seen == fRight; });
    if (fLeft > 0) {
      if (fRecent.size() == static_cast<size_t>(fLeft))
        fRecent.erase(fRecent.begin());
      fRecent.push_back({type, near});
    }
  }

  int64_t Hits() const { return fHits; }
  const std::vector<Collocate> &Collocates() const { return fCollocates; }

private:
  struct Recent {
    size_t type;
    bool near; // counted near a hit already
  };
  struct Waiting {
    int64_t to;
    int32_t seen; // words counted to its right
  };

  Collocate &Count(size_t type, int32_t at) {
    if (type >= fIndex.size())
      fIndex.resize(type + 1, -1);
    if (fIndex[type] < 0) {
      fIndex[type] = static_cast<int64_t>(fCollocates.size());
      fCollocates.push_back({});
      fCollocates.back().type = type;
    }
    Collocate &collocate = fCollocates[static_cast<size_t>(fIndex[type])];
    ++collocate.at[static_cast<size_t>(at)];
    ++(at < kMostSpan ? collocate.left : collocate.right);
    if (collocate.last_text != fText) {
      collocate.last_text = fText;
      ++collocate.texts;
    }
    return collocate;
  }

  int32_t fLeft, fRight;
  int64_t fText = -1;
  int64_t fHits = 0;
  std::vector<Recent> fRecent; // the last fLeft words, oldest first
  std::vector<Waiting> fWaiting;
  std::vector<int64_t> fIndex; // by type: into fCollocates, -1 for none yet
  std::vector<Collocate> fCollocates;
};

struct Scored {
  const CollocateCounts::Collocate *collocate;
  textcore::TMutualInfoProcArray scores;
};

int Run(const CollocatesOptions &options, const CommandStreams &streams) {
  ConcordWords node;
  std::string error;
  std::vector<std::string> warnings;
  if (!node.Parse(textcore::UTF8ToString(options.node), options.lcid, options.case_sensitive, error,
                  warnings)) {
    streams.err("qmark collocates: " + error + "\n");
    return kBadUsage;
  }
  for (const std::string &warning : warnings)
    streams.err("qmark collocates: warning: " + warning + "\n");
  const ConcordWindowing windowing = CurrentConcordWindowing();
  ConcordSearch search(node, options.lcid, windowing.longest_hit, options.middles, windowing.reach);
  search.Prepare(false); // every word is read, so the windows bring their classes anyway

  WordCounts counts(options.lcid, options.case_sensitive);
  CollocateCounts near(options.span);
  std::vector<ConcordHit> hits;
  String word;
  int64_t texts = 0, text = -1;
  const CountResult read = ReadTexts(
      options, "collocates", streams,
      [&] {
        return std::to_string(counts.Tokens()) + " words, " + std::to_string(near.Hits()) + " hits";
      },
      [&](const InputFile &file, const textcore::TTextWindow &window,
          const textcore::TTextWindowSpan &span, int64_t in_text) {
        if (in_text != text)
          near.BeginText(text = in_text);
        search.Run(file.name, window, span, hits);
        const int64_t base = window.Base();
        auto hit = hits.begin();
        ForEachWord(window, span, word, [&](const String &found, size_t from, size_t) {
          for (; hit != hits.end() && static_cast<size_t>(hit->position) <= from; ++hit)
            near.Hit(base + hit->position + hit->length);
          near.Word(counts.Add(found, in_text), base + static_cast<int64_t>(from));
        });
        for (; hit != hits.end(); ++hit)
          near.Hit(base + hit->position + hit->length);
      },
      texts);
  if (read == CountResult::kBadUsage)
    return kBadUsage;
  if (counts.Tokens() == 0) {
    streams.err("qmark collocates: the texts have no words\n");
    return kBadInput;
  }
  constexpr int64_t kMost = std::numeric_limits<int32_t>::max();
  if (counts.Tokens() > kMost) {
    streams.err("qmark collocates: collocates are scored in at most 2,147,483,647 running "
                "words\n");
    return kBadInput;
  }
  const auto n = static_cast<int32_t>(counts.Tokens());
  const auto f1 = static_cast<int32_t>(near.Hits());
  const bool tested =
      std::any_of(options.checks.proc_settings.begin(), options.checks.proc_settings.end(),
                  [](const textcore::TBoolAndSingleSettings &s) { return s.do_it; });
  std::vector<Scored> kept;
  for (const CollocateCounts::Collocate &collocate : near.Collocates()) {
    if (collocate.left + collocate.right < options.min_freq)
      continue;
    Scored scored{&collocate, {}};
    for (int32_t stat = 0; stat < textcore::mutual_info_stats_count; ++stat) {
      // A pair a measure cannot score (its arithmetic fails) scores below every threshold.
      float &score = scored.scores[static_cast<size_t>(stat)];
      try {
        score = unidisplay::RelationshipComputation(
            static_cast<textcore::TMutualInfoStats>(stat), static_cast<int32_t>(collocate.joint),
            f1, static_cast<int32_t>(counts.CountOf(collocate.type).freq), n, options.span);
      } catch (const std::exception &) {
        score = -std::numeric_limits<float>::infinity();
      }
      if (!std::isfinite(score))
        score = -std::numeric_limits<float>::infinity();
    }
    if (!tested || textcore::PassesRelationshipThresholdTests(options.checks, scored.scores))
      kept.push_back(scored);
  }
  // Strongest first by the chosen measure, then the most frequent, then alphabetically.
  const std::vector<int32_t> ranks = counts.Ranks();
  std::sort(kept.begin(), kept.end(), [&](const Scored &a, const Scored &b) {
    const float x = a.scores[options.order_by], y = b.scores[options.order_by];
    if (x != y)
      return x > y;
    const int64_t p = a.collocate->left + a.collocate->right;
    const int64_t q = b.collocate->left + b.collocate->right;
    if (p != q)
      return p > q;
    return ranks[a.collocate->type] < ranks[b.collocate->type];
  });

  // Every column of the collocate list but its Set column, then the positions if asked for.
  constexpr size_t kSetColumn = 10;
  ListTable list(textcore::lt_collocate_list, 15);
  list.table.columns.erase(list.table.columns.begin() + kSetColumn);
  if (options.positions) {
    for (int32_t k = options.span.to_left; k >= 1; --k)
      list.table.columns.push_back({String(textcore::_QML.Text()) + ListTable::Number(k), true});
    for (int32_t k = 1; k <= options.span.to_right; ++k)
      list.table.columns.push_back({String(textcore::_QMR.Text()) + ListTable::Number(k), true});
  }
  const String with = textcore::UTF8ToString(options.node);
  const auto number = ListTable::Number;
  int64_t row = 0;
  for (const Scored &scored : kept) {
    const CollocateCounts::Collocate &c = *scored.collocate;
    std::vector<String> &cells = list.table.rows.emplace_back();
    cells = {number(++row), counts.WordOf(c.type), with};
    for (size_t stat = 0; stat < scored.scores.size(); ++stat)
      cells.push_back(list.Decimal(3 + stat, scored.scores[stat]));
    for (int64_t value : {c.texts, c.left + c.right, c.left, c.right})
      cells.push_back(number(value));
    if (options.positions) {
      for (int32_t k = options.span.to_left; k >= 1; --k)
        cells.push_back(number(c.at[static_cast<size_t>(k - 1)]));
      for (int32_t k = 1; k <= options.span.to_right; ++k)
        cells.push_back(number(c.at[static_cast<size_t>(kMostSpan + k - 1)]));
    }
  }
  std::string out;
  WriteTable(out, list.table, options.format);
  streams.out(out);
  streams.err("qmark: " + std::to_string(kept.size()) + " collocates of " +
              std::to_string(near.Hits()) + (near.Hits() == 1 ? " hit" : " hits") + " in " +
              std::to_string(counts.Tokens()) + " running words of " + std::to_string(texts) +
              (texts == 1 ? " text" : " texts") + "\n");
  return read == CountResult::kProblem ? kBadInput : kSuccess;
}

} // namespace

int RunCollocates(std::span<const std::string> args, const CommandStreams &streams) {
  return RunWithOptions<CollocatesOptions>(
      args, streams, "collocates", CollocatesHelp(), ParseCollocatesOptions,
      [&streams](const CollocatesOptions &options) { return Run(options, streams); });
}

int RunCollocatesCommand(std::span<char *> args) {
  return RunOnStandardStreams(RunCollocates, args, "collocates");
}

} // namespace qmark
