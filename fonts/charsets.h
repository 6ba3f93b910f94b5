// The platform's 8-bit character sets (the one-byte charset numbers that a language's font record
// stores): which one belongs to a locale or a code page, their code pages, and the table of the
// fifteen sets with the installed font families that offer each (filled by GetAllFontCharsets,
// fonts/font_families.h).
#pragma once

#include "platform/nls_locale_ids.h"
#include "platform/string_list.h"
#include "platform/strings.h"

#include <array>
#include <cstdint>

namespace unidisplay {

enum charsets_set : uint8_t {
  VIETNAMESE_CHARS,
  JOHAB_CHARS,
  HANGEUL_CHARS,
  CHINESEBIG5_CHARS,
  GB2312_CHARS,
  SHIFTJIS_CHARS,
  ARABIC_CHARS,
  GREEK_CHARS,
  RUSSIAN_CHARS,
  EASTEUROPE_CHARS,
  BALTIC_CHARS,
  TURKISH_CHARS,
  HEBREW_CHARS,
  THAI_CHARS,
  ANSI_CHARS, // also where an unknown locale, code page or charset number falls
};
constexpr int32_t kCharsetsSetCount = ANSI_CHARS + 1;

struct charset_info {
  textcore::String name;
  // The font families offering the set, sorted, each once, with its font type (4 scalable, 1
  // bitmap only) in the object slot (textcore::ObjectAsInteger). Owned by this module; it exists
  // while the library is loaded.
  textcore::TStringList *fonts = nullptr;
  uint8_t n = 0;          // the platform's charset number
  bool installed = false; // some family has offered the set since the process started
};

// Indexed by charsets_set.
extern std::array<charset_info, kCharsetsSetCount> charsetinfo;

// The charset of a locale's language. Every Chinese locale gives Big 5 (136), the PRC's 2052
// included, and Korean gives Johab (130), not Hangeul (129): language records store these
// numbers, so they stay.
uint8_t CharsetByteFromLCID(textcore::LCID lcid);
// The code page of a charset number; 1252 for any number outside the table.
uint32_t CharsetToWindowsCodepage(uint32_t charset);
charsets_set CharsetTypeFromCodepage(uint32_t code_page);
charsets_set CharsetTypeFromCharsetByte(uint8_t charset);
uint8_t CharsetByteFromCharsetType(charsets_set set);

} // namespace unidisplay
