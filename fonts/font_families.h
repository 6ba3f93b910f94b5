// The installed font families by character set: GetAllFontCharsets fills the font lists of
// charsetinfo (fonts/charsets.h) from a source of font families, which is Qt's font database
// unless a caller (a test) puts another in its place.
#pragma once

#include "platform/strings.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace unidisplay {

constexpr int32_t RASTER_FONTTYPE = 1;
constexpr int32_t TRUETYPE_FONTTYPE = 4;

// One installed family as a source reports it: its face name, the charset numbers it offers and
// its font type.
struct TFontFamilyReport {
  textcore::String face_name;
  std::vector<uint8_t> charsets;
  int32_t font_type = TRUETYPE_FONTTYPE;
};

// Every installed family, or nothing when fonts cannot be asked for (no screen).
using TFontFamilySource = std::function<std::optional<std::vector<TFontFamilyReport>>()>;

// Makes source the one GetAllFontCharsets asks (an empty one: Qt's again); gives the previous.
TFontFamilySource SetFontFamilySource(TFontFamilySource source);

// Qt's families: nothing without a QGuiApplication with a screen. The charsets are those of the
// code pages of the family's signature (fonts/qt_font_signature.h); the type is TrueType for a
// smoothly scalable family, raster otherwise. Qt's private (system interface) families are left
// out.
std::optional<std::vector<TFontFamilyReport>> QtFontFamilies();

// Clears every entry's fonts and adds each family reported to the entries of its charsets
// (CharsetTypeFromCharsetByte: an unknown number lands in ANSI_CHARS), sorted, each name once,
// its font type in the object slot, and marks those entries installed. A vertical-writing face
// (its name starting with "@") is passed over. When the source has nothing (no screen) the lists
// stay as they were. installed is never cleared.
void GetAllFontCharsets();

} // namespace unidisplay
