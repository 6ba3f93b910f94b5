#include "core/fixed_char_array_text.h"

#include "core/fixed_char_arrays.h"

#include <gtest/gtest.h>

namespace textcore {
namespace {

TEST(FixedCharArrayText, TextIsCutWithoutSplittingAPairAndReadWithinTheArray) {
  const String pair = u"\U0001F600"; // two units
  struct Case {
    String text, stored;
  };
  const Case cases[] = {
      {u"", u""},
      {u"abcdefghij", u"abcdefghij"},
      {u"abcdefghijk", u"abcdefghij"},
      {u"abcdefghi" + pair, u"abcdefghi"}, // the pair would end past the tenth unit
      {u"abcdefgh" + pair, u"abcdefgh" + pair},
      {u"abcdefghi\xD800", u"abcdefghi\xD800"}, // a lone half is kept as it is
  };
  for (const Case &c : cases) {
    tenwidechar a;
    a.fill(u'x');
    StringToWideArray(c.text, a);
    EXPECT_EQ(WideArrayToString(a), c.stored);
    EXPECT_EQ(a[10], 0);
  }
  tenwidechar unterminated;
  unterminated.fill(u'z');
  EXPECT_EQ(WideArrayToString(unterminated), String(11, u'z'));
}

} // namespace
} // namespace textcore
