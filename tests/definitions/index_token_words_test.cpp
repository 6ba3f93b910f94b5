#include "definitions/index_token_words.h"

#include <gtest/gtest.h>

namespace textcore {
namespace {

TEST(IndexTokenWords, TypeNumberAndMarkers) {
  struct Case {
    uint32_t word, type;
    bool unmarked, punct, sent, para, text;
  };
  const Case cases[] = {
      {0xA0000005, 5, false, false, true, false, true},
      {0x0FFFFFFF, 0x0FFFFFFF, true, false, false, false, false},
      {0xF0000000, 0, false, true, true, true, true},
      {0x10000000, 0, false, true, false, false, false},
      {0x40000007, 7, false, false, false, true, false},
      {0, 0, true, false, false, false, false},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(TypeRecWithoutTextMarker(c.word), c.type) << std::hex << c.word;
    EXPECT_EQ(TypeRecIsUnmarked(c.word), c.unmarked) << std::hex << c.word;
    EXPECT_EQ(TypeRecIsPunctEnd(c.word), c.punct) << std::hex << c.word;
    EXPECT_EQ(TypeRecIsSentEnd(c.word), c.sent) << std::hex << c.word;
    EXPECT_EQ(TypeRecIsParaHeadEnd(c.word), c.para) << std::hex << c.word;
    EXPECT_EQ(TypeRecIsTextEnd(c.word), c.text) << std::hex << c.word;
  }
}

} // namespace
} // namespace textcore
