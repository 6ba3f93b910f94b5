#include "definitions/crlf_tab_encoding.h"

#include <gtest/gtest.h>

namespace textcore {
namespace {

TEST(CrlfTabEncoding, InteriorWildcardsAndTheLineWordsBecomeWorkForm) {
  struct Case {
    String typed, encoded;
    bool round_trip;
  };
  const Case cases[] = {
      {u"a*b", u"a\u001Db", true},
      {u"*ab", u"*ab", true},
      {u"ab*", u"ab*", true},
      {u"a\"*\"b", u"a\"*\"b", true},
      {u"a*\"b", u"a*\"b", true},
      {u"a?b#c", u"a\u001Cb\u001Bc", true},
      {u"a**b", u"a\u001D\u001Db", true},
      {u"*", u"*", true},
      {u"one<Enter>two<Tab>three", u"one\r\ntwo\tthree", true},
      {u"<Enter>*<Tab>", u"\r\n\u001D\t", true},
      {u"a\tb", u"a\tb", false}, // a typed tab comes back as its word
      {u"", u"", true},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(EncodedCRLFTAB(c.typed), c.encoded);
    if (c.round_trip) {
      EXPECT_EQ(EncodedCRLFTABToReadableStr(c.encoded), c.typed);
    }
  }
  EXPECT_EQ(EncodedCRLFTABToReadableStr(u"a\rb\nc\n\r"), u"a\rb\nc\n\r");
}

} // namespace
} // namespace textcore
