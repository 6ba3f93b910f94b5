// Colours of a text from the scheme.
#include "definitions/base_and_highlight_colours.h"

#include "platform/ui_services.h"

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

void ForceColoursToDiffer(int32_t &foreground, int32_t &background) {
  if (foreground != background)
    return;
  foreground = SystemColour(COLOR_WINDOWTEXT);
  background = SystemColour(COLOR_WINDOW);
}

void EnsureAllColoursAreOK() {
  for (TColourPair &pair : global_colours_and_typefaces.cor)
    ForceColoursToDiffer(pair.foreground, pair.background);
}

} // namespace textcore
