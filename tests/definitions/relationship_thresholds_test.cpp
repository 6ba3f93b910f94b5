#include "definitions/relationship_thresholds.h"

#include <gtest/gtest.h>

#include <limits>

namespace textcore {
namespace {

struct ThresholdCase {
  const char *what;
  bool test_all_procedures, test_all_words;
  // Enabled statistics by ordinal, with a threshold of 1 each; the rest are off.
  std::vector<int> enabled;
  TMutualInfoProcArray scores;
  bool passes;
};

TEST(RelationshipThresholds, AllAndAnyModesDecideByTheEnabledStatistics) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const ThresholdCase cases[] = {
      {"nothing enabled, all mode", true, false, {}, {5, 5, 5, 5, 5, 5, 5}, false},
      {"nothing enabled, any mode", false, true, {}, {5, 5, 5, 5, 5, 5, 5}, false},
      {"all equal to their thresholds", true, false, {0, 3, 6}, {1, 0, 0, 1, 0, 0, 1}, true},
      {"one below in all mode", true, false, {0, 3, 6}, {1, 0, 0, 0.5f, 0, 0, 9}, false},
      {"disabled scores do not count", true, false, {2}, {0, 0, 1, 0, 0, 0, 0}, true},
      {"first enabled passes", false, false, {1, 4}, {0, 2, 0, 0, 0, 0, 0}, true},
      {"first enabled fails and decides", false, false, {1, 4}, {0, 0, 0, 0, 2, 0, 0}, false},
      {"first fails, the next is tried", false, true, {1, 4}, {0, 0, 0, 0, 2, 0, 0}, true},
      {"every enabled one fails", false, true, {1, 4}, {9, 0, 9, 9, 0, 9, 9}, false},
      {"an undefined score fails in all mode", true, false, {5}, {0, 0, 0, 0, 0, nan, 0}, false},
      {"an undefined score fails in any mode", false, false, {5}, {0, 0, 0, 0, 0, nan, 0}, false},
  };
  for (const ThresholdCase &c : cases) {
    TConcgramMutualChecks checks;
    checks.test_all_procedures = c.test_all_procedures;
    checks.test_all_words = c.test_all_words;
    for (int i : c.enabled)
      checks.proc_settings[i] = {true, 1};
    EXPECT_EQ(PassesRelationshipThresholdTests(checks, c.scores), c.passes) << c.what;
  }
}

} // namespace
} // namespace textcore
