// What an installed font family covers: its signature, and whether it has glyphs beyond its
// character set.
#pragma once

#include "fonts/font_signature.h"
#include "platform/strings.h"

#include <cstdint>

namespace unidisplay {

struct Tmy_font_info {
  FONTSIGNATURE font_signature;
  // The font has glyphs for characters that the code page of the charset asked for cannot
  // encode. Told from a fixed set of probe letters of other scripts, so a font whose extra
  // glyphs are all elsewhere is not caught.
  bool has_extra_glyphs = false;
};

// The signature of the family (its whole name, any case) and its extra glyphs against the code
// page of charset (CharsetToWindowsCodepage). All zero when the family is not installed (Qt would
// otherwise answer for the fallback font it picks instead) or there is no QGuiApplication with a
// screen.
Tmy_font_info FontInfoFromFontname(const textcore::String &family, uint8_t charset);

} // namespace unidisplay
