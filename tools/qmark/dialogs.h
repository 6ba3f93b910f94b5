// qmark dialogs: the suite's message dialogs as a tool shows them, each with stand-in arguments,
// printed or drawn as pictures, in the built-in texts or a translation's. The command line and
// the output are in DialogsHelp().
#pragma once

#include "tools/qmark/command_streams.h"

#include <span>
#include <string>
#include <string_view>

namespace qmark {

std::string_view DialogsHelp();

// Runs the command on the arguments after "dialogs"; a QApplication must exist (without one no
// dialog can be drawn: bad input). Exit status: 0 when all went well, 1 when a NAME is not in the
// catalogue, the translation cannot be read or refuses a line, or a picture cannot be written
// (the other dialogs are still shown), 2 on bad usage.
int RunDialogs(std::span<const std::string> args, const CommandStreams &streams);

// The same on the process's standard streams inside a QApplication of its own, always offscreen,
// for main().
int RunDialogsCommand(std::span<char *> args);

} // namespace qmark
