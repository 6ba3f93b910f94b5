// Capital, lower-case and punctuation tests at sentence and word edges.
#include "strings/sentence_edges.h"

#include "platform/nls_char_types.h"

namespace textcore {

namespace {

size_t StartIndex(int32_t pos) { return pos < 1 ? 0 : static_cast<size_t>(pos) - 1; }

// A letter, number or currency sign: what makes text end in something other than punctuation,
// or, bar the lower-case letters, what stops the search for a lower-case start.
bool IsWordLike(TUnicodeCategory category) {
  switch (category) {
  case ucLl:
  case ucLt:
  case ucLu:
  case ucNd:
  case ucNl:
  case ucNo:
  case ucSc:
    return true;
  default:
    return false;
  }
}

} // namespace

bool FirstLetterIsCapitalised(StringView s) {
  return !s.empty() && UnicodeCategoryOf(s[0]) == ucLu;
}

bool NextWordCapitalised(StringView s, int32_t pos) {
  size_t i = StartIndex(pos);
  while (i + 1 < s.size() && !IsUnicodeLetterOrDigit(s[i]))
    ++i;
  return i < s.size() && UnicodeCategoryOf(s[i]) == ucLu;
}

char16_t FirstCharIsLowerCase(StringView s) {
  for (char16_t c : s) {
    const TUnicodeCategory category = UnicodeCategoryOf(c);
    if (category == ucLl)
      return c;
    if (IsWordLike(category))
      return 0;
  }
  return 0;
}

bool LastCharIsNotPunctuation(StringView s) {
  for (size_t i = s.size(); i-- > 0;) {
    const TUnicodeCategory category = UnicodeCategoryOf(s[i]);
    if (IsWordLike(category))
      return true;
    if (IsPunctuationCategory(category))
      return false;
  }
  return false;
}

bool NextValidCharIsPunctuation(int32_t from, StringView s) {
  for (size_t i = StartIndex(from); i < s.size(); ++i) {
    const char16_t c = s[i];
    if (IsUnicodeLetterOrDigit(c))
      return false;
    if (c <= u' ' || IsUnicodeWhiteSpace(c))
      continue;
    return IsPunctuationCategory(UnicodeCategoryOf(c));
  }
  return false;
}

} // namespace textcore
