// A quick word list of a text, commonest first, in a caller's string list.
#pragma once

#include "platform/string_list.h"
#include "platform/strings.h"

#include <cstdint>

namespace textcore {

// Adds every word of text (a maximal run of letters and digits) of at least min_length
// characters to list, counting repeats by the list's own case rule, then leaves the list unsorted
// in descending order of count (equal counts in no set order). The count of each entry is held
// in its object slot as an integer (WordFrequencyOf reads it), so the list must not own objects:
// such a list raises EStringListError before anything is changed.
void SimpleWordListDescendingFreqOrder(StringView text, TStringList &list, int32_t min_length);

// The count SimpleWordListDescendingFreqOrder keeps for entry index.
int32_t WordFrequencyOf(const TStringList &list, int32_t index);

} // namespace textcore
