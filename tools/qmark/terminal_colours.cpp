// Colour escapes for a terminal.
#include "tools/qmark/terminal_colours.h"

#include "colour/colour_utils.h"
#include "platform/ui_services.h"

#include <tuple>

namespace qmark {

bool ParseColourWhen(const std::string &value, ColourWhen &when, std::string &error) {
  if (value == "auto")
    when = ColourWhen::kAuto;
  else if (value == "always")
    when = ColourWhen::kAlways;
  else if (value == "never")
    when = ColourWhen::kNever;
  else {
    error = "--colour is auto, always or never, not '" + value + "'";
    return false;
  }
  return true;
}

bool ShowColours(ColourWhen when, const CommandStreams &streams) {
  return when == ColourWhen::kAlways || (when == ColourWhen::kAuto && streams.out_is_terminal);
}

std::string SgrStart(int32_t foreground, int32_t background, textcore::typeface_set_type typeface) {
  std::string sgr = "\x1b[0";
  for (textcore::typeface_type member :
       {textcore::bold, textcore::italics, textcore::underline, textcore::strikeout})
    if (typeface.Contains(member))
      sgr += member == textcore::bold        ? ";1"
             : member == textcore::italics   ? ";3"
             : member == textcore::underline ? ";4"
                                             : ";9";
  for (const auto &[lead, colour, window] :
       {std::tuple{"38", foreground, textcore::COLOR_WINDOWTEXT},
        std::tuple{"48", background, textcore::COLOR_WINDOW}}) {
    const int32_t rgb = textcore::MyColourToRGB(colour);
    if (rgb == textcore::SystemColour(window))
      continue;
    sgr += std::string(";") + lead + ";2;" + std::to_string(rgb & 0xFF) + ";" +
           std::to_string(rgb >> 8 & 0xFF) + ";" + std::to_string(rgb >> 16 & 0xFF);
  }
  return sgr + "m";
}

} // namespace qmark
