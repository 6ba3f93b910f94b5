// White-space helpers by the Unicode White_Space property.
#include "strings/white_space.h"

#include "core/yield.h"
#include "platform/nls_char_types.h"

namespace textcore {

String WideTrimSpaceOnly(StringView s) {
  size_t first = 0, end = s.size();
  while (first < end && IsUnicodeWhiteSpace(s[first]))
    ++first;
  while (end > first && IsUnicodeWhiteSpace(s[end - 1]))
    --end;
  return String(s.substr(first, end - first));
}

String StrippedDoubleSpaces(StringView s) {
  String out;
  out.reserve(s.size());
  for (char16_t c : s) {
    MyYieldProcess();
    if (c != u' ' || out.empty() || out.back() != u' ')
      out += c;
  }
  return out;
}

int32_t FirstCharPosAboveSpace(StringView s) {
  for (size_t i = 0; i < s.size(); ++i)
    if (s[i] > u' ')
      return static_cast<int32_t>(i + 1);
  return -1;
}

String AddToListWithSeparatorIfNeeded(StringView list, StringView item, StringView separator) {
  String out(list);
  if (!out.empty())
    out.append(separator);
  out.append(item);
  return out;
}

} // namespace textcore
