// All unordered pairs of n items packed into one linear array, and the conversions between a pair
// and its position.
//
// The pairs (x, y) with 0 <= y < x < n are numbered row by row: y = 0 with x = 1 ... n - 1, then
// y = 1 with x = 2 ... n - 1, and so on, n (n - 1) / 2 positions in all. Every conversion is exact
// in integers, for every n whose pairs can all be numbered by an Integer (n <= 65,536).
#pragma once

#include <cstdint>

namespace unidisplay {

// A pair of items, x > y.
struct TArrayPair {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const TArrayPair &, const TArrayPair &) = default;
};

// n (n + 1) / 2, so that n * n minus it is the number of pair positions. A value beyond the
// Integer range (n > 65,535) raises textcore::EOverflow.
int32_t SingleArrayLengthForXInterRelationships(int32_t n);

// The position of the pair of items x and y (from 0, in either order), or -1 when x = y or either
// item is outside 0 ... n - 1. A position beyond the Integer range raises textcore::EOverflow.
int32_t SingleArrayPosForXYValue(int32_t x, int32_t y, int32_t n);

// The same with items and positions counted from 1: items 1 ... n, positions 1 ... n (n - 1) / 2.
int32_t SingleArrayPosForXYValue1Based(int32_t x, int32_t y, int32_t n);

// The pair at position pos (from 0), the inverse of SingleArrayPosForXYValue; (-1, -1) when pos is
// not a position of n items.
TArrayPair XYFromSingleArrayPosPos(int32_t pos, int32_t n);

} // namespace unidisplay
