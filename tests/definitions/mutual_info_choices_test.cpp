#include "definitions/mutual_info_choices.h"

#include <gtest/gtest.h>

namespace textcore {
namespace {

TEST(MutualInfoChoices, NamesEachStatisticAndNothingBeyond) {
  const char16_t *const names[] = {u"Dice coefficient",
                                   u"Specific Mutual Information",
                                   u"MI3",
                                   u"Z Score",
                                   u"Log likelihood",
                                   u"T Score",
                                   u"Log ratio"};
  for (int i = 0; i < mutual_info_stats_count; ++i)
    EXPECT_EQ(MutualInfoChoices(static_cast<TMutualInfoStats>(i)), names[i]) << i;
  EXPECT_EQ(MutualInfoChoices(static_cast<TMutualInfoStats>(7)), u"");
  EXPECT_EQ(MutualInfoChoices(static_cast<TMutualInfoStats>(255)), u"");
}

} // namespace
} // namespace textcore
