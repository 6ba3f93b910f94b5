// A font's signature: the Unicode subranges and the code pages it covers, as the OpenType OS/2
// table's ulUnicodeRange and ulCodePageRange bits give them, and the texts a dialog shows for
// them.
#pragma once

#include "platform/strings.h"

#include <array>
#include <cstdint>
#include <vector>

namespace unidisplay {

struct FONTSIGNATURE {
  uint32_t fsUsb[4] = {}; // Unicode subrange bits 0-127
  uint32_t fsCsb[2] = {}; // code-page bits: [0] the 8-bit pages, [1] the OEM pages
};

constexpr int32_t kUnicodeRangeCount = 84;

// The names of the Unicode subrange bits 0 to 83, in bit order ("Reserved for Unicode
// SubRanges" names both 57 and 58).
extern const std::array<const char16_t *, kUnicodeRangeCount> Unicode_ranges;

// The names of the code pages the signature covers, joined by CR LF: bits 0-8 and 16-21 of the
// first code-page word have names, the others add nothing. The second word (OEM pages) is not
// looked at: added to the first it would only move and invent bits.
textcore::String CodepageInfoFromFontSignature(const FONTSIGNATURE &signature);
// The names of the Unicode subranges covered, joined by CR LF; bits above 83 are ignored.
textcore::String UnicodeInfoFromFontSignature(const FONTSIGNATURE &signature);

// The charset numbers of the code-page bits of the signature's first code-page word that have a
// charset (bit 0 gives 0, bit 2 gives 204, ...), in bit order.
std::vector<uint8_t> CharsetsOfFontSignature(const FONTSIGNATURE &signature);

} // namespace unidisplay
