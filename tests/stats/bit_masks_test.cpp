#include "stats/bit_masks.h"

#include <gtest/gtest.h>

namespace unidisplay {
namespace {

TEST(BitMasks, SetsAndTestsEachBitAndIgnoresIndexesOutsideTheWord) {
  for (int32_t i = 0; i < 32; ++i) {
    uint32_t c = 0;
    SetBit32(i, c);
    EXPECT_EQ(c, uint32_t{1} << i);
    EXPECT_TRUE(IsBitSet32(i, c));
    EXPECT_FALSE(IsBitSet32(i, ~c));
    if (i < 16) {
      uint16_t w = 0;
      SetBit16(i, w);
      EXPECT_EQ(w, 1u << i);
      EXPECT_TRUE(IsBitSet16(i, w));
      EXPECT_FALSE(IsBitSet16(i, static_cast<uint16_t>(~w)));
    }
  }
  uint16_t w = 0x1234;
  uint32_t c = 0x12345678;
  for (int32_t outside : {-1, 16, 32, 1000}) {
    SetBit16(outside, w);
    EXPECT_FALSE(IsBitSet16(outside, 0xFFFF));
    if (outside != 16) {
      SetBit32(outside, c);
      EXPECT_FALSE(IsBitSet32(outside, 0xFFFFFFFF));
    }
  }
  EXPECT_EQ(w, 0x1234);
  EXPECT_EQ(c, 0x12345678u);
}

} // namespace
} // namespace unidisplay
