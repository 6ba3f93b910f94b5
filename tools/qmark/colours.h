// qmark colours: the colour scheme of the display roles as settings text, and the reading of such
// text back (qmark concord --scheme).
#pragma once

#include "colour/colour_scheme.h"
#include "tools/qmark/command_streams.h"

#include <span>
#include <string>

namespace qmark {

// The scheme as a settings file: "[Colours]", then "ROLE=TEXT" for each named role, TEXT as
// TranslateFromColour writes it.
std::string ColourSchemeText(const textcore::colour_and_typeface_rec &scheme);

// Reads such a file (UTF-8) into scheme: each role it names takes its text, the others keep
// theirs. False, with the reason, when the file cannot be read, has no [Colours] section, or
// names something that is no role; scheme is then left as it was.
bool ReadColourScheme(const std::string &path, textcore::colour_and_typeface_rec &scheme,
                      std::string &error);

// Runs the command on the arguments after "colours". Exit status: 0 when all went well, 1 when
// the scheme file could not be read, 2 on bad usage.
int RunColours(std::span<const std::string> args, const CommandStreams &streams);

// The same on the process's standard output and error, for main().
int RunColoursCommand(std::span<char *> args);

} // namespace qmark
