// File-name masks: a user's list of patterns split into single masks, and names tested against
// them.
//
// "*" matches any run of characters and "?" exactly one (a surrogate pair counts as one), over the
// whole name, ignoring case in every script. Dots follow the rules folder walks rely on: "*" and
// "*.*" match every name, with or without a dot, and a mask ending in ".*" also matches the name
// without that extension ("read.*" matches "read"); any other dot is a literal dot. Leading spaces
// of a mask are ignored, so "*.txt; *.htm" means what it says. Matching takes time proportional
// to the product of the two lengths at worst, however many stars the mask has.
#pragma once

#include "platform/strings.h"

#include <cstdint>
#include <vector>

namespace textcore {

using TWideMasks = std::vector<String>;

// The masks of spec, in order: separated by ";" or by line breaks (CR LF, LF or CR). Two
// separators in a row give an empty mask, which never matches; one at the very end adds nothing.
void BuildAMask(TWideMasks &masks, StringView spec);
// False for an empty name or an empty mask.
bool MatchesMask(StringView name, StringView mask);
// The index of the first non-empty mask that name matches, or -1.
int32_t WhereInAMask(StringView name, const TWideMasks &masks);

} // namespace textcore
