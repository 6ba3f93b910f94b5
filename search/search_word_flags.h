// The edge markers of a typed search word and the flags they stand for.
//
// "*" at the start or end lifts the word boundary on that side, "==" at both ends makes the word
// case-sensitive and a leading "~" makes it an exclusion word. FlagsFromSW reads them off a typed
// item and SWStringPlusFlags writes them back. The two are inverses except where the syntax cannot
// say it: exclusion, replace and confirm have no marker on the way back, and a text that itself
// begins with "*" or "~", ends with "*" or is wrapped in "==" reads as markers.
#pragma once

#include "search/search_word_format.h"

namespace textcore {

// Both word boundaries: what an item without markers needs.
inline constexpr TMySearchFlags default_sw_flags{myLeftBounded, myRightBounded};

// The flags of a typed item; their markers are removed from text. Only one leading marker is
// read ("*", else "==" ... "==", else "~"), except that inside "==" ... "==" a leading "*" is read
// too, so that every form SWStringPlusFlags writes reads back. A trailing "*" is always read.
TMySearchFlags FlagsFromSW(String &text);
// The typed form of text with flags: "*" for a missing boundary, "==" around a case-sensitive one.
String SWStringPlusFlags(StringView text, TMySearchFlags flags);

} // namespace textcore
