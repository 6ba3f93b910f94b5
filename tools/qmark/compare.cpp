// qmark compare over filekit's TFileComparer.
#include "tools/qmark/compare.h"

#include "filekit/file_comparer.h"
#include "platform/dir_search.h"
#include "platform/file_names.h"
#include "platform/file_ops.h"
#include "tools/qmark/exit_status.h"
#include "tools/qmark/input_files.h"
#include "tools/qmark/option_parsing.h"
#include "tools/qmark/text_escapes.h"

#include <charconv>
#include <chrono>
#include <vector>

namespace qmark {

using textcore::String;

namespace {

// As cmp has it: a comparison that ran and found the contents different exits 1, as does bad
// input; the message on standard error tells which.
constexpr int kContentsDiffer = 1;

constexpr std::string_view kHelp =
    R"(Usage: qmark compare [options] FILE1 FILE2

Tells how far the contents of two files match, as a percentage, and whether their sizes,
last-write times and attributes are equal.

The bytes are compared from the start over the length of the smaller file: a file that is the
start of the other matches it (100) while their sizes differ. A difference anywhere, the last byte
included, gives less than 100: the share of that length up to the first byte that differs.

Options:
  --ignore-crlf   When the bytes differ, compare again with every CR, LF and zero byte skipped,
                  so that a text with CR LF line ends matches the same text with LF. The percentage
                  is then where in FILE1 the first other byte differs.
  --format F      text (default), tsv or json.
  -h, --help      Show this help and exit.

Output (UTF-8, on standard output):
  percent     how far the contents match, 0 to 100 (100 only when no difference was found; both
              files empty match, one empty file matches no other)
  contents    match when the percent is 100, else differ
  sizes       match when the two sizes are equal
  dates       match when the two last-write times are equal to the nanosecond
  attributes  match when both are writable or both read-only, and both hidden (a name starting
              with ".") or neither
  line ends   compared, or ignored when --ignore-crlf compared a second time
  text  one "name  value" line each, in that order.
  tsv   the header "file1 file2 percent contents sizes dates attributes line_ends" and one row,
        true or false for each flag (line_ends: true when ignored).
  json  one object with the keys file1, file2, percent, contents_match, sizes_match,
        dates_match, attributes_match and line_ends_ignored.

Exit status: 0 when the contents match, 1 when they differ or when a file cannot be read (a
missing file, a folder, a device or a file without read permission: the reason is on standard
error and nothing is written on standard output), 2 on bad usage.
)";

struct CompareOptions {
  bool help = false;
  bool ignore_crlf = false;
  OutputFormat format = OutputFormat::kText;
  std::vector<std::string> files;
};

bool ParseCompareOptions(std::span<const std::string> args, CompareOptions &options,
                         std::string &error) {
  const auto option = [&](const OptionArgument &typed, size_t &i) {
    if (typed.name == "--help" || typed.name == "-h")
      return TakeFlag(typed, options.help, error);
    if (typed.name == "--ignore-crlf")
      return TakeFlag(typed, options.ignore_crlf, error);
    if (typed.name != "--format") {
      error = "unknown option '" + args[i] + "'";
      return false;
    }
    std::string value;
    return TakeValue(args, i, typed.name, typed.inline_value, value, error) &&
           ParseFormat(value, options.format, error);
  };
  if (!WalkArguments(args, options.files, option, error))
    return false;
  if (options.help)
    return true;
  for (const std::string &file : options.files)
    if (file == kStandardInput) {
      error = "standard input cannot be compared: name two files";
      return false;
    }
  if (options.files.size() != 2)
    error = "two files are compared, " + std::to_string(options.files.size()) + " given";
  return error.empty();
}

// Why the comparer could not read a file, or empty when it can: it gives 0 for a file that is
// not there, which must not be told as contents that differ.
std::string Unreadable(const String &name) {
  if (textcore::FileExists(name))
    return "";
  textcore::TDirEntry entry;
  if (!textcore::EntryOfPath(name, entry))
    return "no such file";
  if (entry.Attr & textcore::faDirectory)
    return "a folder, not a file";
  return "not a regular file";
}

// The shortest decimal form that reads back as the same float: 99.99999 is never shown as 100.
std::string PercentText(float percent) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, percent).ptr;
  return std::string(text, end);
}

struct Verdict {
  String file1, file2;
  float percent = 0;
  bool contents = false, sizes = false, dates = false, attributes = false, line_ends = false;
};

std::string WriteVerdict(const Verdict &v, OutputFormat format) {
  const auto word = [](bool match) { return match ? "match" : "differ"; };
  const auto boolean = [](bool b) { return std::string(b ? "true" : "false"); };
  std::string out;
  switch (format) {
  case OutputFormat::kText:
    out = "percent     " + PercentText(v.percent) + "\ncontents    " + word(v.contents) +
          "\nsizes       " + word(v.sizes) + "\ndates       " + word(v.dates) + "\nattributes  " +
          word(v.attributes) + "\nline ends   " + (v.line_ends ? "ignored" : "compared") + "\n";
    break;
  case OutputFormat::kTsv:
    out = "file1\tfile2\tpercent\tcontents\tsizes\tdates\tattributes\tline_ends\n";
    AppendEscaped(out, v.file1, Escape::kTsv);
    out += "\t";
    AppendEscaped(out, v.file2, Escape::kTsv);
    out += "\t" + PercentText(v.percent) + "\t" + boolean(v.contents) + "\t" + boolean(v.sizes) +
           "\t" + boolean(v.dates) + "\t" + boolean(v.attributes) + "\t" + boolean(v.line_ends) +
           "\n";
    break;
  case OutputFormat::kJson:
    out = "{\"file1\": \"";
    AppendEscaped(out, v.file1, Escape::kJson);
    out += "\", \"file2\": \"";
    AppendEscaped(out, v.file2, Escape::kJson);
    out += "\", \"percent\": " + PercentText(v.percent) +
           ", \"contents_match\": " + boolean(v.contents) +
           ", \"sizes_match\": " + boolean(v.sizes) + ", \"dates_match\": " + boolean(v.dates) +
           ", \"attributes_match\": " + boolean(v.attributes) +
           ", \"line_ends_ignored\": " + boolean(v.line_ends) + "}\n";
    break;
  }
  return out;
}

int Run(const CompareOptions &options, const CommandStreams &streams) {
  const String file1 = textcore::BytesToFileName(options.files[0]);
  const String file2 = textcore::BytesToFileName(options.files[1]);
  const auto cannot_read = [&](const std::string &file, const std::string &reason) {
    streams.err("qmark compare: cannot read '" + file + "': " + reason + "\n");
    return kBadInput;
  };
  for (size_t i = 0; i < 2; ++i)
    if (const std::string reason = Unreadable(i == 0 ? file1 : file2); !reason.empty())
      return cannot_read(options.files[i], reason);

  filekit::TFileComparer comparer(nullptr);
  comparer.SetFile1(file1);
  comparer.SetFile2(file2);
  // The verdict goes to the output, not to a message box.
  comparer.SetSilentComparison(true);
  auto last_progress = std::chrono::steady_clock::time_point{};
  if (streams.show_progress)
    comparer.SetOnCheckProgress([&](int32_t percent) {
      const auto now = std::chrono::steady_clock::now();
      if (now - last_progress < std::chrono::milliseconds(100))
        return;
      last_progress = now;
      streams.err("\r\x1b[Kqmark compare: " + std::to_string(percent) + "%");
    });
  Verdict verdict{file1, file2};
  try {
    verdict.percent = comparer.PercentMatching(options.ignore_crlf);
  } catch (const std::exception &e) {
    // An open or a read refused after the check (no read permission, a failing disk); the
    // message names the file.
    if (streams.show_progress)
      streams.err("\r\x1b[K");
    streams.err("qmark compare: cannot read: " + std::string(e.what()) + "\n");
    return kBadInput;
  }
  if (streams.show_progress)
    streams.err("\r\x1b[K");
  verdict.contents = comparer.ContentsMatch();
  verdict.sizes = comparer.SizesMatch();
  verdict.dates = comparer.DatesMatch();
  verdict.attributes = comparer.AttributesMatch();
  verdict.line_ends = comparer.CRLFs_were_ignored;
  streams.out(WriteVerdict(verdict, options.format));
  return verdict.contents ? kSuccess : kContentsDiffer;
}

} // namespace

std::string_view CompareHelp() { return kHelp; }

int RunCompare(std::span<const std::string> args, const CommandStreams &streams) {
  return RunWithOptions<CompareOptions>(
      args, streams, "compare", kHelp, ParseCompareOptions,
      [&streams](const CompareOptions &options) { return Run(options, streams); });
}

int RunCompareCommand(std::span<char *> args) {
  return RunOnStandardStreams(RunCompare, args, "compare");
}

} // namespace qmark
