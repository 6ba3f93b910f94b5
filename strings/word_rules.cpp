// Word runs, word boundaries and the loose number test, all by Unicode category.
#include "strings/word_rules.h"

#include "platform/nls_char_types.h"

namespace textcore {

namespace {

// Whether the character at 1-based pos is a letter or digit; nothing outside the text is.
bool LetterOrDigitAt(StringView s, int64_t pos) {
  return pos >= 1 && pos <= static_cast<int64_t>(s.size()) &&
         IsUnicodeLetterOrDigit(s[static_cast<size_t>(pos - 1)]);
}

} // namespace

int32_t BasicWordCount(StringView s) {
  const uint8_t *properties = UnicodePropertyTable();
  int32_t words = 0;
  bool in_word = false;
  for (char16_t c : s) {
    const bool letter = IsLetterOrDigitCategory(properties[c] & kUnicodeCategoryMask);
    words += letter && !in_word;
    in_word = letter;
  }
  return words;
}

bool ContainsAlphanumCharacter(StringView s) {
  for (char16_t c : s)
    if (IsUnicodeLetterOrDigit(c))
      return true;
  return false;
}

bool BoundedAtLeft(StringView s, int32_t first, int32_t) {
  if (first < 1 || first > static_cast<int64_t>(s.size()) + 1)
    return false;
  return first == 1 || !LetterOrDigitAt(s, int64_t{first} - 1);
}

bool BoundedAtRight(StringView s, int32_t, int32_t last) {
  if (last < 0 || last > static_cast<int64_t>(s.size()))
    return false;
  return !LetterOrDigitAt(s, int64_t{last} + 1);
}

bool BoundedWholeWord(StringView s, int32_t first, int32_t last) {
  return BoundedAtLeft(s, first, last) && BoundedAtRight(s, first, last);
}

bool IsWholeWord(StringView s, int32_t first, int32_t after) {
  if (first > 1 && LetterOrDigitAt(s, int64_t{first} - 1))
    return false;
  return !LetterOrDigitAt(s, after);
}

bool IsANumber(StringView s) {
  int32_t value;
  if (TryStrToInt(s, value))
    return true;
  for (char16_t c : s)
    if (UnicodeCategoryOf(c) != ucNd && c != u'%' && c != u',' && c != u'.')
      return false;
  return true;
}

} // namespace textcore
