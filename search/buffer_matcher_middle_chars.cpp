// Middle characters: class changes that make a word or a number hold together.
#include "search/buffer_matcher_middle_chars.h"

#include "platform/unit_scan.h"
#include "search/buffer_matcher_classes.h"

#include <algorithm>

namespace textcore {
namespace {

using namespace match_class;

// The class a middle character at k takes, or 0 when it must be left alone. Its neighbours are
// sought (markup passed over) in [lo, hi) only; none there counts as no word.
uint16_t MiddleClass(const uint16_t *classes, int32_t k, int32_t lo, int32_t hi, bool may_end_word,
                     bool may_start_word) {
  uint16_t result = kMiddleLetter;
  if (!may_start_word) {
    int32_t j = k - 1;
    while (j >= lo && IsMarkup(classes[j]))
      --j;
    if (j < lo || !IsWord(classes[j]))
      return 0;
    if (IsDigit(classes[j]))
      result = kMiddleDigit;
  }
  if (!may_end_word) {
    int32_t j = k + 1;
    while (j < hi && IsMarkup(classes[j]))
      ++j;
    if (j >= hi || !IsWord(classes[j]))
      return 0;
    if (IsDigit(classes[j]))
      result = kMiddleDigit;
  }
  return result;
}

// The occurrences of c1 and c2 at [from, to), neighbours sought at most reach units away within
// [0, length).
template <typename Unit>
void MarkMiddles(const Unit *text, uint16_t *classes, Unit c1, Unit c2, int32_t length,
                 int32_t from, int32_t to, int32_t reach, bool may_end_word, bool may_start_word) {
  const Unit *end = text + to;
  for (const Unit *p = unit_scan::ScanForEither(text + from, end, c1, c2); p != nullptr;
       p = unit_scan::ScanForEither(p + 1, end, c1, c2)) {
    const int32_t k = static_cast<int32_t>(p - text);
    if (IsMarker(classes[k]) || IsMarkup(classes[k]))
      continue;
    const int32_t lo = k - std::min(k, reach);
    const int32_t hi = k + 1 + std::min(length - k - 1, reach);
    if (const uint16_t cls = MiddleClass(classes, k, lo, hi, may_end_word, may_start_word))
      classes[k] = cls;
  }
}

template <typename Unit>
void JoinNumbers(const Unit *text, uint16_t *classes, int32_t length, bool space_allowed) {
  for (int32_t k = 0; k + 2 < length; ++k) {
    if (!IsDigit(classes[k]) || IsDigit(classes[k + 1]) || IsMarker(classes[k + 1]) ||
        !IsDigit(classes[k + 2]))
      continue;
    const char16_t c = static_cast<char16_t>(text[k + 1]);
    if (c == u'\u00B7' || c == u'.' || c == u',' || (space_allowed && c == u' '))
      classes[k + 1] = kMiddleDigit;
  }
}

} // namespace

void HandleMiddleChars(const void *text, uint16_t *classes, const String &allowed,
                       uint16_t allowed_count, int32_t length, bool wide, bool may_end_word,
                       bool may_start_word) {
  const int32_t count = std::min<int32_t>(allowed_count, static_cast<int32_t>(allowed.size()));
  if (count == 0 || length <= 0 || text == nullptr || classes == nullptr)
    return;
  for (int32_t i = 0; i < count; ++i) {
    if (wide)
      MarkMiddles(static_cast<const char16_t *>(text), classes, allowed[i], allowed[i], length, 0,
                  length, length, may_end_word, may_start_word);
    else if (allowed[i] <= 0xFF) // a wider character has no byte here without a code page
      MarkMiddles(static_cast<const char *>(text), classes, static_cast<char>(allowed[i]),
                  static_cast<char>(allowed[i]), length, 0, length, length, may_end_word,
                  may_start_word);
  }
}

void HandleMiddleCharsWithin(const char16_t *text, uint16_t *classes, StringView allowed,
                             int32_t length, int32_t from, int32_t to, int32_t reach) {
  if (text == nullptr || classes == nullptr || from >= to)
    return;
  // Two characters a pass.
  for (size_t i = 0; i < allowed.size(); i += 2)
    MarkMiddles(text, classes, allowed[i], allowed[std::min(i + 1, allowed.size() - 1)], length,
                from, to, std::max(reach, 0), false, false);
}

void HandleMiddleCharsInNumbers(bool wide, bool space_allowed, const void *text, uint16_t *classes,
                                int32_t length) {
  if (text == nullptr || classes == nullptr)
    return;
  if (wide)
    JoinNumbers(static_cast<const char16_t *>(text), classes, length, space_allowed);
  else
    JoinNumbers(static_cast<const uint8_t *>(text), classes, length, space_allowed);
}

} // namespace textcore
