// qmark keywords over the word counting of texts, saved word lists and unidisplay's keyness.
#include "tools/qmark/keywords.h"

#include "definitions/list_files.h"
#include "definitions/list_signature.h"
#include "platform/streams.h"
#include "stats/keyword_entry.h"
#include "stats/tail_probability.h"
#include "tools/qmark/exit_status.h"
#include "tools/qmark/saved_word_list.h"
#include "tools/qmark/table_output.h"
#include "tools/qmark/text_options.h"
#include "tools/qmark/word_counting.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <sys/stat.h>
#include <unordered_map>

namespace qmark {

using textcore::String;

namespace {

constexpr std::string_view kUsage =
    R"(Usage: qmark keywords [options] TEXTS... REFERENCE

Finds the key words of TEXTS against REFERENCE: the words whose frequency in the texts differs
from what the reference corpus leads one to expect, scored by log-likelihood (the suite's own
keyness), with the log ratio and the probability of so large a score by chance.

TEXTS         the texts (files, folders, zip archives and members, as for qmark concord), or one
              word list saved by qmark wordlist --save
REFERENCE     the reference corpus: a file or folder of texts, or a saved word list
Words are found and case-folded as qmark wordlist finds them; a saved list is taken as it was
saved.

Options:
)";

constexpr std::string_view kOwnOptions =
    R"(  --case            Keep case when counting texts ("The" and "the" are two types).
  --min-freq N      Leave out the words found fewer than N times in the texts (default 3).
  --p P             The largest probability of a key word (default 0.000001): the smaller, the
                    fewer and the more surely key.
  --measure M       ll (default) or lr: order the key words by log-likelihood or by log ratio.
  --format F        text (default), tsv or json.
  -h, --help        Show this help and exit.

Output (UTF-8, on standard output): the columns of the suite's key-word list, under its headings:
N, Key word, Freq. and % in the texts, Texts (how many texts it occurs in), RC. Freq. and RC. %
in the reference corpus, Log_L (negative where the word is rarer than expected), Log_R and P.
The positive key words come first, most key first; then the negative ones, most negative last.
A percentage below 0.01 shows blank.

Exit status: 0 on success, 1 when a file could not be read or a list is no word list, 2 on bad
usage.
)";

struct KeywordsOptions : TextOptions {
  bool help = false;
  bool case_sensitive = false;
  int64_t min_freq = 3;
  double p = 0.000001;
  bool by_log_ratio = false;
  OutputFormat format = OutputFormat::kText;
  std::vector<std::string> texts;
  std::string reference;
};

bool ParseOption(std::span<const std::string> args, size_t &i, const OptionArgument &typed,
                 KeywordsOptions &options, std::string &error) {
  const std::string &name = typed.name;
  if (name == "--help" || name == "-h")
    return TakeFlag(typed, options.help, error);
  if (name == "--case")
    return TakeFlag(typed, options.case_sensitive, error);
  if (name != "--min-freq" && name != "--p" && name != "--measure" && name != "--format") {
    error = "unknown option '" + args[i] + "'";
    return false;
  }
  std::string value;
  if (!TakeValue(args, i, name, typed.inline_value, value, error))
    return false;
  if (name == "--format")
    return ParseFormat(value, options.format, error);
  if (name == "--measure") {
    if (value != "ll" && value != "lr") {
      error = "--measure is ll or lr, not '" + value + "'";
      return false;
    }
    options.by_log_ratio = value == "lr";
    return true;
  }
  const char *end = value.data() + value.size();
  if (name == "--p") {
    const auto [at, failure] = std::from_chars(value.data(), end, options.p);
    if (failure != std::errc() || at != end || !(options.p > 0 && options.p <= 1)) {
      error = "--p must be a probability above 0 and at most 1, not '" + value + "'";
      return false;
    }
    return true;
  }
  return ParseWholeNumber(value, name, 1, std::numeric_limits<int64_t>::max(), options.min_freq,
                          error);
}

bool ParseKeywordsOptions(std::span<const std::string> args, KeywordsOptions &options,
                          std::string &error) {
  std::vector<std::string> positional;
  if (!WalkCommand(args, options, ParseOption, 2, "no texts and no reference given",
                   "no reference given: name the reference corpus or its word list", positional,
                   error))
    return false;
  if (options.help)
    return true;
  options.texts.assign(positional.begin(), positional.end() - 1);
  options.reference = positional.back();
  return true;
}

std::string_view KeywordsHelp() {
  static const std::string help = TextCommandHelp(kUsage, kOwnOptions);
  return help;
}

enum class Loaded : uint8_t { kDone, kProblem, kBadUsage, kFailed };

// One side's word types: a saved word list when paths is one file whose header says so, else the
// words of the texts that paths name.
Loaded Load(const KeywordsOptions &options, const std::vector<std::string> &paths,
            const CommandStreams &streams, SavedWordList &list) {
  if (paths.size() == 1) {
    struct stat status {};
    const String name = textcore::UTF8ToString(paths[0]);
    textcore::TCheckSignature header;
    if (::stat(paths[0].c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
        textcore::ReadListFileHeader(name, header)) {
      const textcore::list_type kind = textcore::DiskFileType(header);
      std::string reason;
      if (kind == textcore::lt_word_list) {
        textcore::TFileStream file(name, textcore::fmOpenRead | textcore::fmShareDenyNone);
        if (ReadWordList(file, list, reason))
          return Loaded::kDone;
      } else if (kind != textcore::lt_none_in_use) {
        reason = "a " + textcore::StringToUTF8(textcore::list_type_as_string[kind]) +
                 ", not a word list";
      }
      if (!reason.empty()) {
        streams.err("qmark keywords: '" + paths[0] + "': " + reason + "\n");
        return Loaded::kFailed;
      }
    }
  }
  TextOptions reading = options;
  reading.paths = paths;
  WordCounts counts(options.lcid, options.case_sensitive);
  const CountResult result = CountTexts(reading, "keywords", streams, counts, list.texts);
  if (result == CountResult::kBadUsage)
    return Loaded::kBadUsage;
  list.tokens = counts.Tokens();
  for (size_t type = 0; type < counts.Types(); ++type)
    list.types.push_back(
        {counts.WordOf(type), counts.CountOf(type).freq, counts.CountOf(type).texts});
  return result == CountResult::kProblem ? Loaded::kProblem : Loaded::kDone;
}

struct Key {
  size_t type;
  int64_t reference_freq;
  unidisplay::TKeyword_entry_rec entry;
  double p;
};

int Run(const KeywordsOptions &options, const CommandStreams &streams) {
  SavedWordList texts, reference;
  bool had_problem = false;
  for (auto [paths, list] : {std::pair{options.texts, &texts},
                             std::pair{std::vector<std::string>{options.reference}, &reference}}) {
    switch (Load(options, paths, streams, *list)) {
    case Loaded::kBadUsage:
      return kBadUsage;
    case Loaded::kFailed:
      return kBadInput;
    case Loaded::kProblem:
      had_problem = true;
      break;
    case Loaded::kDone:
      break;
    }
  }
  constexpr int64_t kMost = std::numeric_limits<int32_t>::max();
  if (texts.tokens > kMost || reference.tokens > kMost) {
    streams.err("qmark keywords: keyness is scored for at most 2,147,483,647 running words a "
                "side\n");
    return kBadInput;
  }
  if (texts.tokens == 0 || reference.tokens == 0) {
    streams.err(std::string("qmark keywords: the ") +
                (texts.tokens == 0 ? "texts have" : "reference corpus has") + " no words\n");
    return kBadInput;
  }
  std::unordered_map<String, int64_t> in_reference;
  for (const SavedWordType &type : reference.types)
    in_reference[type.word] += type.freq;
  std::vector<Key> keys;
  for (size_t i = 0; i < texts.types.size(); ++i) {
    const SavedWordType &type = texts.types[i];
    if (type.freq < options.min_freq)
      continue;
    const auto found = in_reference.find(type.word);
    const int64_t rf = found == in_reference.end() ? 0 : std::min(found->second, kMost);
    unidisplay::TKeyword_entry_rec entry = unidisplay::KWStatsCalculated(
        {static_cast<int32_t>(type.freq), static_cast<int32_t>(rf)},
        {static_cast<int32_t>(texts.tokens), static_cast<int32_t>(reference.tokens)});
    const double p = unidisplay::UpperTailProbability(std::fabs(entry.LL));
    if (p <= options.p)
      keys.push_back({i, rf, std::move(entry), p});
  }
  // Positive first, most key first; then negative, most negative last.
  const auto score = [&](const Key &k) {
    return options.by_log_ratio ? k.entry.LogRatio : k.entry.LL;
  };
  std::stable_sort(keys.begin(), keys.end(), [&](const Key &a, const Key &b) {
    if (a.entry.negative_score != b.entry.negative_score)
      return !a.entry.negative_score;
    return score(a) > score(b); // negative scores: the most negative last
  });
  ListTable list(textcore::lt_keyword_list, 10);
  const auto number = ListTable::Number;
  int64_t n = 0;
  for (const Key &key : keys) {
    const SavedWordType &type = texts.types[key.type];
    list.table.rows.push_back({number(++n), type.word, number(type.freq),
                               list.Decimal(3, 100.0 * static_cast<double>(type.freq) /
                                                   static_cast<double>(texts.tokens)),
                               number(type.texts), number(key.reference_freq),
                               list.Decimal(6, 100.0 * static_cast<double>(key.reference_freq) /
                                                   static_cast<double>(reference.tokens)),
                               list.Decimal(7, key.entry.LL), list.Decimal(8, key.entry.LogRatio),
                               list.Decimal(9, key.p)});
  }
  std::string out;
  WriteTable(out, list.table, options.format);
  streams.out(out);
  streams.err("qmark: " + std::to_string(keys.size()) + " key words of " +
              std::to_string(texts.tokens) + " running words against " +
              std::to_string(reference.tokens) + "\n");
  return had_problem ? kBadInput : kSuccess;
}

} // namespace

int RunKeywords(std::span<const std::string> args, const CommandStreams &streams) {
  return RunWithOptions<KeywordsOptions>(
      args, streams, "keywords", KeywordsHelp(), ParseKeywordsOptions,
      [&streams](const KeywordsOptions &options) { return Run(options, streams); });
}

int RunKeywordsCommand(std::span<char *> args) {
  return RunOnStandardStreams(RunKeywords, args, "keywords");
}

} // namespace qmark
