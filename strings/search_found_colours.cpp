// Search-word colours; see search_found_colours.h.
#include "strings/search_found_colours.h"

#include "colour/colour_utils.h"
#include "platform/ui_services.h"

#include <array>

namespace textcore {

namespace {

// Entries of the named colours.
constexpr int32_t kWhite = 4, kMaroon = 6, kVeryDarkGreen = 12, kNavy = 22, kVeryDarkBlue = 23,
                  kPurple = 28, kCream = 37;

struct TColourEntries {
  int32_t default_colour, highlight_colour, default_background, highlight_background;
};

constexpr std::array<TColourEntries, 5> kSearchWordColours = {{
    {kWhite, kVeryDarkGreen, kVeryDarkGreen, kWhite},
    {kCream, kVeryDarkBlue, kVeryDarkBlue, kCream},
    {kWhite, kWhite, kPurple, kPurple},
    {kCream, kMaroon, kMaroon, kCream},
    {kWhite, kNavy, kNavy, kWhite},
}};

// n mod 5, with a negative remainder taken as 4.
size_t RowOf(int32_t n) {
  const int32_t remainder = n % 5;
  return static_cast<size_t>(remainder < 0 ? 4 : remainder);
}

} // namespace

TMyCanvasColourRec SearchFoundColoursFromNumber(int32_t n) {
  const TColourEntries &entries = kSearchWordColours[RowOf(n)];
  TMyCanvasColourRec colours;
  colours.default_colour = NamedColourOf(entries.default_colour);
  colours.highlight_colour = NamedColourOf(entries.highlight_colour);
  colours.default_background = NamedColourOf(entries.default_background);
  colours.highlight_background = NamedColourOf(entries.highlight_background);
  return colours;
}

TColourRecAndFontStyle SearchFoundColoursAndFontStyleFromNumber(int32_t n) {
  return TColourRecAndFontStyle{SearchFoundColoursFromNumber(n), typeface_set_type{bold}};
}

int32_t TextColourFromNumber(int32_t n) {
  const int32_t remainder = n % 5;
  if (remainder <= 0)
    return SystemColour(COLOR_WINDOWTEXT);
  static constexpr std::array<TQMcolourset, 4> kRoles = {searchwordcolour, mainsortcolour,
                                                         secondsortcolour, contextwordcolour};
  return global_colours_and_typefaces.cor[kRoles[static_cast<size_t>(remainder) - 1]].foreground;
}

} // namespace textcore
