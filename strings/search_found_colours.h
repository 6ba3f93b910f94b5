// The colours that tell several search words apart on screen: the n-th search word's hits are
// drawn in the n-th of five colour pairs from the named colours, or in the scheme's colour of a
// display role.
#pragma once

#include "colour/colour_scheme.h"
#include "search/canvas_colour_rec.h"

#include <cstdint>

namespace textcore {

struct TColourRecAndFontStyle {
  TMyCanvasColourRec colours;
  typeface_set_type fntstyle;
};

// By n mod 5, from the named colours as they are now: 0 white on very dark green, 1 cream on
// very dark blue, 2 white on purple, 3 cream on maroon, 4 and negative remainders white on navy;
// the highlight pair swaps text and background (but for 2, whose highlight is white on purple).
TMyCanvasColourRec SearchFoundColoursFromNumber(int32_t n);
// The same colours, in bold.
TColourRecAndFontStyle SearchFoundColoursAndFontStyleFromNumber(int32_t n);

// By n mod 5, the text colour of a role of global_colours_and_typefaces: 1 the search word's,
// 2 the main sort's, 3 the second sort's, 4 the context word's; 0 and negative remainders the
// system's window-text colour.
int32_t TextColourFromNumber(int32_t n);

} // namespace textcore
