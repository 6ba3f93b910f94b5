// qmark split and qmark join: a large file cut into numbered chunk files that fit small disks,
// and such a set joined back, over filekit's file chunker. The command lines and the output are
// in SplitHelp() and JoinHelp().
#pragma once

#include "tools/qmark/command_streams.h"

#include <span>
#include <string>
#include <string_view>

namespace qmark {

std::string_view SplitHelp();
std::string_view JoinHelp();

// Run the commands on the arguments after "split" or "join". Exit status: 0 on success, 1 when
// the file or set cannot be read or written (or an overwrite was refused), 2 on bad usage.
int RunSplit(std::span<const std::string> args, const CommandStreams &streams);
int RunJoin(std::span<const std::string> args, const CommandStreams &streams);

// The same on the process's standard streams, for main().
int RunSplitCommand(std::span<char *> args);
int RunJoinCommand(std::span<char *> args);

} // namespace qmark
