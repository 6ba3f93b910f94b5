#include "definitions/string_clearing.h"

#include <gtest/gtest.h>

namespace textcore {
namespace {

TEST(StringClearing, QuotesCharactersAndPiecesComeOut) {
  const struct {
    String s, unquoted;
  } quotes[] = {{u"\"abc\"", u"abc"}, {u"\"", u""}, {u"\"\"", u""},   {u"\"abc", u"\"abc"},
                {u"abc\"", u"abc\""}, {u"", u""},   {u"'a'", u"'a'"}, {u"\"a\"b\"", u"a\"b"}};
  for (const auto &c : quotes)
    EXPECT_EQ(CutOutsideQuotes(c.s), c.unquoted) << StringToUTF8(c.s);

  EXPECT_EQ(ChrClearedFromString(u'a', u"banana"), u"bnn");
  EXPECT_EQ(ChrClearedFromString(u'x', u"banana"), u"banana");
  EXPECT_EQ(ChrClearedFromString(u'a', u"aaa"), u"");

  const struct {
    String sub, s, cleared;
  } pieces[] = {{u"ab", u"aabb", u"ab"},        {u"an", u"banana", u"ba"},
                {u"", u"banana", u"banana"},    {u"banana", u"banana", u""},
                {u"xyz", u"banana", u"banana"}, {u"aa", u"aaa", u"a"}};
  for (const auto &c : pieces)
    EXPECT_EQ(SubStrClearedFromString(c.sub, c.s), c.cleared) << StringToUTF8(c.s);
}

} // namespace
} // namespace textcore
