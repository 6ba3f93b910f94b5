// Case changes over platform's case tables and LCMapString.
#include "strings/case_changes.h"

#include "platform/nls_case.h"

#include <cstring>
#include <string>

namespace textcore {

namespace {

// Maps in place; the number of characters mapped, or -1 when the mapping failed.
int64_t MapInPlace(LCID locale, uint32_t direction, void *text, bool wide) {
  const uint32_t flags = direction | LCMAP_LINGUISTIC_CASING;
  if (wide) {
    auto *units = static_cast<char16_t *>(text);
    const size_t length = std::char_traits<char16_t>::length(units);
    LCMapCaseInPlace(locale, flags, units, length);
    return static_cast<int64_t>(length);
  }
  auto *bytes = static_cast<char *>(text);
  const size_t length = std::strlen(bytes);
  if (length == 0)
    return 0;
  if (length >= static_cast<size_t>(INT32_MAX))
    return -1;
  const auto count = static_cast<int32_t>(length);
  return LCMapStringA(locale, flags, bytes, count, bytes, count) == count ? count : -1;
}

bool StartsWord(char16_t previous) {
  if (previous < u'0')
    return true;
  switch (previous) {
  case u':':
  case u';':
  case u'<':
  case u'=':
  case u'>':
  case u'?':
  case u'@':
  case u'[':
  case u'\\':
  case u']':
  case u'^':
  case u'_':
  case u'`':
    return true;
  default:
    return false;
  }
}

String UpperedUnits(StringView s) {
  String out(s);
  for (char16_t &c : out)
    c = UpperCaseOfUnit(c);
  return out;
}

} // namespace

void *WinLowerCased(LCID locale, void *text, bool wide) {
  if (text != nullptr)
    MapInPlace(locale, LCMAP_LOWERCASE, text, wide);
  return text;
}

void *WinUpperCased(LCID locale, void *text, bool wide) {
  if (text != nullptr)
    MapInPlace(locale, LCMAP_UPPERCASE, text, wide);
  return text;
}

int32_t Capitalise(LCID locale, void *text, bool wide) {
  if (text == nullptr)
    return 0;
  const int64_t mapped = MapInPlace(locale, LCMAP_UPPERCASE, text, wide);
  return mapped < 0 || mapped > INT32_MAX ? 0 : static_cast<int32_t>(mapped);
}

String TitleCase(StringView s, bool each_word) {
  String out(s.size(), u'\0');
  for (size_t i = 0; i < s.size(); ++i) {
    const char16_t lower = LowerCaseOfUnit(s[i]);
    const bool starts = i == 0 || (each_word && StartsWord(out[i - 1]));
    out[i] = starts ? UpperCaseOfUnit(lower) : lower;
  }
  return out;
}

int32_t CaseInsensitivePos(StringView sub, StringView s) {
  return CaseInsensitiveUpperedPos(UpperedUnits(sub), s);
}

int32_t CaseInsensitiveUpperedPos(StringView upper_sub, StringView s) {
  return Pos(upper_sub, UpperedUnits(s));
}

} // namespace textcore
