#include "platform/encoding.h"

#include <gtest/gtest.h>

namespace textcore {
namespace {

TEST(Encoding, TextRoundTripsThroughEachEncodingByteForByte) {
  struct Case {
    const TEncoding *encoding;
    const char16_t *text;
    TBytes bytes;
  };
  const Case cases[] = {
      {TEncoding::Default(), u"\u20AC\u00E9A", {0x80, 0xE9, 0x41}},
      {TEncoding::GetEncoding(1251), u"\u0416\u0451", {0xC6, 0xB8}},
      {TEncoding::GetEncoding(1253), u"\u03A9", {0xD9}},
      {TEncoding::GetEncoding(850), u"\u00E9\u2591", {0x82, 0xB0}},
      {TEncoding::ASCII(), u"Az~", {0x41, 0x7A, 0x7E}},
      {TEncoding::UTF8(),
       u"\u00E9\u20AC\U0001F600",
       {0xC3, 0xA9, 0xE2, 0x82, 0xAC, 0xF0, 0x9F, 0x98, 0x80}},
      {TEncoding::Unicode(), u"A\u20AC\U0001F600", {0x41, 0, 0xAC, 0x20, 0x3D, 0xD8, 0x00, 0xDE}},
      {TEncoding::BigEndianUnicode(), u"A\u20AC", {0, 0x41, 0x20, 0xAC}},
      {TEncoding::UTF8(), u"", {}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.encoding->CodePage());
    EXPECT_EQ(c.encoding->GetBytes(c.text), c.bytes);
    EXPECT_EQ(c.encoding->GetString(c.bytes), c.text);
  }
}

TEST(Encoding, WhatCannotBeConvertedIsReplacedNeverDropped) {
  struct Case {
    const char *what;
    const TEncoding *encoding;
    TBytes bytes;
    const char16_t *text;
  };
  const Case decoding[] = {
      {"truncated UTF-8", TEncoding::UTF8(), {0x41, 0xC3}, u"A\uFFFD"},
      {"UTF-8 surrogate", TEncoding::UTF8(), {0xED, 0xA0, 0x80}, u"\uFFFD\uFFFD\uFFFD"},
      {"UTF-8 stray continuation", TEncoding::UTF8(), {0x80, 0x41}, u"\uFFFDA"},
      {"odd UTF-16 LE", TEncoding::Unicode(), {0x41, 0x00, 0x42}, u"A\uFFFD"},
      {"odd UTF-16 BE", TEncoding::BigEndianUnicode(), {0x00}, u"\uFFFD"},
      {"lone surrogate kept",
       TEncoding::Unicode(),
       {0x00, 0xD8, 0x41, 0x00},
       u"\xD800"
       u"A"},
      {"8-bit ASCII", TEncoding::ASCII(), {0x80, 0x41}, u"\uF780A"}, // its stand-in
      {"1252 hole", TEncoding::Default(), {0x81}, u"\u0081"},
      {"unassigned 932 byte", TEncoding::GetEncoding(932), {0x80}, u"\uFFFD"},
  };
  for (const Case &c : decoding) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.encoding->GetString(c.bytes), c.text);
  }
  const Case encoding[] = {
      {"no 1252 mapping", TEncoding::Default(), {0x61, 0x3F, 0x62}, u"a\u0101b"},
      {"no ASCII mapping", TEncoding::ASCII(), {0x3F}, u"\u00E9"},
      {"astral to 1252", TEncoding::Default(), {0x3F}, u"\U0001F600"},
      {"lone surrogate to 1252", TEncoding::Default(), {0x3F}, u"\xDC00"},
      {"lone surrogate to UTF-8", TEncoding::UTF8(), {0xEF, 0xBF, 0xBD}, u"\xD800"},
  };
  for (const Case &c : encoding) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.encoding->GetBytes(c.text), c.bytes);
  }
}

TEST(Encoding, EachEncodingKnowsItsMarkCodePageAndWidth) {
  struct Case {
    const TEncoding *encoding;
    TBytes preamble;
    uint32_t code_page;
    bool single_byte;
  };
  const Case cases[] = {
      {TEncoding::Default(), {}, 1252, true},
      {TEncoding::ANSI(), {}, 1252, true},
      {TEncoding::ASCII(), {}, 20127, true},
      {TEncoding::UTF8(), {0xEF, 0xBB, 0xBF}, 65001, false},
      {TEncoding::Unicode(), {0xFF, 0xFE}, 1200, false},
      {TEncoding::BigEndianUnicode(), {0xFE, 0xFF}, 1201, false},
      {TEncoding::GetEncoding(936), {}, 936, false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.code_page);
    EXPECT_EQ(c.encoding->GetPreamble(), c.preamble);
    EXPECT_EQ(c.encoding->CodePage(), c.code_page);
    EXPECT_EQ(c.encoding->IsSingleByte(), c.single_byte);
  }
}

TEST(Encoding, GetEncodingSharesOneObjectPerCodePageAndRefusesUnknownOnes) {
  EXPECT_EQ(TEncoding::GetEncoding(65001), TEncoding::UTF8());
  EXPECT_EQ(TEncoding::GetEncoding(1200), TEncoding::Unicode());
  EXPECT_EQ(TEncoding::GetEncoding(1252), TEncoding::Default());
  EXPECT_EQ(TEncoding::GetEncoding(1251), TEncoding::GetEncoding(1251));
  EXPECT_THROW(TEncoding::GetEncoding(4), EEncodingError);
  EXPECT_THROW(TEncoding::GetEncoding(99999), EEncodingError);
}

TEST(Encoding, BufferEncodingComesFromAMarkOrElseTheDefault) {
  const TEncoding *cyrillic = TEncoding::GetEncoding(1251);
  struct Case {
    TBytes bytes;
    const TEncoding *given_default;
    const TEncoding *expected;
    int32_t preamble_length;
  };
  const Case cases[] = {
      {{0xEF, 0xBB, 0xBF, 0x41}, nullptr, TEncoding::UTF8(), 3},
      {{0xEF, 0xBB, 0xBF}, cyrillic, TEncoding::UTF8(), 3},
      {{0xFF, 0xFE}, nullptr, TEncoding::Unicode(), 2},
      {{0xFE, 0xFF, 0x00, 0x41}, nullptr, TEncoding::BigEndianUnicode(), 2},
      {{0xEF, 0xBB}, nullptr, TEncoding::Default(), 0},
      {{0xFF}, cyrillic, cyrillic, 0},
      {{}, nullptr, TEncoding::Default(), 0},
      {{0x41, 0xEF, 0xBB, 0xBF}, cyrillic, cyrillic, 0},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    int32_t preamble_length = -1;
    EXPECT_EQ(TEncoding::GetBufferEncoding(cases[i].bytes, cases[i].given_default, preamble_length),
              cases[i].expected);
    EXPECT_EQ(preamble_length, cases[i].preamble_length);
  }
}

} // namespace
} // namespace textcore
