#include "strings/time_line_periods.h"

#include "platform/date_time.h"
#include "support/year_month_day.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>

namespace textcore {
namespace {

using testsupport::SameDate;
using YMD = TYearMonthDay;

constexpr int32_t max_year = std::numeric_limits<int32_t>::max();
constexpr int32_t min_year = std::numeric_limits<int32_t>::min();

TEST(TimeLinePeriods, PeriodBoundsRoundDownBeforeTheYearZero) {
  const TFrozenClock clock(EncodeDate(2024, 5, 17) + 0.5);
  const YMD today{2024, 5, 17};
  struct Case {
    YMD r;
    TTimeLinePlotbase basis;
    YMD start, end;
  };
  const Case cases[] = {
      {{1999, 6, 15}, tlpb_millennia, {1000, 1, 1}, {1999, 12, 31}},
      {{1999, 6, 15}, tlpb_decades, {1990, 1, 1}, {1999, 12, 31}},
      {{1999, 6, 15}, tlpb_months, {1999, 6, 1}, {1999, 6, 30}},
      {{2000, 2, 10}, tlpb_months, {2000, 2, 1}, {2000, 2, 29}},
      {{1900, 2, 10}, tlpb_months, {1900, 2, 1}, {1900, 2, 28}},
      {{-44, 2, 3}, tlpb_months, {-44, 2, 1}, {-44, 2, 29}},
      {{-1000, 7, 1}, tlpb_millennia, {-1000, 1, 1}, {-1, 12, 31}},
      {{-1234, 5, 6}, tlpb_millennia, {-2000, 1, 1}, {-1001, 12, 31}},
      {{-1234, 5, 6}, tlpb_centuries, {-1300, 1, 1}, {-1201, 12, 31}},
      {{1999, 6, 15}, tlpb_hours, {1999, 6, 15}, {1999, 6, 15}},
      // No such period: today.
      {{1999, 13, 1}, tlpb_months, today, today},
      {{min_year, 1, 1}, tlpb_decades, today, {min_year + 7, 12, 31}},
      {{max_year, 1, 1}, tlpb_millennia, {max_year - 647, 1, 1}, today},
  };
  for (const Case &c : cases) {
    EXPECT_TRUE(SameDate(StartOfPeriod(c.r, c.basis), c.start)) << c.r.year << " " << c.basis;
    EXPECT_TRUE(SameDate(EndOfPeriod(c.r, c.basis), c.end)) << c.r.year << " " << c.basis;
  }
}

TEST(TimeLinePeriods, PeriodsBetweenCountsEitherWayRound) {
  struct Case {
    YMD first, last;
    TTimeLinePlotbase basis;
    int32_t periods;
  };
  const YMD y1990{1990, 1, 1}, end_1999{1999, 12, 31};
  const Case cases[] = {
      {y1990, end_1999, tlpb_decades, 1},
      {y1990, {2009, 12, 31}, tlpb_decades, 2},
      {y1990, end_1999, tlpb_years, 10},
      {y1990, end_1999, tlpb_months, 120},
      {y1990, end_1999, tlpb_days, 3651},
      {{-4499, 1, 1}, {5499, 12, 31}, tlpb_days, 3652058},
      {y1990, end_1999, tlpb_hours, 1},
      // A date that cannot be stored has no place on the line.
      {{-5000, 1, 1}, end_1999, tlpb_days, 0},
      {y1990, {1990, 4, 31}, tlpb_months, 0},
      {{-5000, 1, 1}, end_1999, tlpb_decades, 700},
      {{min_year, 1, 1}, {max_year, 1, 1}, tlpb_decades, 429496730},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(PeriodsBetween(c.first, c.last, c.basis), c.periods) << c.last.year << c.basis;
    EXPECT_EQ(PeriodsBetween(c.last, c.first, c.basis), c.periods) << c.last.year << c.basis;
  }
}

TEST(TimeLinePeriods, DaySpansAcrossTheShiftedFebruaries) {
  // The shift moves the leap centuries onto common years and the centuries before them onto
  // leap years; stored dates keep that, one day short or long from 28 February to 1 March.
  const std::pair<int32_t, int32_t> cases[] = {{1500, 2}, {1600, 1}, {1900, 2}, {2000, 1},
                                               {2300, 2}, {2400, 1}, {1996, 2}, {1999, 1}};
  for (const auto &[year, days] : cases) {
    const YMD before{year, 2, 28}, after{year, 3, 1};
    EXPECT_EQ(PeriodsBetween(before, after, tlpb_days), days) << year;
    EXPECT_EQ(PeriodNumberFor(after, before, tlpb_days), days) << year;
  }
}

TEST(TimeLinePeriods, PeriodNumbersCountWholePeriodsAndBucketsStayOnTheLine) {
  const YMD y1990{1990, 1, 1};
  struct Case {
    YMD date, start;
    TTimeLinePlotbase basis;
    int32_t number;
  };
  const Case cases[] = {
      {{1995, 6, 1}, y1990, tlpb_years, 5},
      {{2000, 1, 1}, y1990, tlpb_years, 10},
      {y1990, {1995, 6, 1}, tlpb_years, 5},
      {{2001, 2, 28}, {2000, 2, 29}, tlpb_years, 0},
      {{1990, 1, 20}, y1990, tlpb_months, 0},
      {{1990, 2, 28}, {1990, 1, 31}, tlpb_months, 0},
      {{1990, 3, 1}, {1990, 1, 31}, tlpb_months, 1},
      {{1999, 12, 31}, y1990, tlpb_months, 119},
      {{1990, 13, 1}, {1990, 12, 1}, tlpb_months, 0},
      {{1999, 12, 31}, y1990, tlpb_days, 3651},
      {{-5000, 1, 1}, y1990, tlpb_days, 0},
      {{1999, 6, 1}, y1990, tlpb_decades, 0},
      {{2000, 1, 1}, y1990, tlpb_decades, 1},
      {{-1001, 12, 31}, {-2000, 1, 1}, tlpb_millennia, 0},
      {{1999, 1, 1}, y1990, tlpb_hours, 0},
      {{max_year, 12, 31}, {min_year, 1, 1}, tlpb_months, max_year},
  };
  for (const Case &c : cases)
    EXPECT_EQ(PeriodNumberFor(c.date, c.start, c.basis), c.number)
        << c.date.year << "-" << c.date.month << "-" << c.date.day << " " << c.basis;

  struct Bucket {
    YMD date;
    TTimeLinePlotbase basis;
    uint32_t periods;
    int32_t index;
  };
  const Bucket buckets[] = {
      {{1999, 12, 31}, tlpb_years, 10, 9},
      {{2005, 1, 1}, tlpb_years, 10, 9},
      {{1980, 1, 1}, tlpb_years, 10, 0},
      {{1999, 1, 1}, tlpb_years, 0, 0},
      {{1990, 1, 10}, tlpb_days, 9, 8}, // the last of the days between is one past the end
      {{1999, 1, 1}, tlpb_days, 4294967295u, 3287},
  };
  for (const Bucket &b : buckets)
    EXPECT_EQ(PeriodIndexFor(b.date, y1990, b.basis, b.periods), b.index) << b.date.year;
}

} // namespace
} // namespace textcore
