// qmark files: the texts a walk of a head folder chooses, listed, and saved as a favourites file
// that the commands reading texts take with --favourites; over filekit's file-and-folder iterator.
// The command line and the output are in FilesHelp().
#pragma once

#include "tools/qmark/command_streams.h"

#include <span>
#include <string>
#include <string_view>

namespace qmark {

std::string_view FilesHelp();

// Runs the command on the arguments after "files". Exit status: 0 when the walk was listed (and
// saved), 1 when the head folder cannot be read or the favourites file written, 2 on bad usage.
int RunFiles(std::span<const std::string> args, const CommandStreams &streams);

// The same on the process's standard streams, for main().
int RunFilesCommand(std::span<char *> args);

} // namespace qmark
