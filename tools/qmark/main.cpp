// qmark: drives the Quillmark libraries end to end, the way a tool program of the suite does.
//
// Each sub-command is one entry of kCommands; "qmark <command> --help" is handled by the command
// itself. Exit status: 0 on success, 1 on bad input, 2 on bad usage.
#include "platform/strings.h"
#include "platform/version.h"
#include "tools/qmark/chunk_files.h"
#include "tools/qmark/collocates.h"
#include "tools/qmark/colours.h"
#include "tools/qmark/compare.h"
#include "tools/qmark/concord.h"
#include "tools/qmark/detect.h"
#include "tools/qmark/dialogs.h"
#include "tools/qmark/exit_status.h"
#include "tools/qmark/files.h"
#include "tools/qmark/fonts.h"
#include "tools/qmark/keywords.h"
#include "tools/qmark/list_info.h"
#include "tools/qmark/wordlist.h"

#include <cstdio>
#include <span>
#include <string>
#include <string_view>

namespace {

using qmark::kBadUsage;
using qmark::kSuccess;

struct Command {
  std::string_view name;
  std::string_view summary;
  int (*run)(std::span<char *> args);
};

int RunHelp(std::span<char *> args);

constexpr Command kCommands[] = {
    {"collocates", "Find the words near a node and how strongly each goes with it.",
     qmark::RunCollocatesCommand},
    {"colours", "Print the colour scheme of the display roles; read one back.",
     qmark::RunColoursCommand},
    {"compare", "Tell how far two files match, with line ends ignored or not.",
     qmark::RunCompareCommand},
    {"concord", "Search texts and show every hit in its context, sorted.",
     qmark::RunConcordCommand},
    {"detect", "Tell what each file holds and how it is read; convert 8-bit texts.",
     qmark::RunDetectCommand},
    {"dialogs", "Show every message dialog of the suite, as text or as pictures.",
     qmark::RunDialogsCommand},
    {"files", "List the texts a walk of a folder chooses; save them as favourites.",
     qmark::RunFilesCommand},
    {"fonts", "List the font families of each character set; tell a font's coverage.",
     qmark::RunFontsCommand},
    {"join", "Join a set of chunk files back into the file they were cut from.",
     qmark::RunJoinCommand},
    {"keywords", "Find the key words of texts against a reference corpus.",
     qmark::RunKeywordsCommand},
    {"list-info", "Tell which kind of saved list each file is, and how it was saved.",
     qmark::RunListInfoCommand},
    {"split", "Cut a file into numbered chunk files of a fixed size.", qmark::RunSplitCommand},
    {"wordlist", "Count every word type of a set of texts.", qmark::RunWordlistCommand},
    {"help", "Show this help, or the help of one command.", RunHelp},
};

const Command *FindCommand(std::string_view name) {
  for (const Command &command : kCommands)
    if (command.name == name)
      return &command;
  return nullptr;
}

void PrintUsage(std::FILE *out) {
  std::fputs("Usage: qmark <command> [options] [arguments]\n"
             "       qmark --help | --version\n"
             "\n"
             "Drives the Quillmark runtime libraries the way a tool of the suite does.\n"
             "\n"
             "Commands:\n",
             out);
  for (const Command &command : kCommands)
    std::fprintf(out, "  %-10.*s %.*s\n", static_cast<int>(command.name.size()),
                 command.name.data(), static_cast<int>(command.summary.size()),
                 command.summary.data());
  std::fputs("\n"
             "Options:\n"
             "  -h, --help  Show this help and exit.\n"
             "  --version   Show the version of the runtime and exit.\n"
             "\n"
             "Run 'qmark <command> --help' for the options of a command.\n"
             "Exit status: 0 on success, 1 on bad input (and for compare, files that differ),\n"
             "2 on bad usage.\n",
             out);
}

int RunHelp(std::span<char *> args) {
  if (args.empty()) {
    PrintUsage(stdout);
    return kSuccess;
  }
  std::string_view name = args[0];
  if (name == "help" || name == "--help" || name == "-h") {
    std::puts("Usage: qmark help [command]\n\nShows the help of qmark, or of one command.");
    return kSuccess;
  }
  const Command *command = FindCommand(name);
  if (command == nullptr) {
    std::fprintf(stderr, "qmark: unknown command '%s'; run 'qmark --help' for the list\n", args[0]);
    return kBadUsage;
  }
  char help_flag[] = "--help";
  char *help_args[] = {help_flag};
  return command->run(std::span<char *>(help_args));
}

} // namespace

int main(int argc, char **argv) {
  std::span<char *> args(argv + 1, static_cast<size_t>(argc > 0 ? argc - 1 : 0));
  if (args.empty()) {
    PrintUsage(stderr);
    return kBadUsage;
  }
  std::string_view first = args[0];
  if (first == "--help" || first == "-h") {
    PrintUsage(stdout);
    return kSuccess;
  }
  if (first == "--version") {
    std::printf("qmark %s\n", textcore::StringToUTF8(textcore::QuillmarkVersion()).c_str());
    return kSuccess;
  }
  const Command *command = FindCommand(first);
  if (command == nullptr) {
    std::fprintf(stderr, "qmark: unknown command '%s'; run 'qmark --help' for the list\n", args[0]);
    return kBadUsage;
  }
  return command->run(args.subspan(1));
}
