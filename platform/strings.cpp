// String helpers of the host framework, over std::u16string.
#include "platform/strings.h"

#include "platform/exceptions.h"
#include "platform/utf.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace textcore {

namespace {

char16_t AsciiUpper(char16_t c) { return (c >= u'a' && c <= u'z') ? c - 32 : c; }
char16_t AsciiLower(char16_t c) { return (c >= u'A' && c <= u'Z') ? c + 32 : c; }

// Clips a 1-based index and count to s, giving a 0-based start and a length.
void Clip(size_t size, int32_t index, int32_t count, size_t &start, size_t &length) {
  start = 0;
  length = 0;
  if (count <= 0 || size == 0)
    return;
  int64_t first = std::max<int64_t>(index, 1) - 1;
  int64_t last = static_cast<int64_t>(index) - 1 + count; // exclusive
  last = std::min<int64_t>(last, static_cast<int64_t>(size));
  if (first >= last)
    return;
  start = static_cast<size_t>(first);
  length = static_cast<size_t>(last - first);
}

bool IsTrimmed(char16_t c) { return c <= u' '; }

} // namespace

String UTF8ToString(std::string_view utf8) {
  String out(utf8.size(), u'\0');
  out.resize(static_cast<size_t>(DecodeUTF8(utf8, out.data(), false)));
  return out;
}

std::string StringToUTF8(StringView text) {
  std::string out;
  EncodeUTF8(text, out, false);
  return out;
}

String ASCIIToString(std::string_view ascii) { return String(ascii.begin(), ascii.end()); }

int32_t Pos(StringView substr, StringView s, int32_t offset) {
  if (substr.empty() || offset < 1 || static_cast<size_t>(offset) > s.size())
    return 0;
  size_t found = s.find(substr, static_cast<size_t>(offset - 1));
  return found == StringView::npos ? 0 : static_cast<int32_t>(found + 1);
}

String Copy(StringView s, int32_t index, int32_t count) {
  size_t start, length;
  Clip(s.size(), index, count, start, length);
  return String(s.substr(start, length));
}

void Delete(String &s, int32_t index, int32_t count) {
  if (index < 1)
    return; // the framework ignored a start before the string
  size_t start, length;
  Clip(s.size(), index, count, start, length);
  s.erase(start, length);
}

void Insert(StringView source, String &s, int32_t index) {
  size_t at = static_cast<size_t>(
      std::clamp<int64_t>(static_cast<int64_t>(index) - 1, 0, static_cast<int64_t>(s.size())));
  s.insert(at, source);
}

String StringOfChar(char16_t c, int32_t count) {
  return count > 0 ? String(static_cast<size_t>(count), c) : String();
}

String LeftStr(StringView s, int32_t count) { return Copy(s, 1, count); }

String RightStr(StringView s, int32_t count) {
  if (count <= 0)
    return String();
  size_t n = std::min(s.size(), static_cast<size_t>(count));
  return String(s.substr(s.size() - n));
}

String Trim(StringView s) {
  size_t first = 0, last = s.size();
  while (first < last && IsTrimmed(s[first]))
    ++first;
  while (last > first && IsTrimmed(s[last - 1]))
    --last;
  return String(s.substr(first, last - first));
}

String TrimLeft(StringView s) {
  size_t first = 0;
  while (first < s.size() && IsTrimmed(s[first]))
    ++first;
  return String(s.substr(first));
}

String TrimRight(StringView s) {
  size_t last = s.size();
  while (last > 0 && IsTrimmed(s[last - 1]))
    --last;
  return String(s.substr(0, last));
}

String UpperCase(StringView s) {
  String out(s);
  for (char16_t &c : out)
    c = AsciiUpper(c);
  return out;
}

String LowerCase(StringView s) {
  String out(s);
  for (char16_t &c : out)
    c = AsciiLower(c);
  return out;
}

int32_t CompareStr(StringView a, StringView b) {
  int r = a.compare(b);
  return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

int32_t CompareText(StringView a, StringView b) {
  size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    char16_t x = AsciiUpper(a[i]), y = AsciiUpper(b[i]);
    if (x != y)
      return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool SameText(StringView a, StringView b) { return a.size() == b.size() && CompareText(a, b) == 0; }
bool SameStr(StringView a, StringView b) { return a == b; }

String StringReplace(StringView s, StringView old_pattern, StringView new_pattern,
                     TReplaceFlags flags) {
  const bool replace_all = flags.Contains(rfReplaceAll);
  const bool ignore_case = flags.Contains(rfIgnoreCase);
  if (old_pattern.empty())
    return String(s);
  String haystack = ignore_case ? UpperCase(s) : String(s);
  String needle = ignore_case ? UpperCase(old_pattern) : String(old_pattern);
  String out;
  size_t from = 0;
  while (from <= haystack.size()) {
    size_t at = haystack.find(needle, from);
    if (at == String::npos)
      break;
    out.append(s.substr(from, at - from));
    out.append(new_pattern);
    from = at + needle.size();
    if (!replace_all)
      break;
  }
  out.append(s.substr(std::min(from, s.size())));
  return out;
}

String IntToStr(int64_t value) { return ASCIIToString(std::to_string(value)); }
String UIntToStr(uint64_t value) { return ASCIIToString(std::to_string(value)); }

String IntToHex(uint64_t value, int32_t digits) {
  static constexpr char16_t kHex[] = u"0123456789ABCDEF";
  String out;
  do {
    out.insert(out.begin(), kHex[value & 0xF]);
    value >>= 4;
  } while (value != 0);
  if (digits > 0 && out.size() < static_cast<size_t>(digits))
    out.insert(0, static_cast<size_t>(digits) - out.size(), u'0');
  return out;
}

bool TryStrToInt64(StringView s, int64_t &value) {
  size_t i = 0, n = s.size();
  while (i < n && s[i] == u' ')
    ++i;
  while (n > i && s[n - 1] == u' ')
    --n;
  bool negative = false;
  if (i < n && (s[i] == u'-' || s[i] == u'+'))
    negative = s[i++] == u'-';
  unsigned base = 10;
  if (i < n && s[i] == u'$') {
    base = 16, ++i;
  } else if (i + 1 < n && s[i] == u'0' && (s[i + 1] == u'x' || s[i + 1] == u'X')) {
    base = 16, i += 2;
  }
  if (i >= n)
    return false;
  // Accumulate the magnitude unsigned so that the most negative value is reachable.
  uint64_t magnitude = 0;
  const uint64_t limit = negative ? uint64_t{1} << 63 : std::numeric_limits<int64_t>::max();
  for (; i < n; ++i) {
    char16_t c = s[i];
    unsigned digit;
    if (c >= u'0' && c <= u'9')
      digit = c - u'0';
    else if (base == 16 && c >= u'a' && c <= u'f')
      digit = c - u'a' + 10;
    else if (base == 16 && c >= u'A' && c <= u'F')
      digit = c - u'A' + 10;
    else
      return false;
    if (magnitude > (limit - digit) / base)
      return false;
    magnitude = magnitude * base + digit;
  }
  value = negative ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude);
  return true;
}

bool TryStrToInt(StringView s, int32_t &value) {
  int64_t wide;
  if (!TryStrToInt64(s, wide) || wide < std::numeric_limits<int32_t>::min() ||
      wide > std::numeric_limits<int32_t>::max())
    return false;
  value = static_cast<int32_t>(wide);
  return true;
}

bool TryDecimalToInt(StringView s, int32_t &value) {
  const size_t sign = !s.empty() && (s[0] == u'-' || s[0] == u'+') ? 1 : 0;
  if (s.size() == sign ||
      !std::all_of(s.begin() + sign, s.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; }))
    return false;
  return TryStrToInt(s, value);
}

namespace {
[[noreturn]] void RaiseNotAnInteger(StringView s) {
  throw EConvertError(u"'" + String(s) + u"' is not a valid integer value");
}
} // namespace

int32_t StrToInt(StringView s) {
  int32_t value;
  if (!TryStrToInt(s, value))
    RaiseNotAnInteger(s);
  return value;
}

int64_t StrToInt64(StringView s) {
  int64_t value;
  if (!TryStrToInt64(s, value))
    RaiseNotAnInteger(s);
  return value;
}

int32_t StrToIntDef(StringView s, int32_t default_value) {
  int32_t value;
  return TryStrToInt(s, value) ? value : default_value;
}

int64_t StrToInt64Def(StringView s, int64_t default_value) {
  int64_t value;
  return TryStrToInt64(s, value) ? value : default_value;
}

String AnsiQuotedStr(StringView s, char16_t quote) {
  String out(1, quote);
  for (char16_t c : s) {
    out.push_back(c);
    if (c == quote)
      out.push_back(quote);
  }
  out.push_back(quote);
  return out;
}

String QuotedStr(StringView s) { return AnsiQuotedStr(s, u'\''); }

String AnsiDequotedStr(StringView s, char16_t quote) {
  if (s.empty() || s[0] != quote)
    return String(s);
  String out;
  size_t i = 1;
  while (i < s.size()) {
    if (s[i] == quote) {
      if (i + 1 < s.size() && s[i + 1] == quote) {
        out.push_back(quote);
        i += 2;
        continue;
      }
      return out; // closing quote
    }
    out.push_back(s[i++]);
  }
  return String(s); // never closed: the framework gave the text back unchanged
}

} // namespace textcore
