// Matching a file name against a wildcard pattern, with the rules that directory searches and
// the suite's file masks share, so that both agree by construction.
//
// "*" matches any run of characters and "?" exactly one (a surrogate pair counts as one), over the
// whole name, ignoring case in every script. Dots follow the rules folder walks rely on: "*" and
// "*.*" match every name, with or without a dot, and a pattern ending in ".*" also matches the
// name without that extension ("read.*" matches "read", "*.*.*" every name); any other dot is a
// literal dot. There are no short names to match. Matching takes time proportional to the
// product of the two lengths at worst, however many stars the pattern has.
#pragma once

#include "platform/strings.h"

namespace textcore {

// False for an empty name or an empty pattern.
bool MatchesWildcard(StringView name, StringView pattern);

} // namespace textcore
