#include "platform/strings.h"
#include "platform/utf.h"

#include <gtest/gtest.h>

#include <string>

namespace textcore {
namespace {

// Each ill-formed stretch gives one U+FFFD (or fails the strict decoding); everything else
// decodes exactly, across the eight-byte ASCII blocks too.
TEST(Utf, DecodingReplacesEachIllFormedSubsequenceOnce) {
  struct Case {
    std::string utf8;
    String utf16;
  };
  const Case cases[] = {
      {"plain", u"plain"},
      {"\xC3\xA9t\xC3\xA9", u"été"},
      {"\xF0\x9F\x98\x80", u"\U0001F600"},
      {"\xF4\x8F\xBF\xBF", u"\U0010FFFF"},
      {"1234567\xC3\xA9", u"1234567é"},       // a sequence across the first block's end
      {"12345678\xE2\x82\xAC", u"12345678€"}, // right after a whole block
      {"\xC3", u"\uFFFD"},                    // truncated at the end
      {"\xE2\x82", u"\uFFFD"},                // one replacement for the whole truncated sequence
      {"\xE2\x82"
       "A",
       u"\uFFFDA"},
      {"\xF0\x9F\x98"
       "12345678",
       u"\uFFFD12345678"},
      {"\xC0\xAF", u"\uFFFD\uFFFD"},                     // overlong: C0 never leads
      {"\xE0\x80\x80", u"\uFFFD\uFFFD\uFFFD"},           // overlong three-byte form
      {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},           // an encoded surrogate
      {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"}, // beyond U+10FFFF
      {"\x80\x80", u"\uFFFD\uFFFD"},                     // stray continuation bytes
      {"a\xFFz", u"a\uFFFDz"},
      {std::string("a\0b", 3), String(u"a\0b", 3)},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(UTF8ToString(c.utf8), c.utf16);
    String strict(c.utf8.size(), u'\0');
    const int64_t made = DecodeUTF8(c.utf8, strict.data(), true);
    if (c.utf16.find(u'\uFFFD') == String::npos) {
      ASSERT_GE(made, 0);
      EXPECT_EQ(strict.substr(0, static_cast<size_t>(made)), c.utf16);
      EXPECT_EQ(StringToUTF8(c.utf16), c.utf8); // well-formed text round-trips
    } else {
      EXPECT_EQ(made, -1);
    }
  }
}

TEST(Utf, EncodingReplacesALoneSurrogateOrFailsWhenStrict) {
  struct Case {
    String utf16;
    std::string utf8; // lenient
  };
  const Case cases[] = {
      {u"été\U0001F600", "\xC3\xA9t\xC3\xA9\xF0\x9F\x98\x80"},
      {String(1, char16_t(0xD800)) + u"x", "\xEF\xBF\xBDx"},
      {u"x" + String(1, char16_t(0xDC00)), "x\xEF\xBF\xBD"},
      {String{char16_t(0xDC00), char16_t(0xD800)}, "\xEF\xBF\xBD\xEF\xBF\xBD"}, // wrong order
      {String(1, char16_t(0xD83D)), "\xEF\xBF\xBD"}, // a first half at the very end
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(StringToUTF8(c.utf16), c.utf8);
    std::string strict;
    EXPECT_EQ(EncodeUTF8(c.utf16, strict, true), c.utf8.find("\xEF\xBF\xBD") == std::string::npos);
  }
}

TEST(Utf, APairIsOneCharacterAndALoneHalfIsOne) {
  const char16_t high = 0xD83D, low = 0xDE00;
  struct Case {
    String text;
    size_t characters;
    std::string second_halves; // per unit: 'S' for the second half of a pair
  };
  const Case cases[] = {
      {u"", 0, ""},
      {u"ab", 2, ".."},
      {String{u'a', high, low, u'b'}, 3, "..S."},
      {String{low, high}, 2, ".."},
      {String{high, high, low}, 2, "..S"},
      {String{low}, 1, "."},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(CharacterCount(c.text), c.characters) << c.second_halves;
    std::string halves;
    for (size_t i = 0; i < c.text.size(); ++i)
      halves += IsSecondHalfOfPair(c.text, i) ? 'S' : '.';
    EXPECT_EQ(halves, c.second_halves);
  }
}

} // namespace
} // namespace textcore
