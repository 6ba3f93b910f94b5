// The boundaries of ComputedByteDivisions, from a 32-bit float quotient.
#include "lists/byte_divisions.h"

#include <cmath>
#include <limits>

namespace textcore {

namespace {

// Half to even, held within the 64-bit range; the product is exact in the 64-bit mantissa of
// long double, as in the extended precision the boundaries were first computed in.
int64_t RoundedOffset(long double Offset) {
  constexpr long double kLimit = 9223372036854775808.0L; // 2^63
  if (Offset >= kLimit)
    return std::numeric_limits<int64_t>::max();
  if (Offset < -kLimit)
    return std::numeric_limits<int64_t>::min();
  long double whole = std::floor(Offset);
  const long double fraction = Offset - whole;
  if (fraction > 0.5L || (fraction == 0.5L && std::fmod(whole, 2.0L) != 0))
    whole += 1;
  return whole >= kLimit ? std::numeric_limits<int64_t>::max() : static_cast<int64_t>(whole);
}

} // namespace

std::vector<int64_t> ComputedByteDivisions(int64_t Total, int32_t Parts) {
  if (Parts < 1)
    return {};
  const float q = static_cast<float>(static_cast<long double>(Total) / Parts);
  std::vector<int64_t> ends(static_cast<size_t>(Parts));
  for (int32_t i = 0; i < Parts; ++i)
    ends[static_cast<size_t>(i)] = RoundedOffset(static_cast<long double>(i + 1) * q);
  return ends;
}

} // namespace textcore
