// The UTF-8 encoder and decoder, with ASCII runs widened sixteen bytes at a time (eight where the
// machine lacks SSE2): most of every corpus is ASCII.
#include "platform/utf.h"

#include "platform/unit_scan.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace textcore {

namespace {

constexpr uint64_t kHighBits = 0x8080808080808080ull;

bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// What a lead byte needs: the continuation bytes after it and the range its first one must lie
// in, which rules out overlong forms, encoded surrogates and code points beyond U+10FFFF.
struct Lead {
  int extra;
  unsigned char low, high;
  char32_t bits;
};

bool LeadOf(unsigned char b, Lead &lead) {
  if (b >= 0xC2 && b <= 0xDF)
    lead = {1, 0x80, 0xBF, b & 0x1Fu};
  else if (b == 0xE0)
    lead = {2, 0xA0, 0xBF, 0};
  else if (b == 0xED)
    lead = {2, 0x80, 0x9F, 0xD};
  else if (b >= 0xE1 && b <= 0xEF)
    lead = {2, 0x80, 0xBF, b & 0x0Fu};
  else if (b == 0xF0)
    lead = {3, 0x90, 0xBF, 0};
  else if (b >= 0xF1 && b <= 0xF3)
    lead = {3, 0x80, 0xBF, b & 0x07u};
  else if (b == 0xF4)
    lead = {3, 0x80, 0x8F, 4};
  else
    return false;
  return true;
}

// Reads the sequence that starts at p (a byte of 0x80 or more): how many bytes of it fit, the
// lead included (0 for a byte that cannot lead), and the code point they make. A sequence is
// complete when taken exceeds lead.extra; otherwise the bytes taken are one ill-formed stretch.
int ReadSequence(const unsigned char *p, const unsigned char *end, Lead &lead, char32_t &c) {
  int taken = 0;
  if (LeadOf(*p, lead)) {
    c = lead.bits;
    taken = 1;
    if (end - p > 1 && p[1] >= lead.low && p[1] <= lead.high) {
      c = (c << 6) | (p[1] & 0x3F);
      taken = 2;
      while (taken <= lead.extra && end - p > taken && IsContinuation(p[taken]))
        c = (c << 6) | (p[taken++] & 0x3F);
    }
  }
  return taken;
}

// Widens the ASCII run at the start of [p, end) into dest, whole blocks only: the caller finishes
// the run byte by byte.
void WidenAsciiBlocks(const unsigned char *&p, const unsigned char *end, char16_t *&dest) {
#if defined(__SSE2__)
  const __m128i zero = _mm_setzero_si128();
  while (end - p >= 16) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
    if (_mm_movemask_epi8(block) != 0)
      break;
    _mm_storeu_si128(reinterpret_cast<__m128i *>(dest), _mm_unpacklo_epi8(block, zero));
    _mm_storeu_si128(reinterpret_cast<__m128i *>(dest + 8), _mm_unpackhi_epi8(block, zero));
    dest += 16, p += 16;
  }
#endif
  while (end - p >= 8) {
    uint64_t block;
    std::memcpy(&block, p, 8);
    if (block & kHighBits)
      break;
    for (int k = 0; k < 8; ++k)
      dest[k] = p[k];
    dest += 8, p += 8;
  }
}

} // namespace

size_t CharacterCount(std::u16string_view text) {
  // Pairs are rare: the units below the first surrogate are passed over a block at a time.
  const char16_t *const begin = text.data();
  const char16_t *first = unit_scan::ScanForAtLeast(begin, begin + text.size(), char16_t{0xD800});
  if (first == nullptr)
    return text.size();
  size_t pairs = 0;
  for (size_t i = std::max<size_t>(1, static_cast<size_t>(first - begin) + 1); i < text.size(); ++i)
    pairs += IsLowSurrogate(text[i]) && IsHighSurrogate(text[i - 1]);
  return text.size() - pairs;
}

bool EncodeUTF8(std::u16string_view text, std::string &out, bool strict) {
  // Three bytes per unit at most: a pair of units takes four.
  out.resize(text.size() * 3);
  char *dest = out.data();
  // The bytes written may alias anything, so the text is read through locals the writes cannot
  // touch.
  const char16_t *const src = text.data();
  const size_t n = text.size();
  for (size_t i = 0; i < n;) {
    const char16_t unit = src[i];
    if (unit < 0x80) {
      *dest++ = static_cast<char>(unit);
      ++i;
    } else if (unit < 0x800) {
      dest[0] = static_cast<char>(0xC0 | (unit >> 6));
      dest[1] = static_cast<char>(0x80 | (unit & 0x3F));
      dest += 2;
      ++i;
    } else {
      bool lone = false;
      size_t next = i;
      const char32_t c = NextCodePoint(std::u16string_view(src, n), next, lone);
      if (lone && strict)
        return false;
      dest = PutUTF8(dest, c);
      i = next;
    }
  }
  out.resize(static_cast<size_t>(dest - out.data()));
  return true;
}

int64_t DecodeUTF8(std::string_view bytes, char16_t *dest, bool strict) {
  const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
  const unsigned char *const end = p + bytes.size();
  char16_t *const start = dest;
  while (p < end) {
    WidenAsciiBlocks(p, end, dest);
    if (p >= end)
      break;
    if (*p < 0x80) {
      *dest++ = *p++;
      continue;
    }
    // Two-byte letters (Latin, Greek, Cyrillic, Hebrew, Arabic) go straight through.
    if (*p >= 0xC2 && *p <= 0xDF && end - p > 1 && IsContinuation(p[1])) {
      *dest++ = static_cast<char16_t>(((p[0] & 0x1F) << 6) | (p[1] & 0x3F));
      p += 2;
      continue;
    }
    Lead lead;
    char32_t c = 0;
    const int taken = ReadSequence(p, end, lead, c);
    if (taken == 0 || taken <= lead.extra) {
      if (strict)
        return -1;
      *dest++ = static_cast<char16_t>(kReplacementCharacter);
      p += taken == 0 ? 1 : taken;
      continue;
    }
    p += taken;
    if (c < 0x10000) {
      *dest++ = static_cast<char16_t>(c);
    } else {
      c -= 0x10000;
      *dest++ = static_cast<char16_t>(0xD800 + (c >> 10));
      *dest++ = static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    }
  }
  return dest - start;
}

size_t UTF8StretchAt(std::string_view bytes, bool &cut) {
  cut = false;
  if (bytes.empty())
    return 0;
  const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
  if (*p < 0x80)
    return 1;
  Lead lead;
  char32_t c = 0;
  const int taken = ReadSequence(p, p + bytes.size(), lead, c);
  if (taken == 0)
    return 1;
  // Short of a whole sequence with nothing left to look at: the next byte decides.
  cut = taken <= lead.extra && static_cast<size_t>(taken) == bytes.size();
  return static_cast<size_t>(taken);
}

} // namespace textcore
