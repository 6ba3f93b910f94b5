#include "strings/julian_dates.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace textcore {
namespace {

TEST(JulianDates, DatesAreShiftedAndNonDatesGiveZero) {
  struct Case {
    TDateTime dt;
    double julian;
  };
  const Case cases[] = {
      {EncodeDate(2000, 1, 1), 4095136.5},
      {EncodeDate(2000, 1, 1) + 0.75, 4095136.5}, // the time of day is dropped
      {EncodeDate(5499, 12, 31), EncodeDate(9999, 12, 31) + julian_date_of_day_zero},
      {EncodeDate(5500, 1, 1), 0},
      {EncodeDate(2000, 2, 29), 0}, // 6500 is no leap year
      {std::numeric_limits<double>::quiet_NaN(), 0},
      {std::numeric_limits<double>::infinity(), 0},
      {1e300, 0},
      {-1e300, 0},
  };
  for (const Case &c : cases)
    EXPECT_EQ(DateTimeToJulianAddingConst(c.dt), c.julian) << c.dt;
}

} // namespace
} // namespace textcore
