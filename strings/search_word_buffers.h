// Search words in the fixed 81-unit buffers of saved settings (search_word_type32): at most 80
// characters and a terminator.
#pragma once

#include "definitions/conc_settings.h"
#include "platform/strings.h"

namespace textcore {

// A zeroed buffer holding at most the first 80 units of s. A surrogate pair that the limit would
// split is left out whole rather than saved as half a character.
search_word_type32 StringToSearch_word_type32(StringView s);
// The same of 8-bit text, converted from the system's 8-bit code page first.
search_word_type32 AnsiStringToSearch_word_type32(const AnsiString &s);
// The buffer's text up to its terminator (all 81 units when it has none).
String StringFromSearch_word_type32(const search_word_type32 &buffer);
// The same in the system's 8-bit code page.
AnsiString AnsiStringFromSearch_word_type32(const search_word_type32 &buffer);

} // namespace textcore
