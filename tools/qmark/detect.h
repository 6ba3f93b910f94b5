// qmark detect: tells, for each file, what it holds and how the commands read it, and converts
// 8-bit texts to UTF-16 on request. The command line and the formats are in DetectHelp().
#pragma once

#include "tools/qmark/command_streams.h"

#include <span>
#include <string>
#include <string_view>

namespace qmark {

std::string_view DetectHelp();

// Runs the command on the arguments after "detect". Exit status: 0 when every file was read
// (and converted when asked), 1 when one could not be, 2 on bad usage.
int RunDetect(std::span<const std::string> args, const CommandStreams &streams);

// The same on the process's standard streams, for main().
int RunDetectCommand(std::span<char *> args);

} // namespace qmark
