// The display names of the association statistics.
#pragma once

#include "definitions/mutual_info_stats.h"
#include "platform/strings.h"

namespace textcore {

// The statistic's name from the message catalogue, in the loaded translation; empty for a value
// beyond the enumeration.
String MutualInfoChoices(TMutualInfoStats stat);

} // namespace textcore
