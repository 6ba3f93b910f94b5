#include "stats/multiset_coefficients.h"

#include <gtest/gtest.h>

namespace unidisplay {
namespace {

struct SequenceCase {
  std::vector<uint32_t> x, y;
  float dice, overlap;
};

TEST(MultisetCoefficients, EachElementIsMatchedOnceAndRunsUseElementsUp) {
  const SequenceCase cases[] = {
      // One 2 and one 3 pair off; the second 3 of y has no partner.
      {{1, 2, 2, 3}, {2, 3, 3}, 4.0f / 7, 1.0f / 3},
      {{1, 2, 3, 4}, {9, 2, 3, 4, 8}, 6.0f / 9, 0.75f},
      {{5, 6}, {7}, 0, 0},
      {{}, {1}, 0, 0},
      {{1}, {}, 0, 0},
      // Interleaved repeats: every element finds a partner, order aside.
      {{7, 8, 7, 8, 7}, {8, 7, 8, 7, 7}, 1, 3.0f / 5},
      {{4, 4, 4}, {4}, 2.0f / 4, 1},
      // x[0] = 1 tries only the first free 1 of y, not the later 1 5 6 that would give a run of 3.
      {{1, 5, 6}, {1, 9, 1, 5, 6}, 6.0f / 8, 2.0f / 3},
      // The run 1 2 3 1 uses up x[1] ... x[3], which start no run of their own.
      {{1, 2, 3, 1, 2}, {1, 2, 3, 1, 9}, 8.0f / 10, 4.0f / 5},
      {{0xFFFFFFFFu, 0}, {0, 0xFFFFFFFFu}, 1, 0.5f},
  };
  for (const SequenceCase &c : cases) {
    SCOPED_TRACE(::testing::Message() << "sizes " << c.x.size() << ", " << c.y.size());
    EXPECT_FLOAT_EQ(Dice_Coefficient(c.x, c.y), c.dice);
    EXPECT_FLOAT_EQ(Dice_Coefficient(c.y, c.x), c.dice);
    EXPECT_FLOAT_EQ(Overlap_Coefficient(c.x, c.y), c.overlap);
  }
}

} // namespace
} // namespace unidisplay
