// Number codes; see number_codes.h. Both passes copy forward into a new string, so each costs
// time in proportion to the text, and what a code yields is never looked at again.
#include "strings/number_codes.h"

#include "core/yield.h"

namespace textcore {

namespace {

constexpr StringView kOpen = u"{CHR(";
constexpr StringView kClose = u")}";
constexpr char16_t kHashSymbol = u'\u001B';

char16_t AsciiUpper(char16_t c) { return c >= u'a' && c <= u'z' ? c - (u'a' - u'A') : c; }

// "{CHR(" at or after from, ASCII letters in any case; npos if none. Only ASCII letters are
// folded, so a position here is a position in s ("ß" would become "SS" in full upper-casing).
size_t FindOpen(StringView s, size_t from) {
  for (size_t at = s.find(u'{', from); at != StringView::npos; at = s.find(u'{', at + 1)) {
    if (s.size() - at < kOpen.size())
      return StringView::npos;
    size_t i = 1;
    while (i < kOpen.size() && AsciiUpper(s[at + i]) == kOpen[i])
      ++i;
    if (i == kOpen.size())
      return at;
  }
  return StringView::npos;
}

String ConvertBracedCodes(StringView s, int32_t &last) {
  String out;
  out.reserve(s.size());
  size_t read = 0;
  for (size_t open = FindOpen(s, 0); open != StringView::npos;) {
    MyYieldProcess();
    const size_t middle = open + kOpen.size();
    const size_t close = s.find(kClose, middle);
    if (close == StringView::npos)
      break;
    int32_t value = 0;
    if (TryStrToInt(s.substr(middle, close - middle), value)) {
      out.append(s.substr(read, open - read));
      out += static_cast<char16_t>(value & 0xFFFF);
      last = value;
      read = close + kClose.size();
      open = FindOpen(s, read);
    } else {
      open = FindOpen(s, open + 1);
    }
  }
  out.append(s.substr(read));
  return out;
}

String ConvertHashCodes(StringView s, int32_t &last) {
  String out;
  out.reserve(s.size());
  size_t read = 0;
  for (size_t hash; (hash = s.find(u'#', read)) != StringView::npos;) {
    MyYieldProcess();
    size_t end = hash + 1;
    while (end < s.size() && s[end] >= u'0' && s[end] <= u'9')
      ++end;
    out.append(s.substr(read, hash - read));
    int32_t value = 0;
    if (end > hash + 1 && TryDecimalToInt(s.substr(hash + 1, end - hash - 1), value)) {
      out += static_cast<char16_t>(value & 0xFFFF);
      last = value;
      read = end;
    } else {
      out += u'#';
      read = hash + 1;
    }
  }
  out.append(s.substr(read));
  return out;
}

} // namespace

bool IsHashSymbol(char16_t c) { return c == kHashSymbol; }

bool IsHashOrBrace(char16_t c) { return c == u'#' || c == u'{'; }

int32_t MyFormatValidNumberStr(String &s) {
  int32_t last = -1;
  s = ConvertBracedCodes(s, last);
  s = ConvertHashCodes(s, last);
  return last;
}

} // namespace textcore
