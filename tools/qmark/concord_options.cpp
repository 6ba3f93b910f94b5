// Parsing and checking the options of qmark concord.
#include "tools/qmark/concord_options.h"

#include "definitions/ignore_tag_strings.h"
#include "tools/qmark/concord_picture.h"
#include "tools/qmark/option_parsing.h"

#include "platform/strings.h"

#include <optional>

namespace qmark {
namespace {

using textcore::String;

constexpr std::string_view kUsage =
    R"(Usage: qmark concord [options] SEARCH-WORDS PATH...

Searches text files for SEARCH-WORDS and prints every hit in its context (key word in context),
sorted by up to three keys.

SEARCH-WORDS  one or more search words separated by "/": "river/bridge". A word is found whole
              (as a word of the text) unless a "*" at its start or end says otherwise: "river*"
              finds "rivers" and "riverbank", "*ness" finds "darkness", shown whole. Inside a
              word "*" is a run of one or more characters of the same word ("dar*ness" finds
              "darkness", "dark*ness" does not), "?" one character that is not a space, "#" a
              number, "^" a letter. Several words with spaces between them are a phrase: "the
              lamb" finds the two words one after the other, across line ends too. "==Word=="
              matches case exactly; "~word" leaves out the hits that word would give
              ("th*/~the"). Case is ignored unless --case. A "/" at the start or end of the list,
              or two together, is searched as a character (a warning says so). Put "--" before
              search words that start with "-".
PATH          a file (searched whatever its name), a folder (searched with every folder below
              it, for the files that --mask names and the members of its zip archives; hidden
              files and folders, whose names start with ".", are passed over), a zip archive
              (its members), a member's address ("set.zip/a.txt") or "-" for standard input.
              A member's hits are shown under its address. Files are searched in byte order of
              their names, each once however often it is named.

Options:
)";

constexpr std::string_view kOwnOptions =
    R"(  --case            Match case exactly.
  --width N         Columns of context on each side of the hit, in display width (1 to 1000,
                    default 40).
  --sort KEYS       Up to three keys separated by ",": file, position, hit, L1..L5 (the n-th word
                    left of the hit), R1..R5 (the n-th word right of it); add ":desc" for
                    decreasing order (":asc" is the default). Words compare as the language sorts
                    them, ignoring case. Lines equal on every key stay in file, position order.
                    Default: file,position.
  --format F        text (default), tsv or json.
  --count           Print no lines: only how many hits each file has for each search word.
  --colour WHEN     auto (default: when the output is a terminal), always or never: draw the
                    text format's hits in the scheme's "search word highlighted" role and the
                    context in its "normal text" role (see qmark colours; the system's window
                    colours are left to the terminal).
  --scheme FILE     Read the colour scheme's roles from FILE, as qmark colours prints it.
  --png FILE        Draw the lines as a picture into FILE (PNG) instead of printing them, and
                    print FILE's name: each line split at its hit, the left context ending at
                    the picture's centre, the hit and the right context starting there, in the
                    scheme's roles (the hit "search word highlighted", the words of the first two
                    sort keys "main sort" and "second sort", the rest "normal text"). A line whose
                    hit is written right to left is drawn right to left; a context too long for
                    its half is cropped at a word, with a purple strip at the cut. The first 500
                    lines are drawn (a note on standard error tells how many were left out). Not
                    with --format or --count.
  --png-width N     The picture's width in pixels, 200 to 4000 (default 1000).
  -h, --help        Show this help and exit.

Output (UTF-8, on standard output):
  text  one line per hit: FILE:LINE:COLUMN, the left context right-aligned, the hit, the right
        context, so that the hits line up; line ends, tabs and control characters show as spaces.
  tsv   a header line, then FILE, LINE:COLUMN, LEFT, HIT, RIGHT, WORD separated by tabs (WORD is
        the search word that found the hit); a tab, line end or backslash inside a field is
        written \t, \n, \r or \\.
  json  one array of objects {"file", "line", "column", "offset", "word", "left", "hit",
        "right"}; "offset" counts characters (UTF-16 units) from the start of the text, "word" is
        the search word that found the hit.
  LINE and COLUMN count from 1; lines end at LF, columns count characters. The text format
  aligns the hits by display width: East Asian wide characters take two columns, combining
  accents none.
  With --count: text "FILE  WORD  HITS" per file and search word that has hits, tsv with the
  header "file word hits", json objects {"file", "word", "hits"}.

A hit is shown as the whole word it lies in when the search word leaves its start or end open.
Hits of several search words on the same stretch of text (or of one word, such as "*s*" in
"Mississippi") are one line, credited to the first search word that found it.

A summary of the hits per search word goes to standard error (each stretch of text counted once,
as the lines are), and progress too when it is a terminal.

Files are read as UTF-16 (with a byte-order mark, or without one when the text shows it), UTF-8
(with or without its signature), or else 8-bit text in the code page of the language. A text that
is UTF-8 but for a few bad bytes is read as UTF-8, each bad byte as U+FFFD, with a note naming the
first. Decomposed accents are composed as a text is read, so "café" finds "cafe" + U+0301. A file
that is no text (a zip archive, a word-processor document, bytes with NULs) is passed over with a
note, unless --binary says to search it as 8-bit text. A file that cannot be read is reported and
skipped.

Texts of any size are searched in memory that does not grow with them: each is read once to
decide its encoding and once more a few MiB at a time (a text of up to 8 MiB is kept from the
first reading instead), two files at once while the hits are searched and written. When every
search word is a plain word (no "*", "?", "#", "^" or space in it), with neither --markup nor a
sort on L1..R5, long stretches of ASCII far from every place one could stand are passed over
without being decoded. A zip member is read whole (up to 256 MiB) and so is standard input up to
16 MiB, beyond which it goes to a temporary file. With the default order lines are written as they
are found; any other order keeps every line, as it will be written, until the sort. A line takes
nothing from further than 65,536 characters from its hit: a markup pair that does not close within
that many characters is text, and a context or a sort word never reaches further.

Exit status: 0 on success (also when nothing is found), 1 when a file could not be read (the
others are still searched and printed), 2 on bad usage.
)";

bool ParseWidth(const std::string &text, int32_t &width, std::string &error) {
  int32_t value = 0;
  if (!text.empty() && text[0] >= '0' && text[0] <= '9' &&
      textcore::TryStrToInt(textcore::UTF8ToString(text), value) && value >= kMinContextWidth &&
      value <= kMaxContextWidth) {
    width = value;
    return true;
  }
  error = "--width must be a whole number from 1 to 1000, not '" + text + "'";
  return false;
}

std::optional<ConcordKey> KeyNamed(std::string_view name) {
  if (name == "file")
    return kKeyFile;
  if (name == "position")
    return kKeyPosition;
  if (name == "hit")
    return kKeyHit;
  if (name.size() == 2 && (name[0] == 'L' || name[0] == 'R') && name[1] >= '1' && name[1] <= '5')
    return static_cast<ConcordKey>((name[0] == 'L' ? kKeyLeft1 : kKeyRight1) + (name[1] - '1'));
  return std::nullopt;
}

bool ParseSortLevel(std::string_view text, ConcordSortLevel &level) {
  const size_t colon = text.find(':');
  const std::string_view direction = colon == std::string_view::npos ? "" : text.substr(colon + 1);
  const std::optional<ConcordKey> key = KeyNamed(text.substr(0, colon));
  if (!key || (colon != std::string_view::npos && direction != "asc" && direction != "desc"))
    return false;
  level = {*key, direction == "desc"};
  return true;
}

bool ParseSort(const std::string &text, std::vector<ConcordSortLevel> &sort, std::string &error) {
  sort.clear();
  size_t start = 0;
  while (true) {
    const size_t comma = std::min(text.find(',', start), text.size());
    ConcordSortLevel level;
    if (!ParseSortLevel(std::string_view(text).substr(start, comma - start), level)) {
      error = "bad sort key '" + text.substr(start, comma - start) +
              "' (keys: file, position, hit, L1..L5, R1..R5, each with :asc or :desc)";
      return false;
    }
    sort.push_back(level);
    if (comma == text.size())
      break;
    start = comma + 1;
  }
  if (sort.size() > 3)
    error = "--sort takes at most three keys";
  return sort.size() <= 3;
}

// One option with its value; false with error set when it is unknown or its value is bad.
bool ParseOption(std::span<const std::string> args, size_t &i, const OptionArgument &typed,
                 ConcordOptions &options, std::string &error) {
  const std::string &arg = args[i];
  const std::string &name = typed.name;
  const std::optional<std::string> &inline_value = typed.inline_value;
  auto flag = [&](bool &target) { return TakeFlag(typed, target, error); };
  if (name == "--help" || name == "-h")
    return flag(options.help);
  if (name == "--case")
    return flag(options.case_sensitive);
  if (name == "--count")
    return flag(options.count);
  std::string value;
  if (name != "--width" && name != "--sort" && name != "--format" && name != "--colour" &&
      name != "--scheme" && name != "--png" && name != "--png-width") {
    error = "unknown option '" + arg + "'";
    return false;
  }
  if (!TakeValue(args, i, name, inline_value, value, error))
    return false;
  if (name == "--width")
    return ParseWidth(value, options.width, error);
  if (name == "--sort")
    return ParseSort(value, options.sort, error);
  if (name == "--colour")
    return ParseColourWhen(value, options.colour, error);
  if (name == "--scheme") {
    options.scheme = value;
    return true;
  }
  if (name == "--png") {
    options.png = value;
    if (value.empty())
      error = "--png needs a file name";
    return !value.empty();
  }
  if (name == "--png-width") {
    int64_t width = 0;
    if (!ParseWholeNumber(value, name, ConcordPicture::kMinWidth, ConcordPicture::kMaxWidth, width,
                          error))
      return false;
    options.png_width = static_cast<int32_t>(width);
    return true;
  }
  options.format_given = true;
  return ParseFormat(value, options.format, error);
}

} // namespace

bool ParseConcordOptions(std::span<const std::string> args, ConcordOptions &options,
                         std::string &error) {
  std::vector<std::string> positional;
  if (!WalkCommand(args, options, ParseOption, 2, "no search words and no path given",
                   "no path given: name the files or folders to search", positional, error))
    return false;
  if (options.help)
    return true;
  if (!options.png.empty() && (options.format_given || options.count)) {
    error = "--png draws the lines: it does not go with --format or --count";
    return false;
  }
  options.search_words = textcore::UTF8ToString(positional[0]);
  options.paths.assign(positional.begin() + 1, positional.end());
  return true;
}

std::string_view ConcordHelp() {
  static const std::string help = TextCommandHelp(kUsage, kOwnOptions);
  return help;
}

bool SortIsSearchOrder(const std::vector<ConcordSortLevel> &sort) {
  for (size_t i = 0; i < sort.size(); ++i) {
    const ConcordKey natural = i == 0 ? kKeyFile : kKeyPosition;
    if (i > 1 || sort[i].key != natural || sort[i].descending)
      return false;
  }
  return true;
}

} // namespace qmark
