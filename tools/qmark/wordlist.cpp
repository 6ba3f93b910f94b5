// qmark wordlist over the word counting of texts and the library's column layouts.
#include "tools/qmark/wordlist.h"

#include "platform/safe_file_writer.h"
#include "tools/qmark/exit_status.h"
#include "tools/qmark/saved_word_list.h"
#include "tools/qmark/table_output.h"
#include "tools/qmark/text_options.h"
#include "tools/qmark/word_counting.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace qmark {

using textcore::String;
using textcore::StringView;

namespace {

constexpr std::string_view kUsage =
    R"(Usage: qmark wordlist [options] PATH...

Makes the word list of a set of texts: every word type with its frequency, its share of the
running words (the tokens) and the number of texts it occurs in. The words are found as qmark
concord finds them: runs of letters and digits under the language's rules, joined by the middle
characters; markup inside a word is left out of it. Case is folded under the language's rules
("The" and "the" are one type) unless --case.

PATH          a file, a folder (with every folder below it, for the files that --mask names and
              the members of its zip archives), a zip archive, a member's address or "-" for
              standard input, as for qmark concord.

Options:
)";

constexpr std::string_view kOwnOptions =
    R"(  --case            Keep case: "The" and "the" are two types.
  --sort ORDER      freq (default: most frequent first, then alphabetically) or alpha (as the
                    language sorts words).
  --min-freq N      Leave out the types found fewer than N times (default 1).
  --format F        text (default), tsv or json.
  --save FILE       Also save the list shown as a word list of the suite (the word-list tool's
                    header, then the totals and the types), for qmark list-info and qmark
                    keywords; the file is replaced whole, or left as it was on failure.
  -h, --help        Show this help and exit.

Output (UTF-8, on standard output): the columns of the suite's word list, under its headings:
  N      the type's place in the list, from 1
  Word   the type
  Freq.  how often it occurs
  %      its share of the running words, in percent (blank below 0.01)
  Texts  how many texts it occurs in
  %      their share of the texts read, in percent (blank below 0.01)
  text  aligned columns; tsv  a header line, then a row a type; json  {"columns": [...],
  "rows": [[...], ...]} with numbers as numbers.
A summary goes to standard error: the running words, the types and the texts read. A file that
is no text is passed over with a note; one that cannot be read is reported and skipped.

Exit status: 0 on success, 1 when a file could not be read (the others are still counted), 2 on
bad usage.
)";

struct WordlistOptions : TextOptions {
  bool help = false;
  bool case_sensitive = false;
  bool alphabetical = false;
  int64_t min_freq = 1;
  String save; // where to save the list shown; empty: nowhere
  OutputFormat format = OutputFormat::kText;
};

bool ParseOption(std::span<const std::string> args, size_t &i, const OptionArgument &typed,
                 WordlistOptions &options, std::string &error) {
  const std::string &name = typed.name;
  if (name == "--help" || name == "-h")
    return TakeFlag(typed, options.help, error);
  if (name == "--case")
    return TakeFlag(typed, options.case_sensitive, error);
  if (name != "--sort" && name != "--min-freq" && name != "--format" && name != "--save") {
    error = "unknown option '" + args[i] + "'";
    return false;
  }
  std::string value;
  if (!TakeValue(args, i, name, typed.inline_value, value, error))
    return false;
  if (name == "--format")
    return ParseFormat(value, options.format, error);
  if (name == "--save") {
    options.save = textcore::UTF8ToString(value);
    if (options.save.empty())
      error = "--save needs a file name";
    return !options.save.empty();
  }
  if (name == "--sort") {
    if (value != "freq" && value != "alpha") {
      error = "--sort is freq or alpha, not '" + value + "'";
      return false;
    }
    options.alphabetical = value == "alpha";
    return true;
  }
  return ParseWholeNumber(value, name, 1, std::numeric_limits<int64_t>::max(), options.min_freq,
                          error);
}

bool ParseWordlistOptions(std::span<const std::string> args, WordlistOptions &options,
                          std::string &error) {
  std::vector<std::string> positional;
  if (!WalkCommand(args, options, ParseOption, 1,
                   "no path given: name the files or folders to read", "", positional, error))
    return false;
  if (options.help)
    return true;
  options.paths = positional;
  return true;
}

std::string_view WordlistHelp() {
  static const std::string help = TextCommandHelp(kUsage, kOwnOptions);
  return help;
}

// part as a percentage of whole; not a number when whole is 0.
double Share(int64_t part, int64_t whole) {
  return whole > 0 ? 100.0 * static_cast<double>(part) / static_cast<double>(whole) : std::nan("");
}

int Run(const WordlistOptions &options, const CommandStreams &streams) {
  bool had_problem = false;
  WordCounts counts(options.lcid, options.case_sensitive);
  int64_t texts = 0;
  switch (CountTexts(options, "wordlist", streams, counts, texts)) {
  case CountResult::kBadUsage:
    return kBadUsage;
  case CountResult::kProblem:
    had_problem = true;
    break;
  case CountResult::kDone:
    break;
  }

  // Most frequent first, then alphabetically; or alphabetically only. Types that compare equal
  // keep the order in which they were met.
  const std::vector<int32_t> ranks = counts.Ranks();
  std::vector<size_t> order(counts.Types());
  std::iota(order.begin(), order.end(), size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    if (!options.alphabetical && counts.CountOf(a).freq != counts.CountOf(b).freq)
      return counts.CountOf(a).freq > counts.CountOf(b).freq;
    return ranks[a] < ranks[b];
  });
  ListTable list(textcore::lt_word_list, 6);
  int64_t n = 0;
  SavedWordList saved{counts.Tokens(), texts, {}};
  for (size_t type : order) {
    const WordCounts::Count &count = counts.CountOf(type);
    if (count.freq < options.min_freq)
      continue;
    if (!options.save.empty())
      saved.types.push_back({counts.WordOf(type), count.freq, count.texts});
    list.table.rows.push_back(
        {ListTable::Number(++n), counts.WordOf(type), ListTable::Number(count.freq),
         list.Decimal(3, Share(count.freq, counts.Tokens())), ListTable::Number(count.texts),
         list.Decimal(5, Share(count.texts, texts))});
  }
  std::string out;
  WriteTable(out, list.table, options.format);
  streams.out(out);
  if (!options.save.empty()) {
    std::string bytes, reason;
    try {
      if (WordListBytes(saved, bytes, reason))
        textcore::SaveBytesToFile(options.save, bytes.data(), bytes.size());
    } catch (const std::exception &e) {
      reason = e.what();
    }
    if (!reason.empty()) {
      streams.err("qmark wordlist: cannot save '" + textcore::StringToUTF8(options.save) +
                  "': " + reason + "\n");
      had_problem = true;
    }
  }
  streams.err("qmark: " + std::to_string(counts.Tokens()) + " running words, " +
              std::to_string(counts.Types()) + " types in " + std::to_string(texts) +
              (texts == 1 ? " text" : " texts") + " read\n");
  return had_problem ? kBadInput : kSuccess;
}

} // namespace

int RunWordlist(std::span<const std::string> args, const CommandStreams &streams) {
  return RunWithOptions<WordlistOptions>(
      args, streams, "wordlist", WordlistHelp(), ParseWordlistOptions,
      [&streams](const WordlistOptions &options) { return Run(options, streams); });
}

int RunWordlistCommand(std::span<char *> args) {
  return RunOnStandardStreams(RunWordlist, args, "wordlist");
}

} // namespace qmark
