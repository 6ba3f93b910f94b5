// Splitting "key = value" at the first equals sign.
#include "lists/key_plus_value.h"

#include <cstdint>
#include <limits>

namespace textcore {

namespace {

bool TryDecimal(const String &Text, int32_t &Value) {
  size_t i = 0;
  const bool negative = !Text.empty() && Text[0] == u'-';
  if (!Text.empty() && (Text[0] == u'-' || Text[0] == u'+'))
    ++i;
  if (i == Text.size())
    return false;
  const int64_t limit = negative ? -static_cast<int64_t>(std::numeric_limits<int32_t>::min())
                                 : std::numeric_limits<int32_t>::max();
  int64_t magnitude = 0;
  for (; i < Text.size(); ++i) {
    if (Text[i] < u'0' || Text[i] > u'9')
      return false;
    magnitude = magnitude * 10 + (Text[i] - u'0');
    if (magnitude > limit)
      return false;
  }
  Value = static_cast<int32_t>(negative ? -magnitude : magnitude);
  return true;
}

} // namespace

String KeyOfKeyPlusValue(const String &S) {
  const size_t at = S.find(u'=');
  return at == String::npos ? String() : Trim(StringView(S).substr(0, at));
}

int32_t ValueOfKeyPlusValue(const String &S) {
  const size_t at = S.find(u'=');
  int32_t value = 0;
  if (at == String::npos || !TryDecimal(Trim(StringView(S).substr(at + 1)), value))
    return 0;
  return value;
}

} // namespace textcore
