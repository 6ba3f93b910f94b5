// The shared process-wide variables; see process_variables.h.
#include "definitions/process_variables.h"

namespace textcore {

bool Global_in_heading = false;
uint32_t Global_LowestJumpTo = 0;

} // namespace textcore
