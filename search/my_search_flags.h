// The search flags of a search word: one byte, bit n for the n-th value. A freshly parsed word
// is {myLeftBounded, myRightBounded}: it must start and end at word boundaries.
#pragma once

#include "platform/set.h"

#include <cstdint>

namespace textcore {

enum TMySearchFlag : uint8_t {
  myReplace,
  myConfirmFinds,
  myCaseIsSensitive,
  mySW_To_Avoid,
  myLeftBounded,
  myRightBounded
};
using TMySearchFlags = Set<TMySearchFlag, 6>;

static_assert(sizeof(TMySearchFlags) == 1);

} // namespace textcore
