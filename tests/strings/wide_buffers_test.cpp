// Text buffers, tab expansion and scanning, and search words in their fixed buffers.
#include "strings/search_word_buffers.h"
#include "strings/wide_buffers.h"

#include <gtest/gtest.h>

#include <cstring>

namespace textcore {
namespace {

TEST(WideBuffers, NewBuffersHoldTheirUnitsAndATerminator) {
  const char16_t wide[] = u"abc";
  struct Case {
    int32_t n;
    const char16_t *with_len, *str_new;
  } cases[] = {{2, u"ab", u"ab"}, {0, u"", u""}, {-4, u"", u""}, {9, nullptr, u"abc"}};
  for (const Case &c : cases) {
    if (c.with_len != nullptr) {
      EXPECT_EQ(String(NewLenPWidechar(wide, c.n).get()), c.with_len) << c.n;
    }
    EXPECT_EQ(String(StrNewWLen(wide, c.n).get()), c.str_new) << c.n;
    EXPECT_EQ(std::string(StrNewLen("abc", c.n).get()), StringToUTF8(c.str_new)) << c.n;
  }
  // NewLen copies what it is told to, terminators included.
  const std::unique_ptr<char[]> inner = NewLenPAnsichar("a\0b", 3);
  EXPECT_EQ(std::memcmp(inner.get(), "a\0b\0", 4), 0);
  EXPECT_EQ(String(NewPWideChar(u"whole").get()), u"whole");
  EXPECT_EQ(NewPAnsichar(nullptr), nullptr);
  EXPECT_EQ(StrNewWLen(nullptr, 3), nullptr);
  std::unique_ptr<char16_t[]> owned = NewPWideChar(u"x");
  DeletePWideChar(owned);
  EXPECT_EQ(owned, nullptr);
}

TEST(WideBuffers, FillScanAndTabs) {
  struct Fill {
    int32_t bytes;
    const char16_t *result;
  } fills[] = {{6, u"***....."}, {7, u"***....."}, {1, u"........"}, {-2, u"........"}};
  for (const Fill &f : fills) {
    char16_t buffer[] = u"........";
    FillWChar(buffer, f.bytes, u'*');
    EXPECT_EQ(String(buffer), f.result) << f.bytes;
  }
  struct Scan {
    int32_t from, position;
  } scans[] = {{1, 2}, {2, 2}, {3, 4}, {5, 0}, {0, 2}, {-7, 2}, {99, 0}};
  for (const Scan &s : scans)
    EXPECT_EQ(StrScanIndex(u"abab", u'b', s.from), s.position) << s.from;
  EXPECT_EQ(ExpandTabbedWideString(u"a\tb", 4), u"a    b");
  EXPECT_EQ(ExpandTabbedWideString(u"\t\t", 1), u"  ");
  EXPECT_EQ(ExpandTabbedWideString(u"a\tb", 0), u"ab");
}

TEST(SearchWordBuffers, AtMostEightyUnitsAndAlwaysATerminator) {
  const String eighty(80, u'x');
  struct Case {
    String text, kept;
  } cases[] = {
      {eighty, eighty},
      {eighty + u"y", eighty},
      {u"", u""},
      {String(u"a\0b", 3), u"a"},                           // read back to the terminator
      {String(79, u'x') + u"\U0001F600", String(79, u'x')}, // a pair the limit splits goes whole
      {String(78, u'x') + u"\U0001F600", String(78, u'x') + u"\U0001F600"},
  };
  for (const Case &c : cases) {
    const search_word_type32 buffer = StringToSearch_word_type32(c.text);
    EXPECT_EQ(buffer[80], u'\0');
    EXPECT_EQ(StringFromSearch_word_type32(buffer), c.kept) << StringToUTF8(c.text);
  }
  search_word_type32 full;
  full.fill(u'z');
  EXPECT_EQ(StringFromSearch_word_type32(full), String(81, u'z'));
  const search_word_type32 ansi = AnsiStringToSearch_word_type32(std::string(81, 'q'));
  EXPECT_EQ(AnsiStringFromSearch_word_type32(ansi), std::string(80, 'q'));
}

} // namespace
} // namespace textcore
