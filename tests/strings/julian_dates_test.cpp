#include "strings/julian_dates.h"

#include "support/year_month_day.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace textcore {
namespace {

using testsupport::SameDate;
using testsupport::YMD;

// An afternoon, so that "today at 00:00" and "now" differ.
const TDateTime frozen_now = EncodeDate(2024, 5, 17) + 0.625;
const double frozen_today_julian = EncodeDate(2024, 5, 17) + julian_date_of_day_zero;

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

TEST(JulianDates, RecordsStoreWithinTheStorableYearsOnly) {
  struct Case {
    const char *what;
    TYearMonthDay r;
    double julian;
  };
  const Case cases[] = {
      {"2000-01-01", YMD(2000, 1, 1), 4095136.5},
      {"the empty date", YMD(-4001, 1, 1), 1903316.5},
      {"first storable day", YMD(-4499, 1, 1), 1721425.5},
      {"last storable day", YMD(5499, 12, 31), 5373483.5},
      {"year before the first", YMD(-4500, 12, 31), 0},
      {"year after the last", YMD(5500, 1, 1), 0},
      {"65536 years on does not wrap", YMD(65536 + 1999, 1, 1), 0},
      {"65536 years back does not wrap", YMD(2000 - 65536, 1, 1), 0},
      {"largest year", YMD(std::numeric_limits<int32_t>::max(), 1, 1), 0},
      {"smallest year", YMD(std::numeric_limits<int32_t>::min(), 1, 1), 0},
      {"month 0 is January", YMD(2000, 0, 1), 4095136.5},
      {"negative month is January", YMD(2000, -7, 1), 4095136.5},
      {"month 13 is December (6500 has 365 days)", YMD(2000, 13, 31), 4095136.5 + 364},
      {"day 0 is the 1st", YMD(2000, 1, 0), 4095136.5},
      {"day 32 is the 31st", YMD(2000, 1, 32), 4095136.5 + 30},
      {"31 April", YMD(2000, 4, 31), 0},
      {"day 40 of April is the 31st", YMD(2000, 4, 40), 0},
      {"29 February 2000 (6500 is common)", YMD(2000, 2, 29), 0},
      {"29 February 1999", YMD(1999, 2, 29), 0},
      {"29 February of the year 0 (4500 is common)", YMD(0, 2, 29), 0},
      {"29 February 1900, a day 1900 never had (6400 is leap)", YMD(1900, 2, 29), 4058670.5},
  };
  for (const Case &c : cases)
    EXPECT_EQ(YearMonthDayToJulianAddingConst(c.r), c.julian) << c.what;
}

TEST(JulianDates, StoredDatesReadBackUnchanged) {
  const TYearMonthDay dates[] = {YMD(-4499, 1, 1), YMD(-4001, 1, 1), YMD(-1234, 5, 6),
                                 YMD(-44, 3, 15),  YMD(-1, 12, 31),  YMD(4, 2, 29),
                                 YMD(1, 1, 1),     YMD(1999, 3, 5),  YMD(2000, 1, 1),
                                 YMD(2024, 2, 29), YMD(5499, 12, 31)};
  for (const TYearMonthDay &r : dates) {
    const double jd = YearMonthDayToJulianAddingConst(r);
    ASSERT_NE(jd, 0) << r.year;
    EXPECT_EQ(jd - std::floor(jd), 0.5) << r.year;
    TYearMonthDay back;
    ASSERT_TRUE(TryJulianDateToYearMonthDayRemovingConst(jd, back)) << r.year;
    EXPECT_TRUE(SameDate(back, r));
    EXPECT_TRUE(SameDate(JulianDateToYearMonthDayRemovingConst(jd), r));
  }
}

TEST(JulianDates, JulianDatesReadAsTheDayTheyFallIn) {
  // 2000-01-01 unshifted: 2451544.5 is its midnight and 2451545.5 the next.
  struct Case {
    const char *what;
    double jd;
    TYearMonthDay expected;
  };
  const Case cases[] = {
      {"midnight", 2451544.5, YMD(2000, 1, 1)},
      {"noon", 2451545.0, YMD(2000, 1, 1)},
      {"just before the next midnight", 2451545.499, YMD(2000, 1, 1)},
      {"the next midnight", 2451545.5, YMD(2000, 1, 2)},
      {"just before midnight", 2451544.499, YMD(1999, 12, 31)},
      // Before 1899-12-30 the platform's day is the integral part, toward zero; the day of a
      // Julian date still rounds down.
      {"1899-12-30", 2415018.5, YMD(1899, 12, 30)},
      {"noon of 1899-12-29", 2415018.0, YMD(1899, 12, 29)},
      {"evening of 1899-12-29", 2415018.4, YMD(1899, 12, 29)},
      {"0001-01-01", 1721425.5, YMD(1, 1, 1)},
      {"9999-12-31 23:00", 5373484.45, YMD(9999, 12, 31)},
  };
  for (const Case &c : cases) {
    TYearMonthDay r;
    ASSERT_TRUE(TryJulianDateToYearMonthDaySemConvertir(c.jd, r)) << c.what;
    EXPECT_TRUE(SameDate(r, c.expected));
  }
}

TEST(JulianDates, NoDateReadsAsTodayOrFailsTheTryForms) {
  const TFrozenClock clock(frozen_now);
  const double no_dates[] = {0,
                             1721424.5, // 0000-12-31 unshifted
                             5373484.5, // 10000-01-01
                             -1,
                             1e300,
                             std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::infinity()};
  for (const double jd : no_dates) {
    TYearMonthDay r;
    EXPECT_FALSE(TryJulianDateToYearMonthDaySemConvertir(jd, r)) << jd;
    EXPECT_FALSE(TryJulianDateToYearMonthDayRemovingConst(jd, r)) << jd;
    EXPECT_TRUE(SameDate(JulianDateToYearMonthDaySemConvertir(jd), YMD(2024, 5, 17)));
    // The shift is taken off today too.
    EXPECT_TRUE(SameDate(JulianDateToYearMonthDayRemovingConst(jd), YMD(2024 - 4500, 5, 17)));
  }
}

TEST(JulianDates, UnshiftedRecordsGiveTodayWhenTheyAreNoDate) {
  const TFrozenClock clock(frozen_now);
  struct Case {
    const char *what;
    TYearMonthDay r;
    double julian;
  };
  const Case cases[] = {
      {"2000-01-01", YMD(2000, 1, 1), 2451544.5},
      {"0001-01-01", YMD(1, 1, 1), 1721425.5},
      {"month 13 is December", YMD(2000, 13, 1), 2451544.5 + 335},
      {"year 0", YMD(0, 1, 1), frozen_today_julian},
      {"year 10000", YMD(10000, 1, 1), frozen_today_julian},
      {"65536 years on does not wrap", YMD(65536 + 1999, 1, 1), frozen_today_julian},
      {"31 April", YMD(2000, 4, 31), frozen_today_julian},
  };
  for (const Case &c : cases)
    EXPECT_EQ(YearMonthDayToJulianDateSemConvertir(c.r), c.julian) << c.what;
}

TEST(JulianDates, DateTimesSplitWithTheShiftTakenOff) {
  const TFrozenClock clock(frozen_now);
  TYearMonthDay r;
  ASSERT_TRUE(TryDateToYearMonthDayRemovingConst(EncodeDate(6500, 1, 1) + 0.9, r));
  EXPECT_TRUE(SameDate(r, YMD(2000, 1, 1)));
  EXPECT_TRUE(SameDate(DateToYearMonthDayRemovingConst(EncodeDate(1, 1, 1)), YMD(-4499, 1, 1)));
  // No date: today, and no year taken off.
  EXPECT_FALSE(TryDateToYearMonthDayRemovingConst(std::nan(""), r));
  EXPECT_TRUE(SameDate(DateToYearMonthDayRemovingConst(std::nan("")), YMD(2024, 5, 17)));
  EXPECT_TRUE(SameDate(DateToYearMonthDayRemovingConst(1e9), YMD(2024, 5, 17)));
}

TEST(JulianDates, EmptyDateAndMonthLengths) {
  TYearMonthDay r = YMD(1, 2, 3);
  ClearAYearMonthDayRec(r);
  EXPECT_TRUE(SameDate(r, YMD(-4001, 1, 1)));
  EXPECT_TRUE(SameDate(AClearYearMonthDayRec(), YMD(-4001, 1, 1)));

  struct Case {
    int32_t year, month, days;
  };
  const Case cases[] = {
      {2000, 2, 29},
      {1900, 2, 28},
      {2024, 2, 29},
      {2023, 2, 28},
      {2023, 4, 30},
      {0, 2, 29},
      {-1, 2, 28},
      {-4, 2, 29},
      {-44, 2, 29},
      {-100, 2, 28},
      {-400, 2, 29},
      {-4001, 1, 31},
      {2023, 0, 0},
      {2023, 13, 0},
      {2023, 65537, 0},
      {std::numeric_limits<int32_t>::min(), 2, 29}, // divisible by 4, not by 100
      {std::numeric_limits<int32_t>::max(), 2, 28},
  };
  for (const Case &c : cases)
    EXPECT_EQ(DaysInMonthOfYear(c.year, c.month), c.days) << c.year << "-" << c.month;
}

} // namespace
} // namespace textcore
