#include "files/text_decoding.h"

#include <gtest/gtest.h>

namespace textcore {
namespace {

std::string Utf16LE(const std::u16string &text) {
  std::string bytes;
  for (char16_t c : text)
    bytes += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
  return bytes;
}

TEST(TextDecoding, EachEncodingDecodesOnceToComposedText) {
  struct Case {
    const char *what;
    std::string bytes;
    uint32_t code_page;
    String text;
    const char16_t *encoding;
  } cases[] = {
      {"empty", "", 1252, u"", u"cp1252"},
      {"ASCII", "a b\r\n", 1252, u"a b\r\n", u"cp1252"},
      {"UTF-8", "caf\xC3\xA9 \xE2\x82\xAC", 1252, u"café €", u"UTF-8"},
      {"UTF-8 signature",
       "\xEF\xBB\xBF"
       "caf\xC3\xA9",
       1252, u"café", u"UTF-8"},
      {"UTF-8 signature only", "\xEF\xBB\xBF", 1252, u"", u"UTF-8"},
      {"UTF-16 LE",
       std::string("\xFF\xFE"
                   "a\0\xAC\x20",
                   6),
       1252, u"a€", u"UTF-16"},
      {"UTF-16 BE", std::string("\xFE\xFF\0a\x20\xAC", 6), 1252, u"a€", u"UTF-16BE"},
      {"UTF-16 LE, odd byte left",
       std::string("\xFF\xFE"
                   "a\0b",
                   5),
       1252, u"a\uFFFD", u"UTF-16"},
      {"UTF-16 LE surrogate pair", std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6), 1252, u"\U0001F600",
       u"UTF-16"},
      {"UTF-16 without a mark", Utf16LE(u"Съешь же ещё этих мягких булок"), 1252,
       u"Съешь же ещё этих мягких булок", u"UTF-16"},
      {"cp1252", "caf\xE9 \x80 \x92", 1252, u"café € \u2019", u"cp1252"},
      {"cp1251", "\xCC\xEE\xF1\xF2 \xB8", 1251, u"Мост ё", u"cp1251"},
      {"cp1253", "\xE3\xE5\xF6\xF5\xF1\xE1", 1253, u"γεφυρα", u"cp1253"},
      {"decomposed accents are composed", "cafe\xCC\x81", 1252, u"café", u"UTF-8"},
      {"decomposed in UTF-16",
       std::string("\xFF\xFE"
                   "e\0\x01\x03",
                   6),
       1252, u"é", u"UTF-16"},
  };
  for (const Case &c : cases) {
    String text;
    const TTextDecision decision = ReadTextOfBytes(c.bytes, c.code_page, false, text);
    EXPECT_EQ(text, c.text) << c.what;
    EXPECT_EQ(TextEncodingName(decision, c.code_page), c.encoding) << c.what;
    EXPECT_EQ(decision.ill_formed, 0) << c.what;
  }
}

// A long UTF-8 text with a stray byte stays UTF-8; a Latin-1 text is no UTF-8 however it starts.
TEST(TextDecoding, AFewIllFormedBytesLeaveUtf8AndAreReported) {
  std::string german;
  for (int i = 0; i < 200; ++i)
    german += "f\xC3\xBCr gr\xC3\xB6\xC3\x9F"
              "ere Br\xC3\xBC"
              "cken ";
  String text;
  TTextDecision decision = ReadTextOfBytes("\xFF" + german + "\xE9", 1252, false, text);
  EXPECT_EQ(decision.encoding, te_utf8);
  EXPECT_EQ(decision.ill_formed, 2);
  EXPECT_EQ(decision.first_ill_formed, 0);
  EXPECT_EQ(text.substr(0, 4), u"\uFFFDfür");
  EXPECT_EQ(text.back(), u'\uFFFD');

  decision = ReadTextOfBytes("\xC3\xA9t\xE9 na\xEFve \xE0 la cr\xE8me br\xFBl\xE9"
                             "e",
                             1252, false, text);
  EXPECT_EQ(decision.encoding, te_8_bit); // one legal pair among many bad bytes
  EXPECT_EQ(text.substr(2), u"té naïve à la crème brûlée");
}

TEST(TextDecoding, WhatIsNoTextIsSkippedUnlessReadAsText) {
  struct Case {
    std::string bytes;
    TNotTextReason reason;
  } cases[] = {
      {std::string("PK\x03\x04\x14\0\0\0", 8), ntr_archive},
      {std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8), ntr_storage},
      {std::string("\xDB\xA5\x2D\0\0\0", 6), ntr_word},
      {std::string("text\0with a NUL", 15), ntr_nul},
  };
  for (const Case &c : cases) {
    String text = u"old";
    TTextDecision decision = ReadTextOfBytes(c.bytes, 1252, false, text);
    EXPECT_EQ(decision.not_text, c.reason);
    EXPECT_EQ(decision.encoding, te_none);
    EXPECT_TRUE(text.empty());
    decision = ReadTextOfBytes(c.bytes, 1252, true, text);
    EXPECT_EQ(decision.encoding, te_8_bit);
    EXPECT_EQ(text.size(), c.bytes.size());
  }
}

} // namespace
} // namespace textcore
