// CLDR pattern letters to the framework's.
#include "platform/nls_date_patterns.h"

namespace textcore {

namespace {

bool IsPatternLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

String Repeat(char16_t c, size_t n) { return String(n, c); }

// The framework's form of a run of count copies of one CLDR letter; "" to drop it.
String FieldOf(char16_t letter, size_t count, DatePatternUse use) {
  switch (letter) {
  case u'y':
  case u'u':
  case u'Y':
    return use != DatePatternUse::kShortDate && count == 2 ? u"yy" : u"yyyy";
  case u'M':
  case u'L':
    return Repeat(u'M', count < 4 ? count : 4);
  case u'd':
    return Repeat(u'd', count < 2 ? count : 2);
  case u'E':
  case u'c':
  case u'e':
    return count >= 4 ? u"dddd" : u"ddd";
  case u'h':
  case u'K':
    return Repeat(u'h', count < 2 ? count : 2);
  case u'H':
  case u'k':
    return Repeat(u'H', count < 2 ? count : 2);
  case u'm':
  case u's':
    return Repeat(letter, count < 2 ? count : 2);
  case u'a':
  case u'b':
  case u'B':
    return u"tt";
  case u'G':
    return u"gg";
  default: // time zones, fractions of a second, week numbers: nothing the framework writes
    return String();
  }
}

void TrimTrailingSpace(String &s) {
  while (!s.empty() && s.back() == u' ')
    s.pop_back();
}

} // namespace

String WindowsDatePattern(StringView icu_pattern, DatePatternUse use) {
  String out;
  size_t i = 0;
  while (i < icu_pattern.size()) {
    char16_t c = icu_pattern[i];
    if (c == u'\'') {
      size_t end = i + 1;
      while (end < icu_pattern.size() && icu_pattern[end] != u'\'')
        ++end;
      out.append(icu_pattern.substr(i, end + 1 - i)); // "''" stays a quote, as it was
      i = end + 1;
    } else if (IsPatternLetter(c)) {
      size_t end = i;
      while (end < icu_pattern.size() && icu_pattern[end] == c)
        ++end;
      String field = FieldOf(c, end - i, use);
      if (field.empty())
        TrimTrailingSpace(out);
      out += field;
      i = end;
    } else {
      out += (c == u'\u202F' || c == u'\u00A0') ? u' ' : c;
      ++i;
    }
  }
  TrimTrailingSpace(out);
  return out;
}

String PatternSeparator(StringView pattern) {
  bool after_field = false;
  for (size_t i = 0; i < pattern.size(); ++i) {
    char16_t c = pattern[i];
    if (IsPatternLetter(c))
      after_field = true;
    else if (after_field && c != u' ' && c != u'\'')
      return String(1, c);
  }
  return String();
}

} // namespace textcore
