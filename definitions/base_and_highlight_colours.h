// The four colours a piece of text is drawn in, taken from two roles of a colour scheme; and
// keeping every role's text visible against its background.
#pragma once

#include "colour/colour_scheme.h"
#include "search/canvas_colour_rec.h"

namespace textcore {

// The base role's foreground and background as the default pair, the highlight role's as the
// highlight pair. A role beyond the enumeration gives zero colours for its pair.
TMyCanvasColourRec GetBaseandHighlightColours(const colour_and_typeface_rec &scheme,
                                              TQMcolourset base, TQMcolourset highlight);

// When foreground and background are the same colour, they become the system's window-text and
// window colours (as those resolve now).
void ForceColoursToDiffer(int32_t &foreground, int32_t &background);

// ForceColoursToDiffer on every role of global_colours_and_typefaces.
void EnsureAllColoursAreOK();

} // namespace textcore
