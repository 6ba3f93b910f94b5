#include "definitions/ignore_tag_strings.h"

#include <gtest/gtest.h>

namespace textcore {
namespace {

TIgnore_tag_type Pairs(StringView opens, StringView closes) {
  TIgnore_tag_type pairs{};
  for (size_t i = 0; i < opens.size(); ++i) {
    pairs[i] = opens[i];
    pairs[i + ignore_tag_pairs] = closes[i];
  }
  return pairs;
}

TEST(IgnoreTagStrings, TypedPairsAndTheirText) {
  struct Case {
    String typed;
    TIgnore_tag_type pairs;
    String written;
  };
  const Case cases[] = {
      {u"<*>, [*]", Pairs(u"<[", u">]"), u"<*>,[*]"},
      {u"<*>,[*]", Pairs(u"<[", u">]"), u"<*>,[*]"},
      {u",<>", Pairs(u"<", u">"), u"<*>"},
      {u"<*>,,[*],", Pairs(u"<[", u">]"), u"<*>,[*]"},
      {u"|", Pairs(u"|", u"|"), u"|*|"},
      {u"{abc}", Pairs(u"{", u"}"), u"{*}"},
      {u"a*b,c*d,e*f,g*h,i*j,k*l,m*n", Pairs(u"acegim", u"bdfhjn"), u"a*b,c*d,e*f,g*h,i*j,m*n"},
      {u" * , \t", Pairs(u"", u""), u""},
      {u"", Pairs(u"", u""), u""},
  };
  for (const Case &c : cases) {
    const TIgnore_tag_type pairs = StringToIgnoreTag_Type(c.typed);
    EXPECT_EQ(pairs, c.pairs) << StringToUTF8(c.typed);
    EXPECT_EQ(IgnoreTag_TypeToString(pairs), c.written);
  }
  TIgnore_tag_type half = Pairs(u"<[(", u">])");
  half[1] = 0;
  half[2 + ignore_tag_pairs] = 0;
  EXPECT_EQ(IgnoreTag_TypeToString(half), u"<*>");
}

} // namespace
} // namespace textcore
