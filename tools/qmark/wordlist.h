// qmark wordlist: every word type of a set of texts with its frequency, its share of the running
// words, and the number of texts it occurs in.
#pragma once

#include "tools/qmark/command_streams.h"

#include <span>
#include <string>

namespace qmark {

// Runs the command on the arguments after "wordlist". Exit status: 0 when all went well, 1 when a
// file or folder could not be read, 2 on bad usage.
int RunWordlist(std::span<const std::string> args, const CommandStreams &streams);

// The same on the process's standard output and error, for main().
int RunWordlistCommand(std::span<char *> args);

} // namespace qmark
