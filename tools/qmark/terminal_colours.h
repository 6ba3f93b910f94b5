// Colours on a terminal: when a command shows them, and the escape sequences (24-bit colour and
// the typeface members a terminal has) that draw text in a display role's colours.
#pragma once

#include "colour/colour_scheme.h"
#include "tools/qmark/command_streams.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace qmark {

enum class ColourWhen : uint8_t { kAuto, kAlways, kNever };

// "auto", "always" or "never" into when; false, with the reason, for anything else.
bool ParseColourWhen(const std::string &value, ColourWhen &when, std::string &error);
// Whether to colour: always, never, or (auto) when the output goes to a terminal.
bool ShowColours(ColourWhen when, const CommandStreams &streams);

// The sequence that starts text in the foreground and background colours (system colours
// resolved) and the typeface: bold, italics, underline and strikeout. On a terminal the system's
// window-text and window colours are the terminal's own: a colour equal to them is left to it, so
// that the default scheme keeps a dark terminal dark.
std::string SgrStart(int32_t foreground, int32_t background, textcore::typeface_set_type typeface);
// Back to the terminal's own colours.
constexpr std::string_view kSgrReset = "\x1b[0m";

} // namespace qmark
