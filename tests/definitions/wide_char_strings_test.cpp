#include "definitions/wide_char_strings.h"

#include <gtest/gtest.h>

namespace textcore {
namespace {

TEST(WideCharStrings, ArraysHoldTenOrThirtyAndNeverHalfAPair) {
  const String pair = u"\U0001F600";
  const struct {
    String s, ten;
  } tens[] = {{u"", u""},
              {u"abc", u"abc"},
              {u"0123456789x", u"0123456789"},
              {u"012345678" + pair, u"012345678"},
              {u"01234567" + pair, u"01234567" + pair}};
  for (const auto &c : tens) {
    const tenwidechar a = StringToTenWidechar(c.s);
    EXPECT_EQ(TenWideCharTostring(a), c.ten);
    EXPECT_EQ(a[10], 0);
  }
  const thirtywidechar thirty = StringToThirtyWideChar(String(29, u'x') + pair);
  EXPECT_EQ(thirty[28], u'x');
  EXPECT_EQ(thirty[29], 0);
  EXPECT_EQ(StringToThirtyWideChar(String(40, u'y'))[29], u'y');

  tenwidechar unterminated;
  unterminated.fill(u'q');
  EXPECT_EQ(TenWideCharTostring(unterminated), String(11, u'q'));
}

} // namespace
} // namespace textcore
