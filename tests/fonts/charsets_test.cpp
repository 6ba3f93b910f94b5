// The character-set table and its mappings: locales, code pages and charset numbers, with the
// stored quirks (every Chinese locale is Big 5, Korean is Johab) and the fallbacks.
#include "fonts/charsets.h"

#include <gtest/gtest.h>

namespace unidisplay {
namespace {

TEST(Charsets, TableHoldsNamesNumbersAndCodePagesInSetOrder) {
  struct Row {
    charsets_set set;
    const char16_t *name;
    uint8_t n;
    uint32_t code_page;
  } rows[] = {
      {VIETNAMESE_CHARS, u"Vietnamese symbols", 163, 1258},
      {JOHAB_CHARS, u"Korean Johab symbols", 130, 1361},
      {HANGEUL_CHARS, u"Korean Hangeul symbols", 129, 949},
      {CHINESEBIG5_CHARS, u"Chinese Big 5 symbols", 136, 950},
      {GB2312_CHARS, u"Chinese GB 2312 symbols", 134, 936},
      {SHIFTJIS_CHARS, u"Japanese Shiftjis symbols", 128, 932},
      {ARABIC_CHARS, u"Arabic symbols", 178, 1256},
      {GREEK_CHARS, u"Greek symbols", 161, 1253},
      {RUSSIAN_CHARS, u"Cyrillic symbols", 204, 1251},
      {EASTEUROPE_CHARS, u"Eastern European symbols", 238, 1250},
      {BALTIC_CHARS, u"Baltic area symbols", 186, 1257},
      {TURKISH_CHARS, u"Turkish symbols", 162, 1254},
      {HEBREW_CHARS, u"Hebrew symbols", 177, 1255},
      {THAI_CHARS, u"Thai symbols", 222, 874},
      {ANSI_CHARS, u"Western European symbols", 0, 1252},
  };
  static_assert(sizeof(charsets_set) == 1);
  ASSERT_EQ(std::size(rows), charsetinfo.size());
  for (const Row &row : rows) {
    const charset_info &info = charsetinfo[row.set];
    EXPECT_EQ(info.name, row.name);
    EXPECT_EQ(info.n, row.n);
    ASSERT_NE(info.fonts, nullptr);
    EXPECT_TRUE(info.fonts->Sorted());
    EXPECT_EQ(CharsetByteFromCharsetType(row.set), row.n);
    EXPECT_EQ(CharsetTypeFromCharsetByte(row.n), row.set);
    EXPECT_EQ(CharsetToWindowsCodepage(row.n), row.code_page);
    EXPECT_EQ(CharsetTypeFromCodepage(row.code_page), row.set);
  }
}

TEST(Charsets, LocalesGiveTheirCharsetsWithTheStoredQuirks) {
  struct Row {
    textcore::LCID lcid;
    uint8_t charset;
  } rows[] = {
      {3098, 204},       // Serbian, Cyrillic script
      {1050, 238},       // Croatian: the same primary language
      {2074, 238},       // Serbian, Latin script
      {1042, 130},       // Korean: Johab, not Hangeul
      {2052, 136},       // Chinese (PRC): Big 5 like every Chinese locale
      {1028, 136},       // Chinese (Taiwan)
      {1033, 0},         // English
      {1025, 178},       // Arabic
      {1065, 178},       // Farsi
      {1049, 204},       // Russian
      {1058, 204},       // Ukrainian
      {1032, 161},       // Greek
      {1037, 177},       // Hebrew
      {1041, 128},       // Japanese
      {1054, 222},       // Thai
      {1055, 162},       // Turkish
      {1061, 186},       // Estonian
      {1063, 186},       // Lithuanian
      {1066, 163},       // Vietnamese
      {1045, 238},       // Polish
      {511, 254},        // the low 9 bits all set
      {0x3FF, 254},      // bit 9 is not part of the language here
      {0x200, 0},        // nor alone
      {0xFFFF0419, 204}, // sort order and sub-language bits are ignored
  };
  for (const Row &row : rows)
    EXPECT_EQ(CharsetByteFromLCID(row.lcid), row.charset) << row.lcid;
}

TEST(Charsets, UnknownCodePagesAndNumbersFallBackToWestern) {
  struct Row {
    uint32_t code_page;
    charsets_set set;
  } pages[] = {
      {707, ANSI_CHARS},       {708, ARABIC_CHARS},    {715, ARABIC_CHARS},
      {720, ARABIC_CHARS},     {721, ANSI_CHARS},      {864, ARABIC_CHARS},
      {10001, SHIFTJIS_CHARS}, {737, GREEK_CHARS},     {869, GREEK_CHARS},
      {10006, GREEK_CHARS},    {8, RUSSIAN_CHARS},     {855, RUSSIAN_CHARS},
      {866, RUSSIAN_CHARS},    {10007, RUSSIAN_CHARS}, {852, EASTEUROPE_CHARS},
      {771, BALTIC_CHARS},     {775, BALTIC_CHARS},    {857, TURKISH_CHARS},
      {10081, TURKISH_CHARS},  {862, HEBREW_CHARS},    {65001, ANSI_CHARS},
      {0, ANSI_CHARS},         {437, ANSI_CHARS},      {0xFFFFFFFF, ANSI_CHARS},
  };
  for (const Row &row : pages)
    EXPECT_EQ(CharsetTypeFromCodepage(row.code_page), row.set) << row.code_page;
  for (uint32_t charset : {0u, 1u, 2u, 238u + 0x100u, 254u, 255u, 0xFFFFFFFFu})
    EXPECT_EQ(CharsetToWindowsCodepage(charset), 1252u) << charset;
  for (uint8_t charset : {0, 1, 2, 77, 254, 255})
    EXPECT_EQ(CharsetTypeFromCharsetByte(charset), ANSI_CHARS) << int(charset);
  EXPECT_EQ(CharsetByteFromCharsetType(static_cast<charsets_set>(200)), 0);
}

} // namespace
} // namespace unidisplay
