// The four colours a piece of text is drawn in, taken from two roles of a colour scheme.
#pragma once

#include "colour/colour_scheme.h"
#include "search/canvas_colour_rec.h"

namespace textcore {

// The base role's foreground and background as the default pair, the highlight role's as the
// highlight pair. A role beyond the enumeration gives zero colours for its pair.
TMyCanvasColourRec GetBaseandHighlightColours(const colour_and_typeface_rec &scheme,
                                              TQMcolourset base, TQMcolourset highlight);

} // namespace textcore
