// qmark fonts: the installed font families of each character set, or the code pages and Unicode
// ranges of named families, over unidisplay's font information. The command line and the output
// are in FontsHelp().
#pragma once

#include "tools/qmark/command_streams.h"

#include <span>
#include <string>
#include <string_view>

namespace qmark {

std::string_view FontsHelp();

// Runs the command on the arguments after "fonts"; a QGuiApplication must exist (without one no
// font can be asked for: bad input). Exit status: 0 when all went well, 1 when a family named is
// not installed, 2 on bad usage.
int RunFonts(std::span<const std::string> args, const CommandStreams &streams);

// The same on the process's standard streams inside a QGuiApplication of its own (offscreen when
// there is no display), for main().
int RunFontsCommand(std::span<char *> args);

} // namespace qmark
