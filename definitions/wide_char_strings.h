// The short fixed wide arrays of the settings records as strings, and back.
#pragma once

#include "core/fixed_char_arrays.h"
#include "platform/strings.h"

namespace textcore {

// The array zeroed, then at most 10 (30) characters of s, fewer when the last would be half a
// surrogate pair.
tenwidechar StringToTenWidechar(StringView s);
thirtywidechar StringToThirtyWideChar(StringView s);

// The characters up to the first zero, at most all 11.
String TenWideCharTostring(const tenwidechar &a);

} // namespace textcore
