// Searching, comparing and checksumming primitives of bare_assemb.h.
#include "core/bare_assemb.h"
#include "platform/unit_scan.h"

#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace textcore {

static_assert(std::endian::native == std::endian::little, "the checksums read little-endian words");

namespace {

template <typename Unit> ptrdiff_t PatternLength(const Unit *pattern) {
  ptrdiff_t n = 0;
  while (pattern[n] != 0)
    ++n;
  return n;
}

// Whether text[1 .. n) matches pattern[1 .. n); the first unit is already known to match.
template <typename Unit> bool RestMatches(const Unit *text, const Unit *pattern, ptrdiff_t n) {
  for (ptrdiff_t k = 1; k < n; ++k)
    if (text[k] != pattern[k])
      return false;
  return true;
}

template <typename Unit>
bool RestMatchesEither(const Unit *text, const Unit *v1, const Unit *v2, ptrdiff_t n) {
  for (ptrdiff_t k = 1; k < n; ++k)
    if (text[k] != v1[k] && text[k] != v2[k])
      return false;
  return true;
}

template <typename Unit> const Unit *StrPos(const Unit *text, const Unit *pattern, int32_t length) {
  if (text == nullptr || pattern == nullptr || length <= 0)
    return nullptr;
  const ptrdiff_t n = PatternLength(pattern);
  if (n == 0 || n > length)
    return nullptr;
  // Candidate starts are text[0 .. length - n]; the scan runs over exactly those.
  const Unit *candidates_end = text + (length - n + 1);
  if (n == 1)
    return unit_scan::ScanFor(text, candidates_end, pattern[0]);
  const Unit last = pattern[n - 1];
  return unit_scan::ScanCandidates(text, candidates_end, pattern[0], pattern[0], last, last, n - 1,
                                   [&](const Unit *p) { return RestMatches(p, pattern, n); });
}

template <typename Unit>
const Unit *StrIPos(const Unit *text, const Unit *v1, const Unit *v2, int32_t length) {
  if (text == nullptr || v1 == nullptr || v2 == nullptr || length <= 0)
    return nullptr;
  const ptrdiff_t n = PatternLength(v1);
  if (n == 0 || n != PatternLength(v2) || n > length)
    return nullptr;
  const Unit *candidates_end = text + (length - n + 1);
  if (n == 1)
    return unit_scan::ScanForEither(text, candidates_end, v1[0], v2[0]);
  return unit_scan::ScanCandidates(text, candidates_end, v1[0], v2[0], v1[n - 1], v2[n - 1], n - 1,
                                   [&](const Unit *p) { return RestMatchesEither(p, v1, v2, n); });
}

template <typename Unit> const Unit *StrScan(const Unit *text, Unit c, int32_t length) {
  if (text == nullptr || length <= 0)
    return nullptr;
  return unit_scan::ScanFor(text, text + length, c);
}

template <typename Unit> int32_t HowFar(const Unit *a, const Unit *b, int32_t count) {
  if (count <= 0)
    return 0;
  const ptrdiff_t k = unit_scan::FirstDifference(a, b, count);
  return k == count ? 0 : static_cast<int32_t>(count - k - 1);
}

} // namespace

const char *FastStrPos(const char *text, const char *pattern, int32_t length) {
  return StrPos(text, pattern, length);
}

const char16_t *FastStrPosW(const char16_t *text, const char16_t *pattern, int32_t length) {
  return StrPos(text, pattern, length);
}

const char *FastStrIPos(const char *text, const char *variant1, const char *variant2,
                        int32_t length) {
  return StrIPos(text, variant1, variant2, length);
}

const char16_t *FastStrIPosW(const char16_t *text, const char16_t *variant1,
                             const char16_t *variant2, int32_t length) {
  return StrIPos(text, variant1, variant2, length);
}

const char *FastStrScan(const char *text, char c, int32_t length) {
  return StrScan(text, c, length);
}

const char16_t *FastStrScanW(const char16_t *text, char16_t c, int32_t length) {
  return StrScan(text, c, length);
}

bool EqualContentsA(const char *a, const char *b, int32_t count) {
  return count <= 0 || std::memcmp(a, b, static_cast<size_t>(count)) == 0;
}

bool EqualContentsW(const char16_t *a, const char16_t *b, int32_t count) {
  return count <= 0 || std::memcmp(a, b, static_cast<size_t>(count) * 2) == 0;
}

int32_t HowFarEqualContentsA(const char *a, const char *b, int32_t count) {
  return HowFar(a, b, count);
}

int32_t HowFarEqualContentsW(const char16_t *a, const char16_t *b, int32_t count) {
  return HowFar(a, b, count);
}

uint16_t My2Checksum(const void *p, int32_t count) {
  const auto *bytes = static_cast<const uint8_t *>(p);
  uint32_t sum = 0;
  for (int32_t i = 0; i < count; ++i)
    sum += static_cast<uint32_t>(bytes[2 * i]) | static_cast<uint32_t>(bytes[2 * i + 1]) << 8;
  return static_cast<uint16_t>(sum);
}

uint32_t My4Checksum(const void *p, int32_t count) {
  if (count < 4)
    return 0;
  const auto *bytes = static_cast<const uint8_t *>(p);
  const size_t words = static_cast<size_t>(count) / 4;
  size_t i = 0;
  uint32_t sum = 0;
#if defined(__SSE2__)
  // Four lanes of 32-bit sums; wrap-around addition is the same in any order.
  __m128i acc0 = _mm_setzero_si128(), acc1 = _mm_setzero_si128();
  for (; words - i >= 8; i += 8) {
    acc0 = _mm_add_epi32(acc0, unit_scan::Load(bytes + 4 * i));
    acc1 = _mm_add_epi32(acc1, unit_scan::Load(bytes + 4 * i + 16));
  }
  alignas(16) uint32_t lanes[4];
  _mm_store_si128(reinterpret_cast<__m128i *>(lanes), _mm_add_epi32(acc0, acc1));
  sum = lanes[0] + lanes[1] + lanes[2] + lanes[3];
#endif
  for (; i < words; ++i) {
    uint32_t word;
    std::memcpy(&word, bytes + 4 * i, 4);
    sum += word;
  }
  return sum;
}

bool UnicodeSigned(const void *p) {
  const auto *b = static_cast<const uint8_t *>(p);
  return (b[0] == 0xFF && b[1] == 0xFE) || (b[0] == 0xFE && b[1] == 0xFF);
}

bool UnicodeByteReversed(const void *p) {
  const auto *b = static_cast<const uint8_t *>(p);
  return b[0] == 0xFE && b[1] == 0xFF;
}

} // namespace textcore
