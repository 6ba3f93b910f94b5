// The names of a signature's bits and the texts made of them: CR LF joins, bits without a name,
// and the two reserved bits that keep the later Unicode names in place.
#include "fonts/font_signature.h"

#include <gtest/gtest.h>

namespace unidisplay {
namespace {

FONTSIGNATURE Signature(std::initializer_list<uint32_t> usb, std::initializer_list<uint32_t> csb) {
  FONTSIGNATURE signature;
  std::copy(usb.begin(), usb.end(), signature.fsUsb);
  std::copy(csb.begin(), csb.end(), signature.fsCsb);
  return signature;
}

TEST(FontSignature, UnicodeRangeNamesKeepTheirBits) {
  ASSERT_EQ(Unicode_ranges.size(), 84u);
  EXPECT_EQ(textcore::String(Unicode_ranges[0]), u"Basic Latin");
  EXPECT_EQ(textcore::String(Unicode_ranges[56]), u"Hangul");
  EXPECT_EQ(textcore::String(Unicode_ranges[57]), u"Reserved for Unicode SubRanges");
  EXPECT_EQ(textcore::String(Unicode_ranges[58]), u"Reserved for Unicode SubRanges");
  EXPECT_EQ(textcore::String(Unicode_ranges[59]), u"CJK Unified Ideographs");
  EXPECT_EQ(textcore::String(Unicode_ranges[70]), u"Tibetan");
  EXPECT_EQ(textcore::String(Unicode_ranges[83]), u"Yi, Yi Radicals");
}

TEST(FontSignature, TextsListTheNamedBitsOnePerLine) {
  struct Row {
    FONTSIGNATURE signature;
    const char16_t *code_pages;
    const char16_t *unicode;
  } rows[] = {
      {Signature({}, {0x5, 0}), u"Western Europe\r\nCyrillic", u""},
      {Signature({}, {1u << 9, 0}), u"", u""},
      // Only the first word counts: the OEM word adds nothing, nor carries into the first.
      {Signature({}, {0x1, 0x1}), u"Western Europe", u""},
      {Signature({}, {0x003F0000, 0}),
       u"Thai\r\nJIS/Japan\r\nChinese Simplified\r\nKorean Hangeul\r\nChinese Taiwan & HK\r\nJohab",
       u""},
      {Signature({}, {0xFFC0FE00, 0xFFFFFFFF}), u"", u""},
      {Signature({0x80000001, 0x1, 0, 0}, {}), u"",
       u"Basic Latin\r\nGeneral Punctuation\r\nSuperscripts And Subscripts"},
      {Signature({0, 0, 1u << 20, 0}, {}), u"", u""}, // index 84
      {Signature({0, 0xFE000000, 0x000FFFFF, 0xFFFFFFFF}, {}), u"",
       u"Reserved for Unicode SubRanges\r\nReserved for Unicode SubRanges\r\nCJK Unified "
       u"Ideographs\r\nPrivate Use Area\r\nCJK Compatibility Ideographs\r\nAlphabetic Presentation "
       u"Forms\r\nArabic Presentation Forms-A\r\nCombining Half Marks\r\nCJK Compatibility "
       u"Forms\r\nSmall Form Variants\r\nArabic Presentation Forms-B\r\nHalfwidth And Fullwidth "
       u"Forms\r\nSpecials\r\nTibetan\r\nSyriac\r\nThaana\r\nSinhala\r\nMyanmar\r\nEthiopic\r\n"
       u"Cherokee\r\nUnified Canadian Syllabics\r\nOgham\r\nRunic\r\nKhmer\r\nMongolian\r\n"
       u"Braille\r\nYi, Yi Radicals"},
  };
  for (const Row &row : rows) {
    EXPECT_EQ(CodepageInfoFromFontSignature(row.signature), row.code_pages);
    EXPECT_EQ(UnicodeInfoFromFontSignature(row.signature), row.unicode);
  }
}

TEST(FontSignature, EveryNamedCodePageBitHasItsCharset) {
  EXPECT_EQ(CharsetsOfFontSignature(Signature({}, {0xFFFFFFFF, 0})),
            (std::vector<uint8_t>{0, 238, 204, 161, 162, 177, 178, 186, 163, 222, 128, 134, 129,
                                  136, 130}));
  EXPECT_TRUE(CharsetsOfFontSignature(Signature({0xFFFFFFFF}, {0xFFC0FE00, 0xFFFFFFFF})).empty());
}

} // namespace
} // namespace unidisplay
