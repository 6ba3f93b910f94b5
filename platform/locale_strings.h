// The framework's locale-aware string comparison and case mapping, for the user's default locale.
//
// Comparison is ICU collation: AnsiCompareStr tells case apart (tertiary strength), and
// AnsiCompareText ignores case but not accents (secondary strength). Results are < 0, 0 or > 0.
// Collation may call different texts equal (ignorable characters, for instance), as the
// framework's did. Case mapping is full Unicode mapping ("ß" becomes "SS").
//
// The national-language layer will later route these through its locale services, so that a
// tool's chosen locale decides them; until then ICU's default locale (from the environment) does.
#pragma once

#include "platform/strings.h"

#include <cstdint>

namespace textcore {

int32_t AnsiCompareStr(StringView a, StringView b);
int32_t AnsiCompareText(StringView a, StringView b);
bool AnsiSameStr(StringView a, StringView b);
bool AnsiSameText(StringView a, StringView b);
String AnsiUpperCase(StringView s);
String AnsiLowerCase(StringView s);

} // namespace textcore
