// qmark concord: searches text files for a list of search words and writes every hit in its
// context, sorted by up to three keys. The command line and the formats are in ConcordHelp().
#pragma once

#include "tools/qmark/command_streams.h"

#include <span>
#include <string>

namespace qmark {

// Runs the command on the arguments after "concord". Exit status: 0 when all went well (with or
// without hits), 1 when a file or folder could not be read, 2 on bad usage.
int RunConcord(std::span<const std::string> args, const CommandStreams &streams);

// The same on the process's standard output and error, for main().
int RunConcordCommand(std::span<char *> args);

} // namespace qmark
