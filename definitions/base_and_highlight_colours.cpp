// Colours of a text from the scheme.
#include "definitions/base_and_highlight_colours.h"

namespace textcore {

namespace {

TColourPair PairOf(const colour_and_typeface_rec &scheme, TQMcolourset role) {
  return role < qm_colour_roles ? scheme.cor[role] : TColourPair{};
}

} // namespace

TMyCanvasColourRec GetBaseandHighlightColours(const colour_and_typeface_rec &scheme,
                                              TQMcolourset base, TQMcolourset highlight) {
  const TColourPair b = PairOf(scheme, base);
  const TColourPair h = PairOf(scheme, highlight);
  TMyCanvasColourRec colours;
  colours.default_colour = b.foreground;
  colours.default_background = b.background;
  colours.highlight_colour = h.foreground;
  colours.highlight_background = h.background;
  return colours;
}

} // namespace textcore
