// Numbering the unordered pairs of n items, in 64-bit integers so that no step rounds or wraps.
//
// These positions were once computed with n (n + 1) / 2 in single precision, which is exact only
// below 2^24 (n < 5,793); beyond that neighbouring pairs shared positions. Integers give the same
// positions wherever the old arithmetic was exact, and the right ones everywhere else.
#include "stats/pair_array.h"

#include "stats/guarded_arithmetic.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace unidisplay {
namespace {

int64_t Triangle(int64_t n) { return n * (n + 1) / 2; }

// Positions before row y: (n - 1) + (n - 2) + ... + (n - y).
int64_t RowStart(int64_t y, int64_t n) { return y * n - Triangle(y); }

int64_t PairCount(int64_t n) { return n > 1 ? n * (n - 1) / 2 : 0; }

int32_t ToInteger(int64_t v, const char *op) {
  if (v > std::numeric_limits<int32_t>::max() || v < std::numeric_limits<int32_t>::min())
    RaiseOverflow(op, "result beyond the range of an Integer");
  return static_cast<int32_t>(v);
}

// The row of pos: the largest y with RowStart(y, n) <= pos. The square root gives it to within one
// or two; the integer comparisons settle it.
int64_t RowOf(int64_t pos, int64_t n) {
  const double b = 2.0 * n - 1;
  int64_t y = static_cast<int64_t>((b - std::sqrt(b * b - 8.0 * pos)) / 2);
  y = std::max<int64_t>(0, std::min(y, n - 2));
  while (y > 0 && RowStart(y, n) > pos)
    --y;
  while (y + 1 <= n - 2 && RowStart(y + 1, n) <= pos)
    ++y;
  return y;
}

// The position of the pair x, y (from 0), or -1 when there is no such pair of n items. An item
// beyond n - 1 is refused, since it would land on another pair's position.
int64_t PairPosition(int64_t x, int64_t y, int64_t n) {
  if (x == y || x < 0 || y < 0 || x >= n || y >= n)
    return -1;
  if (x < y)
    std::swap(x, y);
  return RowStart(y, n) + (x - y - 1);
}

} // namespace

int32_t SingleArrayLengthForXInterRelationships(int32_t n) {
  return ToInteger(Triangle(n), "SingleArrayLengthForXInterRelationships");
}

int32_t SingleArrayPosForXYValue(int32_t x, int32_t y, int32_t n) {
  return ToInteger(PairPosition(x, y, n), "SingleArrayPosForXYValue");
}

int32_t SingleArrayPosForXYValue1Based(int32_t x, int32_t y, int32_t n) {
  if (x <= 0 || y <= 0)
    return -1;
  const int64_t pos = PairPosition(x - 1, y - 1, n);
  return ToInteger(pos < 0 ? -1 : pos + 1, "SingleArrayPosForXYValue1Based");
}

TArrayPair XYFromSingleArrayPosPos(int32_t pos, int32_t n) {
  if (pos < 0 || pos >= PairCount(n))
    return {-1, -1};
  const int64_t y = RowOf(pos, n);
  const int64_t x = y + 1 + (pos - RowStart(y, n));
  return {static_cast<int32_t>(x), static_cast<int32_t>(y)};
}

} // namespace unidisplay
