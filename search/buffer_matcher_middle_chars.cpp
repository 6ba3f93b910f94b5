// Middle characters: class changes that make a word or a number hold together.
#include "search/buffer_matcher_middle_chars.h"

#include "core/unit_scan.h"
#include "search/buffer_matcher_classes.h"

#include <algorithm>

namespace textcore {
namespace {

using namespace match_class;

// The class a middle character at k takes, or 0 when it must be left alone.
uint16_t MiddleClass(const uint16_t *classes, int32_t k, int32_t length, bool may_end_word,
                     bool may_start_word) {
  uint16_t result = kMiddleLetter;
  if (!may_start_word) {
    int32_t j = k - 1;
    while (j >= 0 && IsMarkup(classes[j]))
      --j;
    if (j < 0 || !IsWord(classes[j]))
      return 0;
    if (IsDigit(classes[j]))
      result = kMiddleDigit;
  }
  if (!may_end_word) {
    int32_t j = k + 1;
    while (j < length && IsMarkup(classes[j]))
      ++j;
    if (j >= length || !IsWord(classes[j]))
      return 0;
    if (IsDigit(classes[j]))
      result = kMiddleDigit;
  }
  return result;
}

template <typename Unit>
void MarkMiddles(const Unit *text, uint16_t *classes, Unit c, int32_t length, bool may_end_word,
                 bool may_start_word) {
  const Unit *end = text + length;
  for (const Unit *p = unit_scan::ScanFor(text, end, c); p != nullptr;
       p = unit_scan::ScanFor(p + 1, end, c)) {
    const int32_t k = static_cast<int32_t>(p - text);
    if (IsMarker(classes[k]) || IsMarkup(classes[k]))
      continue;
    if (const uint16_t cls = MiddleClass(classes, k, length, may_end_word, may_start_word))
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
      MarkMiddles(static_cast<const char16_t *>(text), classes, allowed[i], length, may_end_word,
                  may_start_word);
    else if (allowed[i] <= 0xFF) // a wider character has no byte here without a code page
      MarkMiddles(static_cast<const char *>(text), classes, static_cast<char>(allowed[i]), length,
                  may_end_word, may_start_word);
  }
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
