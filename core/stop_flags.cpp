// The process-wide stop flags; see stop_flags.h.
#include "core/stop_flags.h"

namespace textcore {

Tpanic_mode panic_mode = panic_no_panic;
bool yes_to_all = false;
bool no_to_all = false;
bool Global_ErrorMessageBusy = false;

void ResetStopFlags() {
  panic_mode = panic_no_panic;
  yes_to_all = false;
  no_to_all = false;
  Global_ErrorMessageBusy = false;
}

} // namespace textcore
