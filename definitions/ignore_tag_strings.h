// The markup pairs of the text settings as the user types them: each pair as its opening
// character, "*" and its closing character, the pairs separated by commas ('<*>,[*]').
#pragma once

#include "platform/strings.h"
#include "search/search_word_format.h"

namespace textcore {

// Every pair whose two characters are both set, in order; pairs with a zero character are left
// out.
String IgnoreTag_TypeToString(const TIgnore_tag_type &pairs);

// The pairs of a typed text. Asterisks and every character up to the space are dropped first;
// then each piece between commas gives one pair, its first character opening and its last
// closing. Empty pieces (',,', a comma at either end) are passed over. Pieces after the sixth
// overwrite the sixth pair; unused pairs stay zero.
TIgnore_tag_type StringToIgnoreTag_Type(StringView s);

} // namespace textcore
