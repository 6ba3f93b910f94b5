// Small clean-ups of settings text: quotation marks round a whole text, and characters or
// pieces to be left out.
#pragma once

#include "platform/strings.h"

namespace textcore {

// s without the double quotation marks that begin and end it, when both are there; a lone
// quotation mark gives the empty text. Otherwise s unchanged.
String CutOutsideQuotes(StringView s);

// s without any occurrence of c.
String ChrClearedFromString(char16_t c, StringView s);

// s without any occurrence of sub, found in one pass from the left: 'aabb' without 'ab' is 'ab',
// since the pieces left behind are not searched again. An empty sub leaves s unchanged.
String SubStrClearedFromString(StringView sub, StringView s);

} // namespace textcore
