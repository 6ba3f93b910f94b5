// File-name masks: a user's list of patterns split into single masks, and names tested against
// them.
//
// A mask is matched as a file-name wildcard (platform/wildcards.h, the rules directory searches
// use): "*" and "?" over the whole name, case ignored, "*.*" every name, "read.*" also "read".
// Leading spaces of a mask are ignored, so "*.txt; *.htm" means what it says.
#pragma once

#include "platform/strings.h"

#include <cstdint>
#include <vector>

namespace textcore {

using TWideMasks = std::vector<String>;

// The masks of spec, in order, each trimmed: separated by ";" or by line breaks (CR LF, LF or
// CR). Two separators in a row give an empty mask, which never matches; one at the very end adds
// nothing.
void BuildAMask(TWideMasks &masks, StringView spec);
// False for an empty name or an empty mask.
bool MatchesMask(StringView name, StringView mask);
// The index of the first non-empty mask that name matches, or -1.
int32_t WhereInAMask(StringView name, const TWideMasks &masks);

} // namespace textcore
