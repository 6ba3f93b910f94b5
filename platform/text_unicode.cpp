// The statistical UTF-16 test.
#include "platform/text_unicode.h"

#include "platform/utf.h"

#include <algorithm>
#include <bitset>
#include <string_view>

namespace textcore {

namespace {

bool AllPrintableAscii(const uint8_t *b, size_t n) {
  for (size_t i = 0; i < n; ++i)
    if (!((b[i] >= 0x20 && b[i] < 0x7F) || b[i] == '\t' || b[i] == '\n' || b[i] == '\r'))
      return false;
  return true;
}

// Well-formed UTF-8 holding at least one multi-byte sequence; a sequence cut by the end of the
// window does not count against it.
bool MultiByteUtf8(const uint8_t *b, size_t n) {
  size_t cut = n;
  // Back over a sequence that the window's end may have cut: up to three bytes.
  for (size_t k = 1; k <= 3 && k <= n; ++k)
    if ((b[n - k] & 0xC0) != 0x80) {
      if (b[n - k] >= 0xC0)
        cut = n - k;
      break;
    }
  std::u16string units(cut, u'\0');
  const std::string_view bytes(reinterpret_cast<const char *>(b), cut);
  const bool multi_byte = std::any_of(b, b + cut, [](uint8_t c) { return c >= 0x80; });
  return multi_byte && DecodeUTF8(bytes, units.data(), true) >= 0;
}

bool LooksLikeUtf16(const uint8_t *b, size_t n, bool reversed) {
  const size_t units = n / 2;
  if (units == 0)
    return false;
  std::bitset<256> highs, lows;
  size_t zero_high = 0, zero_low = 0;
  for (size_t i = 0; i < units; ++i) {
    const uint8_t lo = reversed ? b[2 * i + 1] : b[2 * i];
    const uint8_t hi = reversed ? b[2 * i] : b[2 * i + 1];
    const char16_t c = static_cast<char16_t>(lo | (hi << 8));
    if (c == 0xFFFE || c == 0xFFFF || (c == 0 && i + 1 != units) ||
        (c < 0x20 && c != 0 && c != u'\t' && c != u'\n' && c != u'\r' && c != u'\f'))
      return false;
    if (IsHighSurrogate(c)) {
      const bool paired =
          i + 1 < units &&
          IsLowSurrogate(static_cast<char16_t>(reversed ? (b[2 * i + 3] | (b[2 * i + 2] << 8))
                                                        : (b[2 * i + 2] | (b[2 * i + 3] << 8))));
      // A pair cut by the window's end is no fault of the text.
      if (!paired && i + 1 != units)
        return false;
      ++i;
      continue;
    }
    if (IsLowSurrogate(c))
      return false;
    highs.set(hi);
    lows.set(lo);
    zero_high += hi == 0;
    zero_low += lo == 0;
  }
  if (2 * zero_high >= units && 20 * zero_low <= units)
    return true;
  return units >= 16 && 2 * highs.count() <= lows.count();
}

bool Test(const void *buffer, int64_t size, bool reversed) {
  if (buffer == nullptr || size < 2)
    return false;
  const auto *b = static_cast<const uint8_t *>(buffer);
  const size_t n = static_cast<size_t>(std::min(size, kTextUnicodeWindow)) & ~size_t{1};
  if (AllPrintableAscii(b, n) || MultiByteUtf8(b, n))
    return false;
  return LooksLikeUtf16(b, n, reversed);
}

} // namespace

bool IsTextUnicode(const void *buffer, int64_t size) { return Test(buffer, size, false); }

bool IsTextUnicodeReversed(const void *buffer, int64_t size) { return Test(buffer, size, true); }

} // namespace textcore
