// The character-type query over platform's GetStringTypeEx.
#include "strings/character_types.h"

#include "platform/nls_char_types.h"

#include <string>

namespace textcore {

bool GetStringTypeExNT2000(bool wide, LCID locale, uint32_t info_type, const void *text,
                           int32_t count, std::vector<uint16_t> &types) {
  types.clear();
  if (text == nullptr || count == 0 || count < -1)
    return false;
  if (count == -1) {
    const size_t length =
        wide ? std::char_traits<char16_t>::length(static_cast<const char16_t *>(text))
             : std::char_traits<char>::length(static_cast<const char *>(text));
    if (length >= static_cast<size_t>(INT32_MAX))
      return false;
    count = static_cast<int32_t>(length) + 1;
  }
  types.resize(static_cast<size_t>(count));
  const bool done = wide ? GetStringTypeExW(locale, info_type, static_cast<const char16_t *>(text),
                                            count, types.data())
                         : GetStringTypeExA(locale, info_type, static_cast<const char *>(text),
                                            count, types.data());
  if (!done)
    types.clear();
  return done;
}

} // namespace textcore
