// qmark compare: how far two files match, byte by byte or with line ends ignored, over filekit's
// file comparer. The command line and the output are in CompareHelp().
#pragma once

#include "tools/qmark/command_streams.h"

#include <span>
#include <string>
#include <string_view>

namespace qmark {

std::string_view CompareHelp();

// Runs the command on the arguments after "compare". Exit status: 0 when the contents match, 1
// when they differ or a file cannot be read, 2 on bad usage.
int RunCompare(std::span<const std::string> args, const CommandStreams &streams);

// The same on the process's standard streams, for main().
int RunCompareCommand(std::span<char *> args);

} // namespace qmark
