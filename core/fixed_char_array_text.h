// Text in and out of the fixed character arrays of core/fixed_char_arrays.h.
//
// An array holds at most its size less one characters and a terminator. Arrays read from disk
// may have lost their terminator, so text is taken up to the first zero but never past the
// array's end; and text put into an array is cut so that no surrogate pair is split, since half
// a pair is no character at all.
#pragma once

#include "platform/strings.h"
#include "platform/utf.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace textcore {

// How many units of text fit in at most limit units without ending on the first half of a pair.
inline size_t UnitsThatFit(StringView text, size_t limit) {
  size_t units = std::min(text.size(), limit);
  if (IsSecondHalfOfPair(text, units))
    --units;
  return units;
}

// Zeroes the array, then copies as much of text as fits before the terminator.
template <size_t N> void StringToWideArray(StringView text, std::array<char16_t, N> &array) {
  static_assert(N > 0, "an array holds at least its terminator");
  array.fill(0);
  std::copy_n(text.begin(), UnitsThatFit(text, N - 1), array.begin());
}

// The characters up to the first zero, or all of them when there is none.
template <size_t N> String WideArrayToString(const std::array<char16_t, N> &array) {
  const auto end = std::find(array.begin(), array.end(), char16_t{0});
  return String(array.begin(), end);
}

} // namespace textcore
