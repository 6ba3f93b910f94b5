// Finding a word in a text, case as written, with or without word boundaries on either side.
#pragma once

#include "lists/qm_longint_list.h"
#include "platform/strings.h"
#include "search/my_search_flags.h"

#include <cstdint>
#include <memory>

namespace textcore {

// The 1-based position of the first occurrence of word in text that has no letter or digit just
// before it (when flags hold myLeftBounded) and just after it (myRightBounded); other flags are
// not read. -1 when there is none or either string is empty.
int32_t PosWordFoundIn(StringView word, StringView text, TMySearchFlags flags);

// Every such position, in order, overlapping occurrences included, in a new list that the caller
// owns; empty when there is none or either string is empty.
std::unique_ptr<TQMLongintList> PositionsWordFoundIn(StringView word, StringView text,
                                                     TMySearchFlags flags);

} // namespace textcore
