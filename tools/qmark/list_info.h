// qmark list-info: tells, for each file, which kind of saved list it is, by its header (current
// or old) or as a batch archive of lists. The command line and the formats are in
// ListInfoHelp().
#pragma once

#include "tools/qmark/command_streams.h"

#include <span>
#include <string>
#include <string_view>

namespace qmark {

std::string_view ListInfoHelp();

// Runs the command on the arguments after "list-info". Exit status: 0 when every file was read
// (whether or not it is a list), 1 when one could not be, 2 on bad usage.
int RunListInfo(std::span<const std::string> args, const CommandStreams &streams);

// The same on the process's standard streams, for main().
int RunListInfoCommand(std::span<char *> args);

} // namespace qmark
