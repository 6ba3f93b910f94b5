#include "stats/bit_masks.h"

#include <gtest/gtest.h>

namespace unidisplay {
namespace {

TEST(BitMasks, SetsTheNamedBitAndIgnoresIndexesOutsideTheWord) {
  const struct {
    int32_t index;
    uint16_t word16; // after SetBit16 on 0x0100
    uint32_t word32; // after SetBit32 on 0x00010000
  } cases[] = {
      {0, 0x0101, 0x00010001},  {8, 0x0100, 0x00010100},  {15, 0x8100, 0x00018000},
      {16, 0x0100, 0x00010000}, {31, 0x0100, 0x80010000}, {32, 0x0100, 0x00010000},
      {-1, 0x0100, 0x00010000},
  };
  for (const auto &c : cases) {
    uint16_t w = 0x0100;
    uint32_t d = 0x00010000;
    SetBit16(c.index, w);
    SetBit32(c.index, d);
    EXPECT_EQ(w, c.word16) << c.index;
    EXPECT_EQ(d, c.word32) << c.index;
    EXPECT_EQ(IsBitSet16(c.index, 0xFFFF), c.index >= 0 && c.index < 16) << c.index;
    EXPECT_EQ(IsBitSet32(c.index, 0xFFFFFFFF), c.index >= 0 && c.index < 32) << c.index;
    EXPECT_FALSE(IsBitSet16(c.index, 0) || IsBitSet32(c.index, 0)) << c.index;
  }
}

} // namespace
} // namespace unidisplay
