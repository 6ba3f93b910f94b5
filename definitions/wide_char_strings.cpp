// Short fixed wide arrays and strings.
#include "definitions/wide_char_strings.h"

#include "core/fixed_char_array_text.h"

namespace textcore {

tenwidechar StringToTenWidechar(StringView s) {
  tenwidechar a;
  StringToWideArray(s, a);
  return a;
}

thirtywidechar StringToThirtyWideChar(StringView s) {
  thirtywidechar a;
  StringToWideArray(s, a);
  return a;
}

String TenWideCharTostring(const tenwidechar &a) { return WideArrayToString(a); }

} // namespace textcore
