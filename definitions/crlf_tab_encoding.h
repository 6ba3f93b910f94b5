// Search texts as the user types them in a settings box, and the work form the search code
// takes: line breaks and tabs are written as the words of _QMEnter ("<Enter>") and _QMTab
// ("<Tab>"), and the wildcards inside the text become their work codes.
//
// The words are catalogue texts, so a setting saved under one translation reads back under that
// translation only.
#pragma once

#include "platform/strings.h"

namespace textcore {

// s with every "*", "?" and "#" that has a character on each side, neither of them a double
// quotation mark, made its work code (at either end of the text a symbol marks an unbounded
// start or end, and next to a quotation mark it is written literally, so those stay as typed);
// then every _QMEnter word made a carriage return and line feed, every _QMTab word a tab.
String EncodedCRLFTAB(StringView s);

// The reverse: work codes back to "*", "?" and "#", each carriage return and line feed to the
// _QMEnter word and each tab to the _QMTab word.
String EncodedCRLFTABToReadableStr(StringView s);

} // namespace textcore
