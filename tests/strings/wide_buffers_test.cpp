// Text buffers, tab expansion and scanning, and search words in their fixed buffers.
#include "strings/search_word_buffers.h"
#include "strings/wide_buffers.h"

#include <gtest/gtest.h>

#include <cstring>
#include <utility>

namespace textcore {
namespace {

TEST(WideBuffers, BuffersFillsScansAndTabs) {
  char16_t filled[] = u"........";
  FillWChar(filled, 7, u'*'); // bytes: three whole units
  FillWChar(filled + 4, 1, u'*');
  const std::pair<String, const char16_t *> cases[] = {
      {NewLenPWidechar(u"abc", 2).get(), u"ab"},       {NewLenPWidechar(u"abc", -4).get(), u""},
      {StrNewWLen(u"abc", 9).get(), u"abc"}, // limited to the text
      {NewPWideChar(u"whole").get(), u"whole"},        {filled, u"***....."},
      {ExpandTabbedWideString(u"a\tb", 4), u"a    b"}, {ExpandTabbedWideString(u"\t\t", 1), u"  "},
      {ExpandTabbedWideString(u"a\tb", -1), u"ab"},
  };
  for (const auto &[got, want] : cases)
    EXPECT_EQ(got, want);
  // NewLen copies what it is told to, terminators included, and adds one.
  EXPECT_EQ(std::memcmp(NewLenPAnsichar("a\0b", 3).get(), "a\0b\0", 4), 0);
  EXPECT_EQ(StrNewLen(nullptr, 3), nullptr);
  std::unique_ptr<char16_t[]> owned = NewPWideChar(u"x");
  DeletePWideChar(owned);
  EXPECT_EQ(owned, nullptr);
  const std::pair<int32_t, int32_t> scans[] = {{2, 2}, {3, 4}, {5, 0}, {-7, 2}, {99, 0}};
  for (const auto &[from, position] : scans)
    EXPECT_EQ(StrScanIndex(u"abab", u'b', from), position) << from;
}

TEST(SearchWordBuffers, AtMostEightyUnitsAndAlwaysATerminator) {
  const String eighty(80, u'x'), seventy_nine(79, u'x');
  const std::pair<String, String> cases[] = {
      {eighty, eighty},
      {eighty + u"y", eighty},
      {String(u"a\0b", 3), u"a"},                   // read back to the terminator
      {seventy_nine + u"\U0001F600", seventy_nine}, // a pair the limit splits goes
      {seventy_nine.substr(1) + u"\U0001F600", seventy_nine.substr(1) + u"\U0001F600"},
  };
  for (const auto &[text, kept] : cases) {
    const search_word_type32 buffer = StringToSearch_word_type32(text);
    EXPECT_EQ(buffer[80], u'\0');
    EXPECT_EQ(StringFromSearch_word_type32(buffer), kept) << text.size();
  }
  search_word_type32 full;
  full.fill(u'z');
  EXPECT_EQ(StringFromSearch_word_type32(full), String(81, u'z'));
  const search_word_type32 ansi = AnsiStringToSearch_word_type32(std::string(81, 'q'));
  EXPECT_EQ(AnsiStringFromSearch_word_type32(ansi), std::string(80, 'q'));
}

} // namespace
} // namespace textcore
