// PassesRelationshipThresholdTests: a pair's scores against the thresholds of a relationship
// search.
#include "definitions/relationship_thresholds.h"

namespace textcore {
namespace {

// Written as "at least" rather than "not below" so that a NaN score or threshold fails in both
// modes instead of slipping through the all-statistics test.
bool Passes(float score, float threshold) { return score >= threshold; }

bool PassesAll(const TConcgramMutualChecks &checks, const TMutualInfoProcArray &scores) {
  bool any_enabled = false;
  for (int32_t i = 0; i < mutual_info_stats_count; ++i) {
    const TBoolAndSingleSettings &s = checks.proc_settings[i];
    if (!s.do_it)
      continue;
    if (!Passes(scores[i], s.threshold))
      return false;
    any_enabled = true;
  }
  return any_enabled;
}

bool PassesAny(const TConcgramMutualChecks &checks, const TMutualInfoProcArray &scores) {
  for (int32_t i = 0; i < mutual_info_stats_count; ++i) {
    const TBoolAndSingleSettings &s = checks.proc_settings[i];
    if (!s.do_it)
      continue;
    if (Passes(scores[i], s.threshold))
      return true;
    if (!checks.test_all_words)
      return false;
  }
  return false;
}

} // namespace

bool PassesRelationshipThresholdTests(const TConcgramMutualChecks &checks,
                                      const TMutualInfoProcArray &scores) {
  return checks.test_all_procedures ? PassesAll(checks, scores) : PassesAny(checks, scores);
}

} // namespace textcore
