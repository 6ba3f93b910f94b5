#include "search/wide_masks.h"

#include <gtest/gtest.h>

namespace textcore {
namespace {

TEST(WideMasks, BuildSplitsAtSemicolonsAndLineBreaks) {
  struct Case {
    String spec;
    TWideMasks masks;
  } cases[] = {
      {u"*.txt;*.htm", {u"*.txt", u"*.htm"}},
      {u"*.txt\r\n*.htm", {u"*.txt", u"*.htm"}},
      {u"*.txt\n*.htm\r*.doc", {u"*.txt", u"*.htm", u"*.doc"}},
      {u"*.txt;", {u"*.txt"}},
      {u"*.txt;;*.htm", {u"*.txt", u"", u"*.htm"}},
      {u";*.txt", {u"", u"*.txt"}},
      {u"  \r\n", {}},
      {u"*.htm ; *.dat", {u"*.htm", u"*.dat"}}, // each mask trimmed, wherever it is used
  };
  TWideMasks masks{u"old"};
  for (const Case &c : cases) {
    BuildAMask(masks, c.spec);
    EXPECT_EQ(masks, c.masks) << StringToUTF8(c.spec);
  }
}

TEST(WideMasks, MatchFollowsTheWildcardAndDotRules) {
  struct Case {
    String name, mask;
    bool match;
  } cases[] = {
      {u"a.HTM", u"*.htm", true},
      {u"a.htm.bak", u"*.htm", false},
      {u"read", u"*.*", true},
      {u"read.me.txt", u"*.*", true},
      {u".hidden", u"*", true},
      {u"read", u"read.*", true},
      {u"read.txt", u"read.*", true},
      {u"reader", u"read.*", false},
      {u"read", u"read.*.*", true},
      {u"a.b.c", u"*.b.*", true},
      {u"abc", u"a.c", false},
      {u"a.c", u"a?c", true},
      {u"ac", u"a?c", false},
      {u"abc", u"abc?", false},
      {u"", u"*", false},
      {u"a", u"", false},
      {u"a.htm", u"  *.htm", true},
      {u"\u0394\u03BF\u039A\u03B9\u03BC\u03AE.TXT", u"\u03B4\u03BF\u03BA*.txt", true},
      {u"\u0394\u03BF\u039A\u03B9\u03BC\u03AE", u"\u03B4\u03B1*", false},
      {u"\u041F\u0420\u0418\u0412\u0415\u0422", u"\u043F\u0440\u0438?\u0435\u0442", true},
      {u"Stra\u1E9Ee", u"stra\u00DFe", true},
      {u"\u03A3\u039F\u03A6\u039F\u03A3", u"\u03C3\u03BF\u03C6\u03BF\u03C2", true},
      {u"\U00010400x", u"?x", true},
      {u"\U00010400x", u"\U00010428X", true},
      {String(200, u'a'), u"*a*a*a*a*a*a*a*a*a*a*b", false},
      {String(300, u'a') + u"b", u"*a*a*a*a*a*a*a*a*a*a*b", true},
  };
  for (const Case &c : cases)
    EXPECT_EQ(MatchesMask(c.name, c.mask), c.match)
        << StringToUTF8(c.name) << " ~ " << StringToUTF8(c.mask);
}

TEST(WideMasks, WhereInAMaskSkipsEmptyMasks) {
  const TWideMasks masks{u"", u"*.txt", u"*.htm"};
  EXPECT_EQ(WhereInAMask(u"a.HTM", masks), 2);
  EXPECT_EQ(WhereInAMask(u"a.doc", masks), -1);
  EXPECT_EQ(WhereInAMask(u"", masks), -1);
  EXPECT_EQ(WhereInAMask(u"a.txt", TWideMasks{}), -1);
}

} // namespace
} // namespace textcore
