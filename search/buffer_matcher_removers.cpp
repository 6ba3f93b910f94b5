// In-place character removal and replacement, and the integer scan.
#include "search/buffer_matcher_removers.h"

#include <algorithm>

namespace textcore {
namespace {

template <typename Unit> int32_t RemoveUnit(Unit *text, Unit c, int32_t length) {
  if (text == nullptr || length <= 0)
    return 0;
  Unit *out = std::remove(text, text + length, c);
  *out = Unit{};
  return static_cast<int32_t>(out - text);
}

} // namespace

int32_t RemoveCharA(char *text, char c, int32_t length) { return RemoveUnit(text, c, length); }

int32_t RemoveCharW(char16_t *text, char16_t c, int32_t length) {
  return RemoveUnit(text, c, length);
}

void ReplaceChar1ByChar2W(char16_t *text, char16_t c1, char16_t c2, int32_t length) {
  if (text != nullptr && length > 0)
    std::replace(text, text + length, c1, c2);
}

int32_t ScanForInt(int32_t value, std::span<const int32_t> values, int32_t count) {
  const int32_t n = std::clamp<int32_t>(count, 0, static_cast<int32_t>(values.size()));
  for (int32_t i = 0; i < n; ++i)
    if (values[i] == value)
      return i + 1;
  return 0;
}

} // namespace textcore
