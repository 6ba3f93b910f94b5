// qmark files over filekit's TFileAndDirIterator.
#include "tools/qmark/files.h"

#include "filekit/file_and_dir_iterator.h"
#include "files/user_questions.h"
#include "platform/file_names.h"
#include "platform/file_ops.h"
#include "tools/qmark/exit_status.h"
#include "tools/qmark/option_parsing.h"
#include "tools/qmark/table_output.h"
#include "tools/qmark/terminal_questions.h"

#include <vector>

namespace qmark {

using textcore::String;

namespace {

constexpr std::string_view kHelp =
    R"(Usage: qmark files [options] HEAD

Lists the texts that a walk of the folder HEAD chooses, one full name a line, folder by folder
(HEAD first; with --subfolders every folder in the order of their names, case ignored), and can
save them as a favourites file, which qmark concord, wordlist, keywords and collocates read with
--favourites FILE. Zip members are listed as the archive's name, "/" and the member's.

Options:
  --subfolders     Walk every folder below HEAD too.
  --mask MASKS     File names to choose, ";" between masks (default *.txt); case is ignored.
  --exclude MASKS  Folders to leave out: a name ("old") at any depth, an absolute path once.
  --no-zips        List no zip members.
  --save FILE      Save the folders and their files as the favourites file FILE.
  --yes            Replace FILE without asking. Without it, and without a terminal to ask, an
                   existing FILE is left alone and nothing is saved.
  --format F       text (default), tsv or json.
  -h, --help       Show this help and exit.

Output: text gives the full names, one a line; tsv and json the columns file and bytes (a member's
size uncompressed). "N files in M folders" goes to standard error.

Exit status: 0 when the walk was listed (and saved), 1 when HEAD is no folder that can be read
or FILE cannot be written, 2 on bad usage.
)";

struct FilesOptions {
  bool help = false;
  bool subfolders = false;
  bool no_zips = false;
  bool yes = false;
  std::string mask = "*.txt";
  std::string exclude;
  std::string save;
  OutputFormat format = OutputFormat::kText;
  std::vector<std::string> heads;
};

bool ParseFilesOptions(std::span<const std::string> args, FilesOptions &options,
                       std::string &error) {
  const auto option = [&](const OptionArgument &typed, size_t &i) {
    if (typed.name == "--help" || typed.name == "-h")
      return TakeFlag(typed, options.help, error);
    if (typed.name == "--subfolders")
      return TakeFlag(typed, options.subfolders, error);
    if (typed.name == "--no-zips")
      return TakeFlag(typed, options.no_zips, error);
    if (typed.name == "--yes")
      return TakeFlag(typed, options.yes, error);
    if (typed.name == "--format") {
      std::string format;
      return TakeValue(args, i, typed.name, typed.inline_value, format, error) &&
             ParseFormat(format, options.format, error);
    }
    std::string *value = typed.name == "--mask"      ? &options.mask
                         : typed.name == "--exclude" ? &options.exclude
                         : typed.name == "--save"    ? &options.save
                                                     : nullptr;
    if (value == nullptr) {
      error = "unknown option '" + args[i] + "'";
      return false;
    }
    return TakeValue(args, i, typed.name, typed.inline_value, *value, error);
  };
  if (!WalkArguments(args, options.heads, option, error))
    return false;
  if (!options.help && options.heads.size() != 1)
    error = "one head folder is walked, " + std::to_string(options.heads.size()) + " given";
  return error.empty();
}

int Run(const FilesOptions &options, const CommandStreams &streams) {
  const String head = textcore::BytesToFileName(options.heads[0]);
  if (!textcore::DirectoryExists(head)) {
    streams.err("qmark files: no folder '" + options.heads[0] + "'\n");
    return kBadInput;
  }
  filekit::TFileAndDirIterator iterator(nullptr);
  iterator.HeadDir = textcore::ExpandFileName(head);
  iterator.IncludeSubFolders = options.subfolders;
  iterator.FileMask = textcore::UTF8ToString(options.mask);
  iterator.ZipMask = iterator.FileMask;
  iterator.SetExcludedDirs(textcore::UTF8ToString(options.exclude));
  iterator.ReadZipfiles = !options.no_zips;
  iterator.IterateFindingFiles();
  std::string out;
  Table table{{{u"file"}, {u"bytes", true}}, {}};
  iterator.OnProcessingAFile = [&](const String &name, const textcore::TMySearchRec &SR) {
    if (options.format != OutputFormat::kText) {
      table.rows.push_back({name, textcore::IntToStr(SR.Size)});
      return;
    }
    out += textcore::StringToUTF8(name) + "\n";
    if (out.size() > 1 << 16) {
      streams.out(out);
      out.clear();
    }
  };
  iterator.ProcessAllFilesFound();
  if (options.format != OutputFormat::kText)
    WriteTable(out, table, options.format);
  streams.out(out);
  const auto counted = [](int32_t n, const char *one, const char *many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
  };
  streams.err(counted(iterator.TotalFiles(), "file", "files") + " in " +
              counted(iterator.DirCount(), "folder", "folders") + "\n");
  if (options.save.empty())
    return kSuccess;
  iterator.Favourites = textcore::BytesToFileName(options.save);
  TerminalQuestions questions(streams, options.yes);
  if (!textcore::OKToOverwrite(iterator.Favourites)) {
    streams.err("qmark files: '" + options.save + "' is kept; nothing saved" +
                (questions.Unasked() ? " (no terminal to ask: --yes answers yes)" : "") + "\n");
    return kBadInput;
  }
  try {
    iterator.SaveFavourites();
  } catch (const std::exception &e) {
    streams.err("qmark files: " + std::string(e.what()) + "\n");
    return kBadInput;
  }
  return kSuccess;
}

} // namespace

std::string_view FilesHelp() { return kHelp; }

int RunFiles(std::span<const std::string> args, const CommandStreams &streams) {
  return RunWithOptions<FilesOptions>(
      args, streams, "files", kHelp, ParseFilesOptions,
      [&streams](const FilesOptions &options) { return Run(options, streams); });
}

int RunFilesCommand(std::span<char *> args) {
  return RunOnStandardStreams(RunFiles, args, "files");
}

} // namespace qmark
