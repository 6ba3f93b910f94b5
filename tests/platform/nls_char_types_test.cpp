#include "platform/nls_char_types.h"
#include "platform/nls_last_error.h"

#include <gtest/gtest.h>

namespace textcore {
namespace {

TEST(NlsCharTypes, WordFindingClassesMatchTheWindowsAnswers) {
  struct Case {
    char16_t unit;
    uint16_t classes;
  };
  const Case cases[] = {
      {u'A', C1_UPPER | C1_ALPHA | C1_XDIGIT | C1_DEFINED},
      {u'g', C1_LOWER | C1_ALPHA | C1_DEFINED},
      {u'7', C1_DIGIT | C1_XDIGIT | C1_DEFINED},
      {u' ', C1_SPACE | C1_BLANK | C1_DEFINED},
      {u'\t', C1_SPACE | C1_CNTRL | C1_BLANK | C1_DEFINED},
      {u'\n', C1_SPACE | C1_CNTRL | C1_DEFINED},
      {u'\0', C1_CNTRL | C1_DEFINED},
      {u'!', C1_PUNCT | C1_DEFINED},
      {u'+', C1_PUNCT | C1_DEFINED}, // symbols are punctuation
      {0x00A0, C1_SPACE | C1_BLANK | C1_DEFINED},
      {0x3000, C1_SPACE | C1_BLANK | C1_DEFINED},
      {0x0E01, C1_ALPHA | C1_DEFINED}, // Thai letter
      {0x0E31, C1_ALPHA | C1_DEFINED}, // Thai vowel sign: part of the word
      {0x0301, C1_ALPHA | C1_DEFINED}, // combining acute: part of the word
      {0x4E00, C1_ALPHA | C1_DEFINED},
      {0x0660, C1_DIGIT | C1_DEFINED}, // Arabic-Indic zero
      {0x0966, C1_DIGIT | C1_DEFINED}, // Devanagari zero
      {0xFF21, C1_UPPER | C1_ALPHA | C1_XDIGIT | C1_DEFINED},
      {0x00B2, C1_DIGIT | C1_PUNCT | C1_DEFINED}, // superscript two
      {0x200C, C1_CNTRL | C1_DEFINED},            // the joiners: the engine promotes them
      {0x200D, C1_CNTRL | C1_DEFINED},
      {0x00AD, C1_PUNCT | C1_DEFINED},
      {0xD800, C1_DEFINED}, // each half of a surrogate pair
      {0xDFFF, C1_DEFINED},
      {0xE000, C1_DEFINED}, // private use
      {0x0378, 0},          // unassigned
      {0xFFFF, 0},          // noncharacter
  };
  const uint16_t *table = CType1Table(1033);
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << int(c.unit));
    EXPECT_EQ(table[c.unit], c.classes);
    uint16_t type = 0xFFFF;
    ASSERT_TRUE(GetStringTypeExW(1054, CT_CTYPE1, &c.unit, 1, &type));
    EXPECT_EQ(type, c.classes);
  }
}

TEST(NlsCharTypes, EveryLocaleSharesTheUnitTable) {
  EXPECT_EQ(CType1Table(1033), CType1Table(1055));
  EXPECT_EQ(CType1Table(1033), CType1Table(LOCALE_USER_DEFAULT));
}

TEST(NlsCharTypes, RunsHonourTheCountAndTheTerminator) {
  const char16_t text[] = u"a1 ";
  uint16_t types[5] = {9, 9, 9, 9, 9};
  ASSERT_TRUE(GetStringTypeExW(1033, CT_CTYPE1, text, -1, types));
  EXPECT_EQ(types[3], C1_CNTRL | C1_DEFINED); // the terminator is classified too
  EXPECT_EQ(types[4], 9);
  ASSERT_TRUE(GetStringTypeExW(1033, CT_CTYPE1, text, 2, types + 1));
  EXPECT_EQ(types[1], C1_LOWER | C1_ALPHA | C1_XDIGIT | C1_DEFINED);
  EXPECT_EQ(types[3], C1_CNTRL | C1_DEFINED);
}

TEST(NlsCharTypes, BadCallsFailWithTheirReason) {
  const char16_t text[] = u"ab";
  uint16_t types[2];
  EXPECT_FALSE(GetStringTypeExW(1033, 4, text, 2, types));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_FLAGS);
  EXPECT_FALSE(GetStringTypeExW(1033, CT_CTYPE1, nullptr, 2, types));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_FALSE(GetStringTypeExW(1033, CT_CTYPE1, text, -2, types));
  EXPECT_FALSE(GetStringTypeExW(1033, CT_CTYPE1, text, 2,
                                reinterpret_cast<uint16_t *>(const_cast<char16_t *>(text))));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

TEST(NlsCharTypes, EightBitTextIsClassifiedThroughTheLocalesCodePage) {
  // 0xE0 is a Latin letter in 1252, a Greek one in 1253, a Thai one in 874; 0xA0 a no-break
  // space in each; 0x81 the C1 control in 1252.
  const char text[] = "\xE0\xA0\x81";
  uint16_t types[3];
  ASSERT_TRUE(GetStringTypeExA(1033, CT_CTYPE1, text, 3, types));
  EXPECT_EQ(types[0], C1_LOWER | C1_ALPHA | C1_DEFINED);
  EXPECT_EQ(types[1], C1_SPACE | C1_BLANK | C1_DEFINED);
  EXPECT_EQ(types[2], C1_CNTRL | C1_DEFINED);
  ASSERT_TRUE(GetStringTypeExA(1032, CT_CTYPE1, text, 1, types));
  EXPECT_EQ(types[0], C1_LOWER | C1_ALPHA | C1_DEFINED); // Greek alpha with tonos
  ASSERT_TRUE(GetStringTypeExA(1054, CT_CTYPE1, text, 1, types));
  EXPECT_EQ(types[0], C1_ALPHA | C1_DEFINED);
  // A Shift-JIS kanji: both bytes carry the character's classes.
  const char kanji[] = "\x88\x9F";
  ASSERT_TRUE(GetStringTypeExA(1041, CT_CTYPE1, kanji, 2, types));
  EXPECT_EQ(types[0], C1_ALPHA | C1_DEFINED);
  EXPECT_EQ(types[1], C1_ALPHA | C1_DEFINED);
  const uint16_t *table = CType1TableOfCodePage(1253);
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table[0xC1], C1_UPPER | C1_ALPHA | C1_DEFINED); // capital alpha
}

TEST(NlsCharTypes, BidirectionalClasses) {
  const char16_t text[] = {u'a', 0x05D0, 0x0627, u'1', 0x0661, u' ', u'!', 0x0301};
  uint16_t types[8];
  ASSERT_TRUE(GetStringTypeExW(1037, CT_CTYPE2, text, 8, types));
  const uint16_t expected[] = {C2_LEFTTORIGHT,  C2_RIGHTTOLEFT, C2_RIGHTTOLEFT,  C2_EUROPENUMBER,
                               C2_ARABICNUMBER, C2_WHITESPACE,  C2_OTHERNEUTRAL, C2_NOTAPPLICABLE};
  for (int i = 0; i < 8; ++i)
    EXPECT_EQ(types[i], expected[i]) << i;
}

} // namespace
} // namespace textcore
