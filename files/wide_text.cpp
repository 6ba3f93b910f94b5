// Wide-text helpers.
#include "files/wide_text.h"

#include "messages/message_names.h"

namespace textcore {

String DoubleAnyAmpersands(StringView s) {
  String out;
  out.reserve(s.size() + s.size() / 4);
  for (size_t i = 0; i < s.size(); ++i) {
    out += s[i];
    if (s[i] != u'&')
      continue;
    const bool followed = i + 1 < s.size() && s[i + 1] == u'&';
    const bool closes_a_pair = i + 1 == s.size() && i > 0 && s[i - 1] == u'&';
    if (!followed && !closes_a_pair)
      out += u'&';
  }
  return out;
}

void StrSwapByteOrder(char16_t *p) {
  if (p == nullptr)
    return;
  for (; *p != u'\0'; ++p)
    *p = static_cast<char16_t>((*p << 8) | (*p >> 8));
}

const char16_t *StrLScanW(const char16_t *p, char16_t c, uint32_t max_len) {
  if (p == nullptr || max_len == 0)
    return p;
  for (uint32_t i = 0; i < max_len; ++i)
    if (p[i] == c)
      return p + i;
  return nullptr;
}

char16_t *StrLScanW(char16_t *p, char16_t c, uint32_t max_len) {
  return const_cast<char16_t *>(StrLScanW(static_cast<const char16_t *>(p), c, max_len));
}

String Rightstr(StringView s, int32_t n) { return RightStr(s, n); }

String BooleanToStr(bool b) { return String(b ? _QMTrue.Text() : _QMFalse.Text()); }

bool StrToBoolean(StringView s) { return SameText(s, _QMTrue.Text()); }

} // namespace textcore
