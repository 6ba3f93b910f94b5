// qmark collocates: the words found near a node within a span, with how strongly each is
// associated with it.
#pragma once

#include "tools/qmark/command_streams.h"

#include <span>
#include <string>

namespace qmark {

// Runs the command on the arguments after "collocates". Exit status: 0 when all went well (with or
// without collocates), 1 when a file could not be read or the texts have no words, 2 on bad usage.
int RunCollocates(std::span<const std::string> args, const CommandStreams &streams);

// The same on the process's standard output and error, for main().
int RunCollocatesCommand(std::span<char *> args);

} // namespace qmark
