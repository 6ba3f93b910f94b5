// Tidying typed path names.
#include "definitions/corrected_pathname.h"

namespace textcore {

namespace {

constexpr bool IsDriveLetter(char16_t c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

} // namespace

String CorrectedPathname(StringView s) {
  String name = Trim(s);
  if (name.size() < 2 || !IsDriveLetter(name[0]) || name[1] != u':')
    return name;
  if (name.size() == 2)
    name += u'\\';
  else if (name[2] != u'\\' && name[2] != u'/')
    name.insert(2, 1, u'\\');
  return name;
}

} // namespace textcore
