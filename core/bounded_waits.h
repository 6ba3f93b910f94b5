// Bounded waits on a flag or a condition, yielding all the while.
//
// Each returns false at once, without yielding, when the condition already holds. Otherwise it
// calls MyYieldProcess four times per round and tests again, until the condition holds (false)
// or more than Seconds whole seconds have passed (true: timed out). So Seconds = 0 gives up once
// a whole second has passed, and a negative Seconds after a single round. Between rounds the
// thread sleeps a millisecond, so a wait without a yield hook does not spin a processor. Time
// is measured on a monotonic clock: a change of the wall clock neither ends nor stretches a wait.
#pragma once

#include "core/procedural_types.h"

#include <cstdint>

namespace textcore {

// Waits while Func returns true.
bool EspereFuncao(const TBoolFunct &Func, int32_t Seconds);
// Waits until Done becomes true.
bool WaitTillDone(const bool &Done, int32_t Seconds);
// Waits while Busy is true.
bool WaitedFor(const bool &Busy, int32_t Seconds);

} // namespace textcore
