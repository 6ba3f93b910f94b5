// The names of a font signature's bits.
#include "fonts/font_signature.h"

namespace unidisplay {

using textcore::String;

const std::array<const char16_t *, kUnicodeRangeCount> Unicode_ranges = {
    u"Basic Latin",
    u"Latin-1 Supplement",
    u"Latin Extended-A",
    u"Latin Extended-B",
    u"IPA Extensions",
    u"Spacing Modifier Letters",
    u"Combining Diacritical Marks",
    u"Greek",
    u"Greek Symbols And Coptic",
    u"Cyrillic",
    u"Armenian",
    u"Basic Hebrew",
    u"Hebrew Extended (A and B blocks combined)",
    u"Basic Arabic",
    u"Arabic Extended",
    u"Devanagari",
    u"Bengali",
    u"Gurmukhi",
    u"Gujarati",
    u"Oriya",
    u"Tamil",
    u"Telugu",
    u"Kannada",
    u"Malayalam",
    u"Thai",
    u"Lao",
    u"Basic Georgian",
    u"Georgian Extended",
    u"Hangul Jamo",
    u"Latin Extended Additional",
    u"Greek Extended",
    u"General Punctuation",
    u"Superscripts And Subscripts",
    u"Currency Symbols",
    u"Combining Diacritical Marks For Symbols",
    u"Letterlike Symbols",
    u"Number Forms",
    u"Arrows",
    u"Mathematical Operators",
    u"Miscellaneous Technical",
    u"Control Pictures",
    u"Optical Character Recognition",
    u"Enclosed Alphanumerics",
    u"Box Drawing",
    u"Block Elements",
    u"Geometric Shapes",
    u"Miscellaneous Symbols",
    u"Dingbats",
    u"CJK Symbols And Punctuation",
    u"Hiragana",
    u"Katakana",
    u"Bopomofo",
    u"Hangul Compatibility Jamo",
    u"CJK Miscellaneous",
    u"Enclosed CJK Letters And Months",
    u"CJK Compatibility",
    u"Hangul",
    u"Reserved for Unicode SubRanges",
    u"Reserved for Unicode SubRanges",
    u"CJK Unified Ideographs",
    u"Private Use Area",
    u"CJK Compatibility Ideographs",
    u"Alphabetic Presentation Forms",
    u"Arabic Presentation Forms-A",
    u"Combining Half Marks",
    u"CJK Compatibility Forms",
    u"Small Form Variants",
    u"Arabic Presentation Forms-B",
    u"Halfwidth And Fullwidth Forms",
    u"Specials",
    u"Tibetan",
    u"Syriac",
    u"Thaana",
    u"Sinhala",
    u"Myanmar",
    u"Ethiopic",
    u"Cherokee",
    u"Unified Canadian Syllabics",
    u"Ogham",
    u"Runic",
    u"Khmer",
    u"Mongolian",
    u"Braille",
    u"Yi, Yi Radicals",
};

namespace {

struct CodePageBit {
  int32_t bit;
  const char16_t *name;
  uint8_t charset;
};

constexpr CodePageBit kCodePageBits[] = {
    {0, u"Western Europe", 0},    {1, u"Eastern Europe", 238},
    {2, u"Cyrillic", 204},        {3, u"Greek", 161},
    {4, u"Turkish", 162},         {5, u"Hebrew", 177},
    {6, u"Arabic", 178},          {7, u"Baltic", 186},
    {8, u"Vietnamese", 163},      {16, u"Thai", 222},
    {17, u"JIS/Japan", 128},      {18, u"Chinese Simplified", 134},
    {19, u"Korean Hangeul", 129}, {20, u"Chinese Taiwan & HK", 136},
    {21, u"Johab", 130},
};

void AppendLine(String &text, const char16_t *line) {
  if (!text.empty())
    text += u"\r\n";
  text += line;
}

bool BitSet(uint32_t word, int32_t bit) { return (word >> bit) & 1u; }

} // namespace

String CodepageInfoFromFontSignature(const FONTSIGNATURE &signature) {
  String text;
  for (const CodePageBit &entry : kCodePageBits)
    if (BitSet(signature.fsCsb[0], entry.bit))
      AppendLine(text, entry.name);
  return text;
}

String UnicodeInfoFromFontSignature(const FONTSIGNATURE &signature) {
  String text;
  for (int32_t index = 0; index < kUnicodeRangeCount; ++index)
    if (BitSet(signature.fsUsb[index / 32], index % 32))
      AppendLine(text, Unicode_ranges[index]);
  return text;
}

std::vector<uint8_t> CharsetsOfFontSignature(const FONTSIGNATURE &signature) {
  std::vector<uint8_t> charsets;
  for (const CodePageBit &entry : kCodePageBits)
    if (BitSet(signature.fsCsb[0], entry.bit))
      charsets.push_back(entry.charset);
  return charsets;
}

} // namespace unidisplay
