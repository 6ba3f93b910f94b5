// The threshold settings of a relationship search, and the test of a pair's scores against them.
#pragma once

#include "core/fixed_char_arrays.h"
#include "definitions/mutual_info_stats.h"

#include <array>

namespace textcore {

// Whether to test one statistic, and the score it must reach.
struct TBoolAndSingleSettings {
  bool do_it = false;
  float threshold = 0;
};

using TBoolAndSingleSettingsArray = std::array<TBoolAndSingleSettings, mutual_info_stats_count>;

struct TConcgramMutualChecks {
  bool search_needed = false;
  bool test_all_procedures = false; // every enabled statistic must pass, rather than any one
  bool test_all_words = false;      // in the any-one mode, try the next statistic after a failure
  TBoolAndSingleSettingsArray proc_settings{}; // by TMutualInfoStats
  eightywidechar search_string{};
};

// Whether scores (by TMutualInfoStats) pass the enabled thresholds of checks; a score passes when
// it is at least its threshold. With test_all_procedures every enabled statistic must pass, and
// at least one must be enabled. Otherwise the first enabled statistic decides, unless
// test_all_words lets a failing one hand over to the next enabled statistic. With nothing
// enabled the answer is false.
bool PassesRelationshipThresholdTests(const TConcgramMutualChecks &checks,
                                      const TMutualInfoProcArray &scores);

} // namespace textcore
