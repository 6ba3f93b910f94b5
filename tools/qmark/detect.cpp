// qmark detect over the library's text detection and conversion.
#include "tools/qmark/detect.h"

#include "core/bare_assemb.h"
#include "files/text_decoding.h"
#include "files/text_files.h"
#include "files/user_questions.h"
#include "platform/display_cells.h"
#include "platform/file_names.h"
#include "platform/format.h"
#include "platform/nls_code_pages.h"
#include "search/wide_masks.h"
#include "strings/human_numbers.h"
#include "tools/qmark/exit_status.h"
#include "tools/qmark/input_files.h"
#include "tools/qmark/option_parsing.h"
#include "tools/qmark/terminal_questions.h"
#include "tools/qmark/text_escapes.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace qmark {

using textcore::String;

namespace {

constexpr std::string_view kHelp =
    R"(Usage: qmark detect [options] PATH...

Tells, for each file, what it holds and how qmark reads it: the kind of content that the first
bytes and the text show, the encoding the text is read in (as qmark concord reads it), its size
and its checksum (the sum of its 32-bit little-endian words, in hexadecimal).

PATH          a file, a folder (every file below it that --mask names; hidden files and folders
              are passed over) or "-" for standard input.

Options:
  --mask MASKS      File names to take in folders, ";" between masks (default *.*).
  --lang L          The language of 8-bit texts: an LCID (1033, 0x419) or a locale name (en-GB,
                    de_DE, ru); it decides their code page. Default: the user's locale.
  --format F        text (default), tsv or json.
  --convert         Rewrite each 8-bit text as UTF-16 with the byte-order mark FF FE, lines
                    ended by CR LF, after asking "Overwrite FILE (with backup)?"; the old file is
                    kept as FILE.bak. Without a terminal to ask, --yes answers yes; without it
                    nothing is overwritten.
  --yes             Answer yes to the questions of --convert.
  -h, --help        Show this help and exit.

Output (UTF-8, on standard output):
  text  one line per file: FILE, CONTENTS, ENCODING, SIZE, CHECKSUM in aligned columns (a
        text of ASCII alone is shown in the 8-bit code page it would be read in, which reads it
        the same as UTF-8). SIZE is the size for people, rounded down: bytes up to 1 MiB
        ("1517bytes"), then kilobytes up to 8 MiB ("2048Kb"), megabytes up to 8 GiB ("300Mb"),
        gigabytes beyond ("12Gb").
  tsv   the header "file contents encoding bytes checksum ill_formed first_ill_formed", with
        the size in bytes.
  json  one array of objects with those keys.
  CONTENTS is one or more of 8-bit, UTF-8, UTF-16, UTF-16BE, zip, storage, early-Word joined by
  "+", or "unknown" for a file of fewer than 4 bytes. ENCODING is UTF-8, UTF-16, UTF-16BE, cpNNNN
  (an 8-bit code page) or "none" for a file that is no text; "ill_formed" counts the stretches of
  bytes that are not UTF-8 in a text read as UTF-8, "first_ill_formed" gives the first one's
  offset (-1 for none).

Exit status: 0 on success, 1 when a file could not be read or converted, 2 on bad usage.
)";

struct DetectOptions {
  bool help = false;
  bool convert = false;
  bool yes = false;
  std::vector<std::string> paths;
  String mask = u"*.*";
  textcore::LCID lcid = 0;
  OutputFormat format = OutputFormat::kText;
};

bool ParseDetectOptions(std::span<const std::string> args, DetectOptions &options,
                        std::string &error) {
  const auto option = [&](const OptionArgument &typed, size_t &i) {
    bool *flag = typed.name == "--help" || typed.name == "-h" ? &options.help
                 : typed.name == "--convert"                  ? &options.convert
                 : typed.name == "--yes"                      ? &options.yes
                                                              : nullptr;
    if (flag != nullptr)
      return TakeFlag(typed, *flag, error);
    std::string value;
    if (typed.name != "--mask" && typed.name != "--lang" && typed.name != "--format") {
      error = "unknown option '" + args[i] + "'";
      return false;
    }
    if (!TakeValue(args, i, typed.name, typed.inline_value, value, error))
      return false;
    if (typed.name == "--mask")
      options.mask = textcore::UTF8ToString(value);
    else if (typed.name == "--lang")
      return ParseLanguage(value, options.lcid, error);
    else
      return ParseFormat(value, options.format, error);
    return true;
  };
  if (!WalkArguments(args, options.paths, option, error))
    return false;
  if (options.help)
    return true;
  if (options.lcid == 0)
    options.lcid = textcore::GetUserDefaultLCID();
  if (options.paths.empty())
    error = "no path given: name the files or folders to look at";
  return error.empty();
}

std::string ContentsName(textcore::TFileContentsSet contents) {
  static constexpr const char *kNames[] = {"8-bit",   "UTF-8", "UTF-16",  "early-Word",
                                           "storage", "zip",   "UTF-16BE"};
  std::string names;
  for (int i = 0; i < 7; ++i)
    if (contents.Contains(static_cast<textcore::TFileContentsTypes>(i)))
      names += (names.empty() ? "" : "+") + std::string(kNames[i]);
  return names.empty() ? "unknown" : names;
}

struct DetectRow {
  String file;
  std::string contents, encoding;
  int64_t bytes = 0;
  uint32_t checksum = 0;
  int64_t ill_formed = 0, first_ill_formed = -1;
};

class DetectRun {
public:
  DetectRun(const DetectOptions &options, const CommandStreams &streams)
      : fOptions(options), fStreams(streams), fCodePage(textcore::LCIDToCodePage(options.lcid)) {}
  int Run();

private:
  void Problem(const String &name, const std::string &reason);
  void Look(const InputFile &file);
  void Convert(const String &name);
  void Write();

  const DetectOptions &fOptions;
  const CommandStreams &fStreams;
  uint32_t fCodePage;
  bool fHadProblem = false;
  std::vector<DetectRow> fRows;
  std::unique_ptr<TerminalQuestions> fQuestions;
};

void DetectRun::Problem(const String &name, const std::string &reason) {
  fHadProblem = true;
  fStreams.err(name.empty() ? "qmark detect: " + reason + "\n"
                            : "qmark detect: cannot read '" + textcore::StringToUTF8(name) +
                                  "': " + reason + "\n");
}

void DetectRun::Look(const InputFile &file) {
  std::string bytes, reason;
  if (!ReadInputBytes(file, bytes, reason)) {
    Problem(file.name, reason);
    return;
  }
  String text;
  const textcore::TTextDecision decision = textcore::ReadTextOfBytes(bytes, fCodePage, false, text);
  DetectRow row;
  row.file = file.name;
  row.contents = ContentsName(decision.contents);
  row.encoding = decision.encoding == textcore::te_none
                     ? "none"
                     : textcore::StringToUTF8(textcore::TextEncodingName(decision, fCodePage));
  row.bytes = static_cast<int64_t>(bytes.size());
  row.checksum = textcore::My4Checksum(
      bytes.data(), static_cast<int32_t>(std::min<size_t>(bytes.size(), INT32_MAX)));
  row.ill_formed = decision.ill_formed;
  row.first_ill_formed = decision.first_ill_formed;
  fRows.push_back(row);
  if (fOptions.convert && decision.encoding == textcore::te_8_bit &&
      decision.contents.Contains(textcore::_8_bit) && !file.path.empty() && !file.member)
    Convert(row.file);
}

void DetectRun::Convert(const String &name) {
  const std::string shown = textcore::StringToUTF8(name);
  if (!textcore::OKToOverwriteWithBackup(name)) {
    fStreams.err("qmark detect: '" + shown + "' not converted" +
                 (fQuestions && fQuestions->Unasked() ? " (no terminal to ask: --yes answers yes)\n"
                                                      : "\n"));
    return;
  }
  try {
    textcore::ConvertATextFileAnsiToUTF16(name, fOptions.lcid);
    fStreams.err("qmark detect: '" + shown + "' converted to UTF-16; the old file is '" +
                 textcore::StringToUTF8(textcore::ChangeFileExt(name, u".bak")) + "'\n");
  } catch (const std::exception &e) {
    fHadProblem = true;
    fStreams.err("qmark detect: '" + shown + "' not converted: " + e.what() + "\n");
  }
}

void DetectRun::Write() {
  std::string out;
  size_t file_width = 0, contents_width = 0, encoding_width = 0, size_width = 0;
  std::vector<std::string> sizes;
  for (const DetectRow &row : fRows) {
    sizes.push_back(textcore::StringToUTF8(textcore::ValueToByteStr(row.bytes)));
    size_width = std::max(size_width, sizes.back().size());
    file_width = std::max(file_width, textcore::DisplayCells(row.file));
    contents_width = std::max(contents_width, row.contents.size());
    encoding_width = std::max(encoding_width, row.encoding.size());
  }
  if (fOptions.format == OutputFormat::kTsv)
    out += "file\tcontents\tencoding\tbytes\tchecksum\till_formed\tfirst_ill_formed\n";
  if (fOptions.format == OutputFormat::kJson)
    out += "[";
  for (size_t i = 0; i < fRows.size(); ++i) {
    const DetectRow &row = fRows[i];
    const std::string checksum = textcore::StringToUTF8(textcore::IntToHex(row.checksum, 8));
    switch (fOptions.format) {
    case OutputFormat::kText:
      AppendEscaped(out, row.file, Escape::kFlat);
      out.append(2 + file_width - textcore::DisplayCells(row.file), ' ');
      out += row.contents + std::string(2 + contents_width - row.contents.size(), ' ');
      out += row.encoding + std::string(2 + encoding_width - row.encoding.size(), ' ');
      out += std::string(size_width - sizes[i].size(), ' ') + sizes[i] + "  " + checksum + "\n";
      break;
    case OutputFormat::kTsv:
      AppendEscaped(out, row.file, Escape::kTsv);
      out += "\t" + row.contents + "\t" + row.encoding + "\t" + std::to_string(row.bytes) + "\t" +
             checksum + "\t" + std::to_string(row.ill_formed) + "\t" +
             std::to_string(row.first_ill_formed) + "\n";
      break;
    case OutputFormat::kJson:
      out += i == 0 ? "\n{\"file\": \"" : ",\n{\"file\": \"";
      AppendEscaped(out, row.file, Escape::kJson);
      out += "\", \"contents\": \"" + row.contents + "\", \"encoding\": \"" + row.encoding +
             "\", \"bytes\": " + std::to_string(row.bytes) + ", \"checksum\": \"" + checksum +
             "\", \"ill_formed\": " + std::to_string(row.ill_formed) +
             ", \"first_ill_formed\": " + std::to_string(row.first_ill_formed) + "}";
      break;
    }
  }
  if (fOptions.format == OutputFormat::kJson)
    out += fRows.empty() ? "]\n" : "\n]\n";
  fStreams.out(out);
}

int DetectRun::Run() {
  textcore::TWideMasks masks;
  textcore::BuildAMask(masks, fOptions.mask);
  if (std::all_of(masks.begin(), masks.end(), [](const String &m) { return m.empty(); })) {
    fStreams.err("qmark detect: --mask names no file\n");
    return kBadUsage;
  }
  WalkOptions walk;
  walk.mask = fOptions.mask;
  walk.zips = false; // an archive is told as the file it is
  walk.archives_as_files = true;
  const std::vector<InputFile> files =
      ListInputFiles(fOptions.paths, walk, [this](const String &name, const std::string &reason) {
        Problem(name, reason);
      });
  if (fOptions.convert)
    fQuestions = std::make_unique<TerminalQuestions>(fStreams, fOptions.yes);
  for (const InputFile &file : files)
    Look(file);
  fQuestions.reset();
  Write();
  return fHadProblem ? kBadInput : kSuccess;
}

} // namespace

std::string_view DetectHelp() { return kHelp; }

int RunDetect(std::span<const std::string> args, const CommandStreams &streams) {
  return RunWithOptions<DetectOptions>(
      args, streams, "detect", kHelp, ParseDetectOptions,
      [&streams](const DetectOptions &options) { return DetectRun(options, streams).Run(); });
}

int RunDetectCommand(std::span<char *> args) {
  return RunOnStandardStreams(RunDetect, args, "detect");
}

} // namespace qmark
