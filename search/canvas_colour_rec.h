// The four colours of a piece of text on a canvas: its text and background, plain and
// highlighted. Stored whole inside language and font records, so its layout is fixed.
#pragma once

#include <cstddef>
#include <cstdint>

namespace textcore {

// Colours are the system's 32-bit values, red in the lowest byte.
struct TMyCanvasColourRec {
  int32_t default_colour = 0;
  int32_t highlight_colour = 0;
  int32_t default_background = 0;
  int32_t highlight_background = 0;
};

static_assert(sizeof(TMyCanvasColourRec) == 16);
static_assert(offsetof(TMyCanvasColourRec, highlight_background) == 12);

} // namespace textcore
