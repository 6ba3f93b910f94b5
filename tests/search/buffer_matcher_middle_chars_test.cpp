#include "search/buffer_matcher_middle_chars.h"
#include "search/buffer_matcher_removers.h"

#include "platform/nls_char_types.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace textcore {
namespace {

// Runs one class change over exact-size copies of text in 16-bit and 8-bit form and gives, per
// character, "L" for a new letter class, "D" for a new digit class and "." for no change.
// Everything from "<" to ">" is markup.
template <typename Change> std::string Changed(std::u16string_view text, bool wide, Change change) {
  const int32_t n = static_cast<int32_t>(text.size());
  std::unique_ptr<char16_t[]> w(new char16_t[n]);
  std::unique_ptr<char[]> a(new char[n]);
  std::unique_ptr<uint16_t[]> classes(new uint16_t[n]), before(new uint16_t[n]);
  bool markup = false;
  for (int32_t i = 0; i < n; ++i) {
    w[i] = text[i];
    a[i] = static_cast<char>(text[i]);
    markup = markup || text[i] == u'<';
    before[i] = classes[i] = CType1Table()[text[i]] | (markup ? 0x0800 : 0);
    markup = markup && text[i] != u'>';
  }
  change(wide ? static_cast<const void *>(w.get()) : static_cast<const void *>(a.get()),
         classes.get(), n);
  std::string result;
  for (int32_t i = 0; i < n; ++i)
    result += classes[i] == before[i] ? '.'
              : classes[i] == 0x0302  ? 'L'
              : classes[i] == 0x0204  ? 'D'
                                      : '?';
  return result;
}

TEST(BufferMatcherMiddleChars, JoinOnlyWhereTheirNeighboursAllow) {
  struct Case {
    std::u16string_view text;
    String allowed;
    bool may_end, may_start;
    std::string expected;
  } cases[] = {
      {u"don't", u"'", false, false, "...L."},
      {u"'tis", u"'", false, false, "...."},
      {u"'tis", u"'", false, true, "L..."},
      {u"dogs'", u"'", false, false, "....."},
      {u"dogs'", u"'", true, false, "....L"},
      {u"it'", u"'", true, true, "..L"}, // the last character of the run is examined too
      {u"1'000", u"'", false, false, ".D..."},
      {u"a'1", u"'", false, false, ".D."},
      {u"a<i>'</i>b", u"'", false, false, "....L....."},
      {u"a<'>b", u"'", true, true, "....."},
      {u"well-to-do it's", u"-'", false, false, "....L..L.....L."},
      {u"x-y", u"-'", false, false, ".L."},
      {u"x-y", u"'-", false, false, ".L."},
      {u"x-y", u"-", false, false, ".L."},
      {u"x - y", u"-", false, false, "....."},
      {u"a\x19"
       u"b",
       u"\u2019", false, false, "..."},
  };
  for (const Case &c : cases)
    for (const bool wide : {true, false})
      EXPECT_EQ(Changed(c.text, wide,
                        [&](const void *text, uint16_t *classes, int32_t n) {
                          HandleMiddleChars(text, classes, c.allowed,
                                            static_cast<uint16_t>(c.allowed.size()), n, wide,
                                            c.may_end, c.may_start);
                        }),
                c.expected)
          << StringToUTF8(String(c.text)) << (wide ? " wide" : " narrow");
}

TEST(BufferMatcherMiddleChars, NumbersJoinAcrossOneSeparatorBetweenDigits) {
  struct Case {
    std::u16string_view text;
    bool space_allowed;
    std::string expected;
  } cases[] = {
      {u"1,000.5", false, ".D...D."}, {u"1 000", false, "....."}, {u"1 000", true, ".D..."},
      {u"1\u00B72", false, ".D."},    {u"1;2", false, "..."},     {u"1,,2", false, "...."},
      {u"a,1", false, "..."},         {u"1,", false, ".."},
  };
  for (const Case &c : cases)
    for (const bool wide : {true, false})
      EXPECT_EQ(Changed(c.text, wide,
                        [&](const void *text, uint16_t *classes, int32_t n) {
                          HandleMiddleCharsInNumbers(wide, c.space_allowed, text, classes, n);
                        }),
                c.expected)
          << StringToUTF8(String(c.text));
}

TEST(BufferMatcherRemovers, CompactReplaceAndScan) {
  std::unique_ptr<char16_t[]> w(new char16_t[6]{u'-', u'a', u'-', u'-', u'b', u'?'});
  EXPECT_EQ(RemoveCharW(w.get(), u'-', 5), 2);
  EXPECT_EQ(std::u16string_view(w.get(), 3), std::u16string_view(u"ab\0", 3));
  std::unique_ptr<char[]> a(new char[3]{'x', 'y', '?'});
  EXPECT_EQ(RemoveCharA(a.get(), '-', 2), 2);
  EXPECT_EQ(a[2], '\0');
  EXPECT_EQ(RemoveCharA(a.get(), '-', 0), 0);
  EXPECT_EQ(a[0], 'x');
  ReplaceChar1ByChar2W(w.get(), u'a', u'z', 2);
  EXPECT_EQ(std::u16string_view(w.get(), 2), u"zb");

  const int32_t values[] = {3, 7, 7};
  EXPECT_EQ(ScanForInt(7, values, 3), 2);
  EXPECT_EQ(ScanForInt(7, values, 1), 0);
  EXPECT_EQ(ScanForInt(7, values, 99), 2);
  EXPECT_EQ(ScanForInt(3, values, -1), 0);
  const int32_t small[] = {1, 2};
  EXPECT_EQ(ScanForInt(5, small, 2), 0);
}

} // namespace
} // namespace textcore
