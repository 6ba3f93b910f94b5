// Process-wide variables that the libraries and the tool programs share on the one user-interface
// thread, without a guard. Each starts at its load-time value.
#pragma once

#include <cstdint>

namespace textcore {

// The scan position lies inside a heading. The buffer matcher updates it as it passes heading
// markers, and it is kept from one search pass to the next, so a client clears it at the start
// of each new text.
extern bool Global_in_heading;

// Byte offset from the buffer start at which every search pass begins; 0 means the buffer start.
// A client that wants to move the scan sets it before a pass.
extern uint32_t Global_LowestJumpTo;

} // namespace textcore
