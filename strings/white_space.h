// The white-space helpers of the search engine: trimming Unicode white space, collapsing runs of
// spaces, finding the first visible character, and joining items with a separator.
#pragma once

#include "platform/strings.h"

#include <cstdint>

namespace textcore {

// s without leading and trailing Unicode White_Space (spaces of every width, tab, line and
// paragraph ends); '' when nothing else remains.
String WideTrimSpaceOnly(StringView s);
// s with every run of U+0020 spaces made one space; other white space is kept. Calls the host's
// yield hook once per character.
String StrippedDoubleSpaces(StringView s);
// The 1-based position of the first character above U+0020, or -1.
int32_t FirstCharPosAboveSpace(StringView s);
// list + separator + item, or item alone when list is empty.
String AddToListWithSeparatorIfNeeded(StringView list, StringView item, StringView separator);

} // namespace textcore
