// Block scans over 8-bit and 16-bit text units, shared by the buffer primitives and the UTF-16
// helpers of the host runtime.
//
// They look at 16 bytes at a time where the machine has SSE2 (every x86-64 does) and fall back
// to plain loops elsewhere; either way the answers are the same as a unit-by-unit loop's. All
// loads stay inside [begin, end): the tails are finished unit by unit.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace textcore::unit_scan {

#if defined(__SSE2__)

template <typename Unit> struct Lanes;

template <> struct Lanes<char> {
  static constexpr int kUnitShift = 0;
  static __m128i Splat(char c) { return _mm_set1_epi8(c); }
  static __m128i Equal(__m128i a, __m128i b) { return _mm_cmpeq_epi8(a, b); }
  static __m128i SubtractSaturated(__m128i a, __m128i b) { return _mm_subs_epu8(a, b); }
  static __m128i Subtract(__m128i a, __m128i b) { return _mm_sub_epi8(a, b); }
};

template <> struct Lanes<char16_t> {
  static constexpr int kUnitShift = 1;
  static __m128i Splat(char16_t c) { return _mm_set1_epi16(static_cast<int16_t>(c)); }
  static __m128i Equal(__m128i a, __m128i b) { return _mm_cmpeq_epi16(a, b); }
  static __m128i SubtractSaturated(__m128i a, __m128i b) { return _mm_subs_epu16(a, b); }
  static __m128i Subtract(__m128i a, __m128i b) { return _mm_sub_epi16(a, b); }
};

template <typename Unit> constexpr ptrdiff_t kBlockUnits = 16 / sizeof(Unit);

inline __m128i Load(const void *p) { return _mm_loadu_si128(static_cast<const __m128i *>(p)); }

// The unit index of the lowest set bit of a byte mask.
template <typename Unit> inline ptrdiff_t FirstUnit(unsigned mask) {
  return static_cast<ptrdiff_t>(std::countr_zero(mask)) >> Lanes<Unit>::kUnitShift;
}

#endif

// The first unit equal to c in [p, end), or null.
template <typename Unit> const Unit *ScanFor(const Unit *p, const Unit *end, Unit c) {
#if defined(__SSE2__)
  using L = Lanes<Unit>;
  constexpr ptrdiff_t n = kBlockUnits<Unit>;
  const __m128i needle = L::Splat(c);
  while (end - p >= 4 * n) {
    __m128i e0 = L::Equal(Load(p), needle), e1 = L::Equal(Load(p + n), needle);
    __m128i e2 = L::Equal(Load(p + 2 * n), needle), e3 = L::Equal(Load(p + 3 * n), needle);
    if (_mm_movemask_epi8(_mm_or_si128(_mm_or_si128(e0, e1), _mm_or_si128(e2, e3))) != 0) {
      const __m128i hits[4] = {e0, e1, e2, e3};
      for (int k = 0; k < 4; ++k)
        if (unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(hits[k])))
          return p + k * n + FirstUnit<Unit>(mask);
    }
    p += 4 * n;
  }
  while (end - p >= n) {
    if (unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(L::Equal(Load(p), needle))))
      return p + FirstUnit<Unit>(mask);
    p += n;
  }
#endif
  for (; p < end; ++p)
    if (*p == c)
      return p;
  return nullptr;
}

// How many units of [p, end) equal c, and (in last) the last of them or null, in one pass.
template <typename Unit>
size_t CountAndLastOf(const Unit *p, const Unit *end, Unit c, const Unit *&last) {
  size_t count = 0;
  last = nullptr;
#if defined(__SSE2__)
  using L = Lanes<Unit>;
  constexpr ptrdiff_t n = kBlockUnits<Unit>;
  const __m128i wanted = L::Splat(c);
  for (; end - p >= n; p += n)
    if (unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(L::Equal(Load(p), wanted)))) {
      last = p + ((31 - std::countl_zero(mask)) >> L::kUnitShift);
      // Each unit sets as many mask bits as it has bytes; clearing the lowest bit each time
      // counts them, and the units found are few.
      size_t bits = 0;
      for (; mask != 0; mask &= mask - 1)
        ++bits;
      count += bits >> L::kUnitShift;
    }
#endif
  for (; p < end; ++p)
    if (*p == c) {
      ++count;
      last = p;
    }
  return count;
}

// The first unit equal to c1 or to c2 in [p, end), or null.
template <typename Unit>
const Unit *ScanForEither(const Unit *p, const Unit *end, Unit c1, Unit c2) {
#if defined(__SSE2__)
  using L = Lanes<Unit>;
  constexpr ptrdiff_t n = kBlockUnits<Unit>;
  const __m128i n1 = L::Splat(c1), n2 = L::Splat(c2);
  while (end - p >= 2 * n) {
    const __m128i b0 = Load(p), b1 = Load(p + n);
    const __m128i e0 = _mm_or_si128(L::Equal(b0, n1), L::Equal(b0, n2));
    const __m128i e1 = _mm_or_si128(L::Equal(b1, n1), L::Equal(b1, n2));
    if (_mm_movemask_epi8(_mm_or_si128(e0, e1)) != 0) {
      if (unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(e0)))
        return p + FirstUnit<Unit>(mask);
      return p + n + FirstUnit<Unit>(static_cast<unsigned>(_mm_movemask_epi8(e1)));
    }
    p += 2 * n;
  }
#endif
  for (; p < end; ++p)
    if (*p == c1 || *p == c2)
      return p;
  return nullptr;
}

// The first unit of bound or above in [p, end), or null; bound is at least 1. Units are taken
// unsigned. A unit is below bound exactly when subtracting bound - 1 saturates to zero.
template <typename Unit> const Unit *ScanForAtLeast(const Unit *p, const Unit *end, Unit bound) {
#if defined(__SSE2__)
  using L = Lanes<Unit>;
  constexpr ptrdiff_t n = kBlockUnits<Unit>;
  const __m128i below = L::Splat(static_cast<Unit>(bound - 1)), zero = _mm_setzero_si128();
  while (end - p >= 2 * n) {
    const __m128i e0 = L::SubtractSaturated(Load(p), below);
    const __m128i e1 = L::SubtractSaturated(Load(p + n), below);
    if (_mm_movemask_epi8(L::Equal(_mm_or_si128(e0, e1), zero)) != 0xFFFF) {
      if (unsigned mask = ~static_cast<unsigned>(_mm_movemask_epi8(L::Equal(e0, zero))) & 0xFFFFu)
        return p + FirstUnit<Unit>(mask);
      return p + n +
             FirstUnit<Unit>(~static_cast<unsigned>(_mm_movemask_epi8(L::Equal(e1, zero))) &
                             0xFFFFu);
    }
    p += 2 * n;
  }
#endif
  using Unsigned = std::make_unsigned_t<Unit>;
  for (; p < end; ++p)
    if (static_cast<Unsigned>(*p) >= static_cast<Unsigned>(bound))
      return p;
  return nullptr;
}

#if defined(__SSE2__)
// The lanes of x that lie outside [low, high] (low <= high, taken unsigned): those whose distance
// above low does not saturate away when high - low is taken from it.
template <typename Unit> inline __m128i Outside(__m128i x, __m128i low, __m128i span) {
  using L = Lanes<Unit>;
  return _mm_xor_si128(
      L::Equal(L::SubtractSaturated(L::Subtract(x, low), span), _mm_setzero_si128()),
      _mm_set1_epi8(-1));
}
#endif

// The first unit of [p, end) outside [low, high] (low <= high, units taken unsigned), or null.
template <typename Unit>
const Unit *ScanForOutside(const Unit *p, const Unit *end, Unit low, Unit high) {
  using Unsigned = std::make_unsigned_t<Unit>;
  const auto span_of =
      static_cast<Unsigned>(static_cast<Unsigned>(high) - static_cast<Unsigned>(low));
#if defined(__SSE2__)
  using L = Lanes<Unit>;
  constexpr ptrdiff_t n = kBlockUnits<Unit>;
  const __m128i lows = L::Splat(low), span = L::Splat(static_cast<Unit>(span_of));
  for (; end - p >= n; p += n)
    if (unsigned mask =
            static_cast<unsigned>(_mm_movemask_epi8(Outside<Unit>(Load(p), lows, span))))
      return p + FirstUnit<Unit>(mask);
#endif
  for (; p < end; ++p)
    if (static_cast<Unsigned>(static_cast<Unsigned>(*p) - static_cast<Unsigned>(low)) > span_of)
      return p;
  return nullptr;
}

// The last unit of [p, end) outside [low, high] (as ScanForOutside), or null.
template <typename Unit>
const Unit *LastOutside(const Unit *p, const Unit *end, Unit low, Unit high) {
  using Unsigned = std::make_unsigned_t<Unit>;
  const auto span_of =
      static_cast<Unsigned>(static_cast<Unsigned>(high) - static_cast<Unsigned>(low));
#if defined(__SSE2__)
  using L = Lanes<Unit>;
  constexpr ptrdiff_t n = kBlockUnits<Unit>;
  const __m128i lows = L::Splat(low), span = L::Splat(static_cast<Unit>(span_of));
  for (; end - p >= n; end -= n)
    if (const unsigned mask =
            static_cast<unsigned>(_mm_movemask_epi8(Outside<Unit>(Load(end - n), lows, span))))
      return end - n + ((31 - std::countl_zero(mask)) >> L::kUnitShift);
#endif
  while (end > p) {
    --end;
    if (static_cast<Unsigned>(static_cast<Unsigned>(*end) - static_cast<Unsigned>(low)) > span_of)
      return end;
  }
  return nullptr;
}

// The index of the first unit where a and b differ within count units, or count.
template <typename Unit> ptrdiff_t FirstDifference(const Unit *a, const Unit *b, ptrdiff_t count) {
  ptrdiff_t i = 0;
#if defined(__SSE2__)
  using L = Lanes<Unit>;
  constexpr ptrdiff_t n = kBlockUnits<Unit>;
  for (; count - i >= n; i += n) {
    const unsigned same =
        static_cast<unsigned>(_mm_movemask_epi8(L::Equal(Load(a + i), Load(b + i))));
    if (same != 0xFFFFu)
      return i + FirstUnit<Unit>(~same & 0xFFFFu);
  }
#endif
  for (; i < count; ++i)
    if (a[i] != b[i])
      return i;
  return count;
}

// The first position i in [p, end - 1) where both p[i] and p[i + 1] equal c, or null.
template <typename Unit> const Unit *ScanForPair(const Unit *p, const Unit *end, Unit c) {
#if defined(__SSE2__)
  using L = Lanes<Unit>;
  constexpr ptrdiff_t n = kBlockUnits<Unit>;
  const __m128i needle = L::Splat(c);
  while (end - p > n) { // p[0 .. n] are all inside the range
    const __m128i both = _mm_and_si128(L::Equal(Load(p), needle), L::Equal(Load(p + 1), needle));
    if (unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(both)))
      return p + FirstUnit<Unit>(mask);
    p += n;
  }
#endif
  for (; end - p >= 2; ++p)
    if (p[0] == c && p[1] == c)
      return p;
  return nullptr;
}

// The first p in [begin, end) where p[0] is first1 or first2, p[gap] is last1 or last2, and
// verify(p) holds; or null. Filtering on the two ends of a pattern at once skips most of the
// false starts that a common first letter gives. The caller guarantees p[gap] is readable for
// every p before end.
template <typename Unit, typename Verify>
const Unit *ScanCandidates(const Unit *p, const Unit *end, Unit first1, Unit first2, Unit last1,
                           Unit last2, ptrdiff_t gap, Verify &&verify) {
#if defined(__SSE2__)
  using L = Lanes<Unit>;
  constexpr ptrdiff_t n = kBlockUnits<Unit>;
  constexpr unsigned kUnitBits = sizeof(Unit) == 2 ? 3u : 1u;
  const __m128i f1 = L::Splat(first1), f2 = L::Splat(first2);
  const __m128i l1 = L::Splat(last1), l2 = L::Splat(last2);
  for (; end - p >= n; p += n) {
    const __m128i head = Load(p), tail = Load(p + gap);
    const __m128i hits = _mm_and_si128(_mm_or_si128(L::Equal(head, f1), L::Equal(head, f2)),
                                       _mm_or_si128(L::Equal(tail, l1), L::Equal(tail, l2)));
    for (unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(hits)); mask != 0;) {
      const ptrdiff_t k = FirstUnit<Unit>(mask);
      if (verify(p + k))
        return p + k;
      mask &= ~(kUnitBits << (k * static_cast<ptrdiff_t>(sizeof(Unit))));
    }
  }
#endif
  for (; p < end; ++p)
    if ((*p == first1 || *p == first2) && (p[gap] == last1 || p[gap] == last2) && verify(p))
      return p;
  return nullptr;
}

} // namespace textcore::unit_scan
