// The framework's locale-aware string comparison and case mapping, for the user's default locale.
//
// Comparison is CompareString's word sort under the user's locale (platform/nls_compare.h):
// AnsiCompareStr tells case apart, AnsiCompareText ignores case but not accents. Results are < 0,
// 0 or > 0. Collation may call different texts equal (ignorable characters, for instance), as
// the framework's did. Case mapping here is full Unicode mapping ("ß" becomes "SS"); the
// length-keeping mapping that indexes by position needs is LCMapString's (platform/nls_case.h).
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
