// The process-wide flags of a run: the user's stop request, the answers "yes to all" and
// "no to all" in a series of confirmations, and the flag that says a message dialog is on screen.
//
// The host programs set and test them; nothing in the libraries changes panic_mode after load.
// They are plain variables: everything runs on the user-interface thread, and re-entrance comes
// only through the yield hook.
#pragma once

#include <cstdint>

namespace textcore {

enum Tpanic_mode : uint8_t {
  panic_no_panic,    // run normally
  panic_stop_at_EOF, // finish the current file, then stop
  panic_stop_asap,   // stop as soon as possible
  panic_stop,        // stop now
};

extern Tpanic_mode panic_mode;
extern bool yes_to_all;
extern bool no_to_all;
extern bool Global_ErrorMessageBusy;

// Every flag back to its load-time value (textcore's start-up does this).
void ResetStopFlags();

} // namespace textcore
