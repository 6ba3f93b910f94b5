#include "strings/time_line_periods.h"

#include "platform/date_time.h"
#include "support/year_month_day.h"

#include <gtest/gtest.h>

#include <limits>

namespace textcore {
namespace {

using testsupport::SameDate;
using testsupport::YMD;

constexpr int32_t max_year = std::numeric_limits<int32_t>::max();
constexpr int32_t min_year = std::numeric_limits<int32_t>::min();

TEST(TimeLinePeriods, PeriodBoundsRoundDownBeforeTheYearZero) {
  const TFrozenClock clock(EncodeDate(2024, 5, 17) + 0.5);
  const TYearMonthDay today = YMD(2024, 5, 17);
  struct Case {
    TYearMonthDay r;
    TTimeLinePlotbase basis;
    TYearMonthDay start, end;
  };
  const Case cases[] = {
      {YMD(1999, 6, 15), tlpb_millennia, YMD(1000, 1, 1), YMD(1999, 12, 31)},
      {YMD(1999, 6, 15), tlpb_centuries, YMD(1900, 1, 1), YMD(1999, 12, 31)},
      {YMD(1999, 6, 15), tlpb_decades, YMD(1990, 1, 1), YMD(1999, 12, 31)},
      {YMD(1999, 6, 15), tlpb_years, YMD(1999, 1, 1), YMD(1999, 12, 31)},
      {YMD(1999, 6, 15), tlpb_months, YMD(1999, 6, 1), YMD(1999, 6, 30)},
      {YMD(2000, 2, 10), tlpb_months, YMD(2000, 2, 1), YMD(2000, 2, 29)},
      {YMD(1900, 2, 10), tlpb_months, YMD(1900, 2, 1), YMD(1900, 2, 28)},
      {YMD(2000, 1, 1), tlpb_decades, YMD(2000, 1, 1), YMD(2009, 12, 31)},
      {YMD(0, 7, 1), tlpb_millennia, YMD(0, 1, 1), YMD(999, 12, 31)},
      {YMD(-1, 7, 1), tlpb_decades, YMD(-10, 1, 1), YMD(-1, 12, 31)},
      {YMD(-1000, 7, 1), tlpb_millennia, YMD(-1000, 1, 1), YMD(-1, 12, 31)},
      {YMD(-1234, 5, 6), tlpb_millennia, YMD(-2000, 1, 1), YMD(-1001, 12, 31)},
      {YMD(-1234, 5, 6), tlpb_centuries, YMD(-1300, 1, 1), YMD(-1201, 12, 31)},
      {YMD(-1234, 5, 6), tlpb_decades, YMD(-1240, 1, 1), YMD(-1231, 12, 31)},
      {YMD(-44, 2, 3), tlpb_months, YMD(-44, 2, 1), YMD(-44, 2, 29)},
      {YMD(-100, 2, 3), tlpb_months, YMD(-100, 2, 1), YMD(-100, 2, 28)},
      {YMD(1999, 6, 15), tlpb_days, YMD(1999, 6, 15), YMD(1999, 6, 15)},
      {YMD(1999, 6, 15), tlpb_hours, YMD(1999, 6, 15), YMD(1999, 6, 15)},
      {YMD(1999, 6, 15), tlpb_unknown, YMD(1999, 6, 15), YMD(1999, 6, 15)},
      // No such period: today.
      {YMD(1999, 13, 1), tlpb_months, today, today},
      {YMD(1999, 0, 1), tlpb_months, today, today},
      {YMD(min_year, 1, 1), tlpb_decades, today, YMD(min_year + 7, 12, 31)},
      {YMD(max_year, 1, 1), tlpb_millennia, YMD(max_year - 647, 1, 1), today},
  };
  for (const Case &c : cases) {
    EXPECT_TRUE(SameDate(StartOfPeriod(c.r, c.basis), c.start)) << c.r.year << " " << c.basis;
    EXPECT_TRUE(SameDate(EndOfPeriod(c.r, c.basis), c.end)) << c.r.year << " " << c.basis;
  }
}

TEST(TimeLinePeriods, PeriodsBetweenCountsEitherWayRound) {
  struct Case {
    TYearMonthDay first, last;
    TTimeLinePlotbase basis;
    int32_t periods;
  };
  const Case cases[] = {
      {YMD(1990, 1, 1), YMD(1999, 12, 31), tlpb_millennia, 1},
      {YMD(1990, 1, 1), YMD(1999, 12, 31), tlpb_centuries, 1},
      {YMD(1990, 1, 1), YMD(1999, 12, 31), tlpb_decades, 1},
      {YMD(1990, 1, 1), YMD(2009, 12, 31), tlpb_decades, 2},
      {YMD(1990, 1, 1), YMD(1999, 12, 31), tlpb_years, 10},
      {YMD(1990, 1, 1), YMD(1999, 12, 31), tlpb_months, 120},
      {YMD(1990, 1, 1), YMD(1999, 12, 31), tlpb_days, 3651},
      {YMD(1990, 1, 1), YMD(1990, 1, 1), tlpb_days, 0},
      {YMD(-2000, 1, 1), YMD(-1001, 12, 31), tlpb_millennia, 1},
      {YMD(-4499, 1, 1), YMD(5499, 12, 31), tlpb_days, 3652058},
      {YMD(1990, 1, 1), YMD(1999, 12, 31), tlpb_hours, 1},
      {YMD(1990, 1, 1), YMD(1999, 12, 31), tlpb_unknown, 1},
      {YMD(1990, 1, 1), YMD(1999, 12, 31), tlpb_custom, 1},
      // A date that cannot be stored has no place on the line.
      {YMD(-5000, 1, 1), YMD(1999, 12, 31), tlpb_days, 0},
      {YMD(1990, 1, 1), YMD(5500, 1, 1), tlpb_years, 0},
      {YMD(1990, 1, 1), YMD(1990, 4, 31), tlpb_months, 0},
      {YMD(-5000, 1, 1), YMD(1999, 12, 31), tlpb_decades, 700},
      {YMD(min_year, 1, 1), YMD(max_year, 1, 1), tlpb_decades, 429496730},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(PeriodsBetween(c.first, c.last, c.basis), c.periods)
        << c.first.year << " " << c.last.year << " " << c.basis;
    EXPECT_EQ(PeriodsBetween(c.last, c.first, c.basis), c.periods)
        << c.first.year << " " << c.last.year << " " << c.basis;
  }
}

TEST(TimeLinePeriods, DaySpansAcrossTheShiftedFebruaries) {
  // Shifted by 4500 years, the centuries that are leap years fall on common years and the
  // others on leap years; stored dates keep that, one day short or long.
  struct Case {
    int32_t year;
    int32_t days; // from 28 February to 1 March
  };
  const Case cases[] = {{1500, 2}, {1600, 1}, {1900, 2}, {2000, 1}, {2300, 2},
                        {2400, 1}, {1996, 2}, {1999, 1}, {-4, 2}};
  for (const Case &c : cases) {
    const TYearMonthDay before = YMD(c.year, 2, 28), after = YMD(c.year, 3, 1);
    EXPECT_EQ(PeriodsBetween(before, after, tlpb_days), c.days) << c.year;
    EXPECT_EQ(PeriodNumberFor(after, before, tlpb_days), c.days) << c.year;
    // Whole months count by the calendar, which the shift does not touch.
    EXPECT_EQ(PeriodNumberFor(YMD(c.year, 3, 28), before, tlpb_months), 1) << c.year;
  }
}

TEST(TimeLinePeriods, PeriodNumbersCountWholePeriodsElapsed) {
  struct Case {
    TYearMonthDay date, start;
    TTimeLinePlotbase basis;
    int32_t number;
  };
  const Case cases[] = {
      {YMD(1995, 6, 1), YMD(1990, 1, 1), tlpb_years, 5},
      {YMD(1999, 9, 1), YMD(1990, 1, 1), tlpb_years, 9},
      {YMD(1999, 12, 31), YMD(1990, 1, 1), tlpb_years, 9},
      {YMD(2000, 1, 1), YMD(1990, 1, 1), tlpb_years, 10},
      {YMD(1990, 1, 1), YMD(1995, 6, 1), tlpb_years, 5},
      {YMD(2001, 2, 28), YMD(2000, 2, 29), tlpb_years, 0},
      {YMD(1990, 1, 20), YMD(1990, 1, 1), tlpb_months, 0},
      {YMD(1990, 2, 1), YMD(1990, 1, 1), tlpb_months, 1},
      {YMD(1990, 2, 28), YMD(1990, 1, 31), tlpb_months, 0},
      {YMD(1990, 3, 1), YMD(1990, 1, 31), tlpb_months, 1},
      {YMD(1999, 12, 31), YMD(1990, 1, 1), tlpb_months, 119},
      {YMD(1990, 13, 1), YMD(1990, 12, 1), tlpb_months, 0},
      {YMD(-1, 1, 1), YMD(-2, 12, 31), tlpb_months, 0},
      {YMD(1990, 1, 2), YMD(1990, 1, 1), tlpb_days, 1},
      {YMD(1999, 12, 31), YMD(1990, 1, 1), tlpb_days, 3651},
      {YMD(-5000, 1, 1), YMD(1990, 1, 1), tlpb_days, 0},
      {YMD(1999, 6, 1), YMD(1990, 1, 1), tlpb_decades, 0},
      {YMD(2000, 1, 1), YMD(1990, 1, 1), tlpb_decades, 1},
      {YMD(-1001, 12, 31), YMD(-2000, 1, 1), tlpb_millennia, 0},
      {YMD(-1000, 1, 1), YMD(-2000, 1, 1), tlpb_millennia, 1},
      {YMD(1999, 1, 1), YMD(1900, 1, 1), tlpb_centuries, 0},
      {YMD(1999, 1, 1), YMD(1990, 1, 1), tlpb_hours, 0},
      {YMD(1999, 1, 1), YMD(1990, 1, 1), tlpb_datafield, 0},
      {YMD(max_year, 12, 31), YMD(min_year, 1, 1), tlpb_months, max_year},
  };
  for (const Case &c : cases)
    EXPECT_EQ(PeriodNumberFor(c.date, c.start, c.basis), c.number)
        << c.date.year << "-" << c.date.month << "-" << c.date.day << " " << c.basis;
}

TEST(TimeLinePeriods, BucketIndexesStayOnTheLine) {
  struct Case {
    const char *what;
    TYearMonthDay date, start;
    TTimeLinePlotbase basis;
    uint32_t periods;
    int32_t index;
  };
  const TYearMonthDay y1990 = YMD(1990, 1, 1);
  const Case cases[] = {
      {"last day of ten years", YMD(1999, 12, 31), y1990, tlpb_years, 10, 9},
      {"after the line", YMD(2005, 1, 1), y1990, tlpb_years, 10, 9},
      {"before the line", YMD(1980, 1, 1), y1990, tlpb_years, 10, 0},
      {"the line's start", y1990, y1990, tlpb_years, 10, 0},
      // Days between the first and last day leave the last day one past the end.
      {"last day of a days line", YMD(1990, 1, 10), y1990, tlpb_days, 9, 8},
      {"no periods is one", YMD(1999, 1, 1), y1990, tlpb_years, 0, 0},
      {"all the periods there are", YMD(1999, 1, 1), y1990, tlpb_days, 4294967295u, 3287},
  };
  for (const Case &c : cases)
    EXPECT_EQ(PeriodIndexFor(c.date, c.start, c.basis, c.periods), c.index) << c.what;
}

} // namespace
} // namespace textcore
