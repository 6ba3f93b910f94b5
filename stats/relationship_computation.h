// RelationshipComputation: one association score of a word pair, by statistic.
#pragma once

#include "definitions/collocation_window.h"
#include "definitions/mutual_info_stats.h"

#include <cstdint>

namespace unidisplay {

// The score of statistic stat for a node seen f1 times and a collocate seen f2 times, joint times
// together within horizons, in n running words; 0 for a value beyond the enumeration. The window
// of the Z score and the log-likelihood is to_left + to_right words. Arithmetic faults of the
// statistic reach the caller.
float RelationshipComputation(textcore::TMutualInfoStats stat, int32_t joint, int32_t f1,
                              int32_t f2, int32_t n, textcore::Tdouble_smallint_type horizons);

} // namespace unidisplay
