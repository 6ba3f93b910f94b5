// qmark split and qmark join over filekit's TFileChunker.
#include "tools/qmark/chunk_files.h"

#include "filekit/file_chunker.h"
#include "platform/dir_search.h"
#include "platform/file_names.h"
#include "platform/file_ops.h"
#include "platform/safe_file_writer.h"
#include "platform/ui_services.h"
#include "platform/zip_archive.h"
#include "tools/qmark/exit_status.h"
#include "tools/qmark/option_parsing.h"
#include "tools/qmark/table_output.h"
#include "tools/qmark/terminal_questions.h"

#include <memory>
#include <vector>

namespace qmark {

using textcore::String;

namespace {

constexpr std::string_view kSplitHelp =
    R"(Usage: qmark split [options] FILE

Cuts FILE into numbered chunk files, "chunk 1 of N.tmp" to "chunk N of N.tmp", each SIZE bytes
but the last, so that it can be carried on small disks; qmark join puts them together again.
The first chunk records the file's name, last-write time and whether it was read-only; every
chunk records its number and a checksum of its last 61,440-byte block.

Options:
  --size N    The size of each chunk file in bytes (default 1400000); it must be larger than the
              first chunk's header, which is the length of FILE's full path plus 32 bytes. A set
              has at most 100000 chunks.
  --to DIR    The folder that receives the chunk files (default: the current folder). It must
              exist: no folder is made.
  --zip       Compress FILE first (a zip archive of one member) and cut the archive.
  --yes       Overwrite chunk files already in DIR without asking. Without it, and without a
              terminal to ask, a folder holding chunk files is left alone.
  --format F  text (default), tsv or json.
  -h, --help  Show this help and exit.

When DIR runs short of space on a removable disk, you are asked on the terminal whether to delete
the plain files directly in DIR (never FILE, never the chunks of this set, hidden files or
folders); --yes never answers that question, and without a terminal the answer is no.

Output: text gives the name of each chunk file, one a line, as it is written; tsv and json, once
all are written, the columns file, number, out_of and bytes (the chunk file's size). On failure
the chunk files written by the run are removed.

Exit status: 0 when every chunk was written, 1 when FILE cannot be split or a chunk cannot be
written, 2 on bad usage.
)";

constexpr std::string_view kJoinHelp =
    R"(Usage: qmark join [options] "DIR/chunk 1 of N.tmp"

Joins a set of chunk files made by qmark split (or by the suite's chunker) into the file they
were cut from, in the folder given by --to, under the file name the first chunk records (its
folder is ignored). Every chunk's number and checksum are checked; the file keeps the recorded
last-write time, and is read-only if the source was. A set made with --zip is unpacked: the
file is the archive's one member, written under the recorded name whatever path the member has.

Options:
  --to DIR          The folder that receives the file (default: the current folder). It must
                    exist: no folder is made.
  --delete-chunks   Delete the chunk files once the whole set was joined and checked.
  --yes             Replace a file of that name without asking (a copy is kept with the
                    extension ".bak"). Without it, and without a terminal to ask, the file is
                    left alone and the join fails.
  --format F        text (default), tsv or json.
  -h, --help        Show this help and exit.

A chunk that fails its checks ends the join: an existing file of that name is kept as it was;
where there was none, the chunks that passed are left in it.

Output: text gives the name of the joined file; tsv and json the columns file, chunks and bytes.

Exit status: 0 when the whole set was joined, 1 when a chunk is missing or damaged, the first
chunk names no file that may be written, or the file may not be replaced, 2 on bad usage.
)";

struct ChunkOptions {
  bool help = false;
  bool zip = false;
  bool yes = false;
  bool delete_chunks = false;
  int64_t size = filekit::TFileChunker::kDefaultChunkSize;
  std::string to = ".";
  OutputFormat format = OutputFormat::kText;
  std::vector<std::string> files;
};

// The options of both commands; split takes --size and --zip, join --delete-chunks.
bool ParseChunkOptions(std::span<const std::string> args, bool split, ChunkOptions &options,
                       std::string &error) {
  const auto option = [&](const OptionArgument &typed, size_t &i) {
    if (typed.name == "--help" || typed.name == "-h")
      return TakeFlag(typed, options.help, error);
    if (typed.name == "--yes")
      return TakeFlag(typed, options.yes, error);
    if (split && typed.name == "--zip")
      return TakeFlag(typed, options.zip, error);
    if (!split && typed.name == "--delete-chunks")
      return TakeFlag(typed, options.delete_chunks, error);
    std::string value;
    if (typed.name == "--to")
      return TakeValue(args, i, typed.name, typed.inline_value, options.to, error);
    if (typed.name == "--format")
      return TakeValue(args, i, typed.name, typed.inline_value, value, error) &&
             ParseFormat(value, options.format, error);
    if (split && typed.name == "--size")
      return TakeValue(args, i, typed.name, typed.inline_value, value, error) &&
             ParseWholeNumber(value, typed.name, 1, INT32_MAX, options.size, error);
    error = "unknown option '" + args[i] + "'";
    return false;
  };
  if (!WalkArguments(args, options.files, option, error))
    return false;
  if (options.help)
    return true;
  if (options.files.size() != 1)
    error = std::string(split ? "one file is split, " : "one first chunk is joined, ") +
            std::to_string(options.files.size()) + " given";
  return error.empty();
}

int64_t FileSizeOf(const String &name) {
  textcore::TDirEntry entry;
  return textcore::EntryOfPath(name, entry) ? entry.Size : 0;
}

// The note for a question nobody could answer.
std::string Unasked(const TerminalQuestions &questions) {
  return questions.Unasked() ? " (no terminal to ask: --yes answers yes)" : "";
}

bool FolderMissing(const std::string &folder, const char *command, const CommandStreams &streams) {
  if (textcore::DirectoryExists(textcore::BytesToFileName(folder)))
    return false;
  streams.err(std::string("qmark ") + command + ": no folder '" + folder + "' (none is made)\n");
  return true;
}

// Chunk files in folder already, of any set: true when there are none or the user lets them be
// overwritten.
bool MayWriteChunks(const String &folder, const std::string &shown) {
  int error = 0;
  const std::vector<textcore::TDirEntry> found =
      textcore::ListDirectory(folder, u"chunk * of *.tmp", 0, error);
  if (found.empty())
    return true;
  textcore::TMessageBoxRequest request;
  request.caption = u"Split";
  request.text = textcore::UTF8ToString("Overwrite the chunk files in '" + shown + "' (" +
                                        textcore::StringToUTF8(found.front().Name) +
                                        (found.size() > 1 ? " and others" : "") + ")?");
  request.kind = textcore::mtConfirmation;
  request.buttons = textcore::TMsgDlgButtons{textcore::mbYes, textcore::mbNo};
  request.default_button = textcore::mbNo;
  request.destroys_data = true;
  return textcore::ShowMessageBox(request) == textcore::mrYes;
}

int Split(const ChunkOptions &options, const CommandStreams &streams) {
  const std::string &file = options.files[0];
  if (FolderMissing(options.to, "split", streams))
    return kBadInput;
  const String folder = textcore::BytesToFileName(options.to);
  {
    TerminalQuestions questions(streams, options.yes);
    if (!MayWriteChunks(folder, options.to)) {
      streams.err("qmark split: '" + options.to + "' holds chunk files already; nothing split" +
                  Unasked(questions) + "\n");
      return kBadInput;
    }
  }
  filekit::TFileChunker chunker(nullptr);
  chunker.SetSourcename(textcore::BytesToFileName(file));
  chunker.SetChunkSize(static_cast<int32_t>(options.size));
  chunker.SetDirCreating(folder);
  chunker.SetZipToo(options.zip);
  if (options.zip)
    chunker.SetDirWorking(textcore::SuiteTempFolder());
  std::vector<String> written;
  Table table{{{u"file"}, {u"number", true}, {u"out_of", true}, {u"bytes", true}}, {}};
  chunker.SetOnChunkMade([&](const String &name, int32_t number, int32_t out_of) {
    written.push_back(name);
    if (options.format == OutputFormat::kText)
      streams.out(textcore::StringToUTF8(name) + "\n");
    else
      table.rows.push_back({name, textcore::IntToStr(number), textcore::IntToStr(out_of),
                            textcore::IntToStr(FileSizeOf(name))});
    if (streams.show_progress)
      streams.err("\r\x1b[Kqmark split: " + std::to_string(number) + " of " +
                  std::to_string(out_of));
  });
  // Deleting files for room is asked on the terminal alone: --yes does not answer it.
  TerminalQuestions questions(streams, false);
  std::string failure;
  try {
    if (chunker.MakeChunkFiles() == 0)
      failure = textcore::StringToUTF8(chunker.Refusal());
  } catch (const std::exception &e) {
    failure = e.what();
  }
  if (streams.show_progress)
    streams.err("\r\x1b[K");
  if (failure.empty()) {
    if (options.format != OutputFormat::kText) {
      std::string out;
      WriteTable(out, table, options.format);
      streams.out(out);
    }
    return kSuccess;
  }
  for (const String &name : written)
    textcore::DeleteFile(name);
  streams.err("qmark split: cannot split '" + file + "': " + failure +
              (written.empty() ? "" : "; the chunk files written are removed") + "\n");
  return kBadInput;
}

// The joined archive of a zipped set, replaced by its one member; the recorded date and
// read-only attribute carry over.
std::string Unpack(const filekit::TFileChunker &chunker) {
  const String &name = chunker.RestoredName();
  textcore::TZipArchive archive;
  archive.OpenArchive(name);
  textcore::TZipEntry entry;
  if (archive.GetEntryCount() != 1 || !archive.ReadEntry(0, entry) || entry.IsDirectory())
    return "the joined archive holds " + std::to_string(archive.GetEntryCount()) +
           " members, not one file";
  // The archive is replaced through a sibling, which a read-only file refuses.
  textcore::FileSetAttr(name, 0);
  std::string failure;
  try {
    textcore::TSafeFileWriter output(name);
    archive.ExtractToStream(0, output);
    output.Commit();
    textcore::SetFileLastWriteTime(name, chunker.SourceDate());
  } catch (const std::exception &e) {
    failure = e.what();
  }
  textcore::FileSetAttr(name, chunker.SourceAttributes());
  return failure;
}

int Join(const ChunkOptions &options, const CommandStreams &streams) {
  const std::string &first = options.files[0];
  if (FolderMissing(options.to, "join", streams))
    return kBadInput;
  filekit::TFileChunker chunker(nullptr);
  chunker.SetSourcename(textcore::BytesToFileName(first));
  chunker.SetDirRestoring(textcore::BytesToFileName(options.to));
  chunker.SetDeleteAfterRestore(options.delete_chunks);
  if (streams.show_progress)
    chunker.SetOnRestoreOne([&](const String &, int32_t number, int32_t out_of) {
      streams.err("\r\x1b[Kqmark join: " + std::to_string(number) + " of " +
                  std::to_string(out_of));
    });
  TerminalQuestions questions(streams, options.yes);
  std::string failure;
  try {
    if (!chunker.RestoreAllChunks())
      failure = textcore::StringToUTF8(chunker.Refusal()) + Unasked(questions);
    else if (chunker.ZipToo())
      if (const std::string unpacked = Unpack(chunker); !unpacked.empty())
        failure =
            unpacked + "; it is kept as '" + textcore::StringToUTF8(chunker.RestoredName()) + "'";
  } catch (const std::exception &e) {
    failure = e.what();
  }
  if (streams.show_progress)
    streams.err("\r\x1b[K");
  if (!failure.empty()) {
    streams.err("qmark join: cannot join '" + first + "': " + failure + "\n");
    return kBadInput;
  }
  if (options.format == OutputFormat::kText) {
    streams.out(textcore::StringToUTF8(chunker.RestoredName()) + "\n");
    return kSuccess;
  }
  std::string out;
  WriteTable(out,
             Table{{{u"file"}, {u"chunks", true}, {u"bytes", true}},
                   {{chunker.RestoredName(), textcore::IntToStr(chunker.ChunkCount()),
                     textcore::IntToStr(FileSizeOf(chunker.RestoredName()))}}},
             options.format);
  streams.out(out);
  return kSuccess;
}

} // namespace

std::string_view SplitHelp() { return kSplitHelp; }
std::string_view JoinHelp() { return kJoinHelp; }

int RunSplit(std::span<const std::string> args, const CommandStreams &streams) {
  return RunWithOptions<ChunkOptions>(
      args, streams, "split", kSplitHelp,
      [](auto args, ChunkOptions &options, std::string &error) {
        return ParseChunkOptions(args, true, options, error);
      },
      [&streams](const ChunkOptions &options) { return Split(options, streams); });
}

int RunJoin(std::span<const std::string> args, const CommandStreams &streams) {
  return RunWithOptions<ChunkOptions>(
      args, streams, "join", kJoinHelp,
      [](auto args, ChunkOptions &options, std::string &error) {
        return ParseChunkOptions(args, false, options, error);
      },
      [&streams](const ChunkOptions &options) { return Join(options, streams); });
}

int RunSplitCommand(std::span<char *> args) {
  return RunOnStandardStreams(RunSplit, args, "split");
}
int RunJoinCommand(std::span<char *> args) { return RunOnStandardStreams(RunJoin, args, "join"); }

} // namespace qmark
