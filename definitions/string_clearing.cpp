// Clean-ups of settings text.
#include "definitions/string_clearing.h"

namespace textcore {

String CutOutsideQuotes(StringView s) {
  if (!s.empty() && s.front() == u'"' && s.back() == u'"')
    return String(s.size() == 1 ? StringView() : s.substr(1, s.size() - 2));
  return String(s);
}

String ChrClearedFromString(char16_t c, StringView s) {
  String text;
  for (char16_t unit : s)
    if (unit != c)
      text += unit;
  return text;
}

String SubStrClearedFromString(StringView sub, StringView s) {
  return StringReplace(s, sub, u"", {rfReplaceAll});
}

} // namespace textcore
