#include "stats/pair_array.h"

#include "platform/exceptions.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace unidisplay {
namespace {

TEST(PairArray, WorkedPositionsAndRefusedPairs) {
  const struct {
    const char *what;
    int32_t got, expected;
  } cases[] = {
      {"(3, 2) of 4", SingleArrayPosForXYValue(3, 2, 4), 5},
      {"(2, 3) of 4", SingleArrayPosForXYValue(2, 3, 4), 5},
      {"(1, 0) of 4", SingleArrayPosForXYValue(1, 0, 4), 0},
      {"an item with itself", SingleArrayPosForXYValue(1, 1, 4), -1},
      {"a negative item", SingleArrayPosForXYValue(-1, 2, 4), -1},
      // Unchecked, (4, 0) would take the position of (2, 1).
      {"an item beyond n", SingleArrayPosForXYValue(4, 0, 4), -1},
      {"no items", SingleArrayPosForXYValue(1, 0, 0), -1},
      {"1-based (4, 3) of 4", SingleArrayPosForXYValue1Based(4, 3, 4), 6},
      {"1-based (2, 1) of 4", SingleArrayPosForXYValue1Based(2, 1, 4), 1},
      {"1-based item 0", SingleArrayPosForXYValue1Based(0, 1, 4), -1},
      {"1-based item beyond n", SingleArrayPosForXYValue1Based(5, 1, 4), -1},
      {"length of 4", SingleArrayLengthForXInterRelationships(4), 10},
      // Beyond 2^24, where single precision could no longer hold the value.
      {"length of 5,793", SingleArrayLengthForXInterRelationships(5793), 16782321},
      {"length of 65,535", SingleArrayLengthForXInterRelationships(65535), 2147450880},
  };
  for (const auto &c : cases)
    EXPECT_EQ(c.got, c.expected) << c.what;
  EXPECT_THROW(SingleArrayLengthForXInterRelationships(65536), textcore::EOverflow);
}

TEST(PairArray, PositionsOutsideTheArrayHaveNoPair) {
  const TArrayPair none{-1, -1};
  EXPECT_EQ(XYFromSingleArrayPosPos(5, 4), (TArrayPair{3, 2}));
  EXPECT_EQ(XYFromSingleArrayPosPos(0, 2), (TArrayPair{1, 0}));
  EXPECT_EQ(XYFromSingleArrayPosPos(6, 4), none);
  EXPECT_EQ(XYFromSingleArrayPosPos(-1, 4), none);
  EXPECT_EQ(XYFromSingleArrayPosPos(0, 1), none);
  EXPECT_EQ(XYFromSingleArrayPosPos(0, -3), none);
}

TEST(PairArray, EveryPairOfSmallSetsNumbersRowByRowAndBack) {
  for (int32_t n = 1; n <= 40; ++n) {
    int32_t expected = 0;
    for (int32_t y = 0; y < n; ++y)
      for (int32_t x = y + 1; x < n; ++x, ++expected) {
        SCOPED_TRACE(::testing::Message() << "n " << n << " pair " << x << "," << y);
        ASSERT_EQ(SingleArrayPosForXYValue(x, y, n), expected);
        ASSERT_EQ(SingleArrayPosForXYValue1Based(x + 1, y + 1, n), expected + 1);
        ASSERT_EQ(XYFromSingleArrayPosPos(expected, n), (TArrayPair{x, y}));
      }
    EXPECT_EQ(expected, n * n - SingleArrayLengthForXInterRelationships(n)) << "n " << n;
  }
}

TEST(PairArray, RoundTripsExactlyAtTheEdgesOfTheLargestSet) {
  const int32_t n = 65536; // n (n - 1) / 2 = 2,147,450,880 positions, just within an Integer
  const int32_t last = 2147450879;
  const struct {
    int32_t x, y, pos;
  } cases[] = {
      {1, 0, 0},
      {2, 0, 1},
      {n - 1, 0, n - 2},
      {2, 1, n - 1},
      {n - 1, 1, 2 * n - 4},
      {n - 2, n - 3, last - 2},
      {n - 1, n - 3, last - 1},
      {n - 1, n - 2, last},
      // The middle row: y = 32,768 starts after 32,768 n - 32,768 x 32,769 / 2 positions.
      {32769, 32768, 1610596352},
      {n - 1, 32767, 1610596351},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(::testing::Message() << "pair " << c.x << "," << c.y);
    EXPECT_EQ(SingleArrayPosForXYValue(c.x, c.y, n), c.pos);
    EXPECT_EQ(SingleArrayPosForXYValue1Based(c.x + 1, c.y + 1, n), c.pos + 1);
    EXPECT_EQ(XYFromSingleArrayPosPos(c.pos, n), (TArrayPair{c.x, c.y}));
  }
  EXPECT_EQ(XYFromSingleArrayPosPos(last + 1, n), (TArrayPair{-1, -1}));
  // Beyond 65,536 items the later positions no longer fit an Integer.
  EXPECT_EQ(SingleArrayPosForXYValue(1, 0, 70000), 0);
  EXPECT_THROW(SingleArrayPosForXYValue(69999, 69998, 70000), textcore::EOverflow);
}

} // namespace
} // namespace unidisplay
