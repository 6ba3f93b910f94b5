#include "strings/julian_dates.h"

#include "support/year_month_day.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>

namespace textcore {
namespace {

using testsupport::SameDate;
using YMD = TYearMonthDay;

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
// An afternoon, so that "today at 00:00" and "now" differ.
const TDateTime frozen_now = EncodeDate(2024, 5, 17) + 0.625;

TEST(JulianDates, DatesAreShiftedAndNonDatesGiveZero) {
  const std::pair<TDateTime, double> cases[] = {
      {EncodeDate(2000, 1, 1), 4095136.5},
      {EncodeDate(2000, 1, 1) + 0.75, 4095136.5}, // the time of day is dropped
      {EncodeDate(5499, 12, 31), EncodeDate(9999, 12, 31) + julian_date_of_day_zero},
      {EncodeDate(5500, 1, 1), 0},
      {EncodeDate(2000, 2, 29), 0}, // 6500 is no leap year
      {nan, 0},
      {std::numeric_limits<double>::infinity(), 0},
      {1e300, 0},
      {-1e300, 0},
  };
  for (const auto &[dt, julian] : cases)
    EXPECT_EQ(DateTimeToJulianAddingConst(dt), julian) << dt;
}

TEST(JulianDates, RecordsStoreWithinTheStorableYearsOnly) {
  constexpr int32_t int_max = std::numeric_limits<int32_t>::max();
  const std::pair<YMD, double> cases[] = {
      {{2000, 1, 1}, 4095136.5},   {{-4001, 1, 1}, 1903316.5}, // the empty date
      {{-4499, 1, 1}, 1721425.5},  {{5499, 12, 31}, 5373483.5},
      {{-4500, 12, 31}, 0},        {{5500, 1, 1}, 0},
      {{65536 + 1999, 1, 1}, 0},   {{2000 - 65536, 1, 1}, 0}, // no 16-bit wrap
      {{int_max, 1, 1}, 0},        {{-int_max - 1, 1, 1}, 0},
      {{2000, 0, 0}, 4095136.5},   {{2000, -7, 1}, 4095136.5}, // clamped to January 1st
      {{2000, 13, 32}, 4095500.5}, // December 31st of 6500, a common year
      {{2000, 4, 31}, 0},          {{2000, 4, 40}, 0},
      {{2000, 2, 29}, 0},          {{0, 2, 29}, 0}, // 6500 and 4500 are common
      {{1900, 2, 29}, 4058670.5},                   // 6400 is leap: a day 1900 never had
  };
  for (const auto &[r, julian] : cases)
    EXPECT_EQ(YearMonthDayToJulianAddingConst(r), julian) << r.year << "/" << r.month;
  for (const YMD &r : {YMD{-4499, 1, 1}, YMD{-1234, 5, 6}, YMD{-1, 12, 31}, YMD{4, 2, 29},
                       YMD{1999, 3, 5}, YMD{5499, 12, 31}}) {
    TYearMonthDay back;
    EXPECT_TRUE(TryJulianDateToYearMonthDayRemovingConst(YearMonthDayToJulianAddingConst(r), back));
    EXPECT_TRUE(SameDate(back, r));
  }
}

TEST(JulianDates, JulianDatesReadAsTheDayTheyFallIn) {
  const std::pair<double, YMD> cases[] = {
      {2451544.5, {2000, 1, 1}},
      {2451545.499, {2000, 1, 1}},
      {2451545.5, {2000, 1, 2}},
      {2451544.499, {1999, 12, 31}},
      {1721425.5, {1, 1, 1}},
      {5373484.45, {9999, 12, 31}},
      // Before 1899-12-30 the platform's day is the integral part, toward zero; the day of a
      // Julian date still rounds down.
      {2415018.5, {1899, 12, 30}},
      {2415018.4, {1899, 12, 29}},
  };
  for (const auto &[jd, expected] : cases) {
    TYearMonthDay r;
    EXPECT_TRUE(TryJulianDateToYearMonthDaySemConvertir(jd, r) && SameDate(r, expected)) << jd;
  }
}

TEST(JulianDates, WhatIsNoDateReadsAsTodayOrFailsTheTryForms) {
  const TFrozenClock clock(frozen_now);
  const double today_julian = EncodeDate(2024, 5, 17) + julian_date_of_day_zero;
  for (const double jd : {0.0, 1721424.5, 5373484.5, -1.0, 1e300, nan}) {
    TYearMonthDay r;
    EXPECT_FALSE(TryJulianDateToYearMonthDayRemovingConst(jd, r)) << jd;
    EXPECT_TRUE(SameDate(JulianDateToYearMonthDaySemConvertir(jd), {2024, 5, 17}));
    // The shift is taken off today too.
    EXPECT_TRUE(SameDate(JulianDateToYearMonthDayRemovingConst(jd), {2024 - 4500, 5, 17}));
  }
  EXPECT_EQ(YearMonthDayToJulianDateSemConvertir({2000, 13, 1}), 2451544.5 + 335);
  for (const YMD &r : {YMD{0, 1, 1}, YMD{10000, 1, 1}, YMD{65536 + 1999, 1, 1}, YMD{2000, 4, 31}})
    EXPECT_EQ(YearMonthDayToJulianDateSemConvertir(r), today_julian) << r.year;

  TYearMonthDay r;
  EXPECT_TRUE(TryDateToYearMonthDayRemovingConst(EncodeDate(6500, 1, 1) + 0.9, r));
  EXPECT_TRUE(SameDate(r, {2000, 1, 1}));
  EXPECT_FALSE(TryDateToYearMonthDayRemovingConst(nan, r));
  EXPECT_TRUE(SameDate(DateToYearMonthDayRemovingConst(1e9), {2024, 5, 17})); // no shift taken
}

TEST(JulianDates, EmptyDateAndMonthLengths) {
  TYearMonthDay r{1, 2, 3};
  ClearAYearMonthDayRec(r);
  EXPECT_TRUE(SameDate(r, {-4001, 1, 1}));
  EXPECT_TRUE(SameDate(AClearYearMonthDayRec(), {-4001, 1, 1}));
  struct Case {
    int32_t year, month, days;
  };
  const Case cases[] = {
      {2000, 2, 29}, {1900, 2, 28}, {2023, 4, 30},    {0, 2, 29},
      {-1, 2, 28},   {-44, 2, 29},  {-100, 2, 28},    {-400, 2, 29},
      {2023, 0, 0},  {2023, 13, 0}, {2023, 65537, 0}, {std::numeric_limits<int32_t>::min(), 2, 29}};
  for (const Case &c : cases)
    EXPECT_EQ(DaysInMonthOfYear(c.year, c.month), c.days) << c.year << "-" << c.month;
}

} // namespace
} // namespace textcore
