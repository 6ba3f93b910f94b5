#include "definitions/time_line_data.h"

#include "platform/date_time.h"
#include "strings/julian_dates.h"
#include "support/year_month_day.h"

#include <gtest/gtest.h>

namespace textcore {
namespace {

using testsupport::SameDate;
using testsupport::YMD;

TTimeLineDataRec Line(TTimeLinePlotbase basis, TYearMonthDay first, double days, uint32_t periods) {
  TTimeLineDataRec data;
  data.basis = basis;
  data.start_date = YearMonthDayToJulianAddingConst(first);
  data.finish_date = data.start_date + days;
  data.periods = periods;
  return data;
}

TEST(TimeLineData, PeriodDetailsByBasis) {
  struct Case {
    const char *what;
    TTimeLineDataRec data;
    int32_t i;
    TYearMonthDay start, mid, end;
  };
  const TYearMonthDay jan_1990 = YMD(1990, 1, 1), ides = YMD(-1234, 5, 6);
  const Case cases[] = {
      // 20 days in two periods: the middles are days 5 and 15.
      {"first of two", Line(tlpb_months, jan_1990, 20, 2), 1, YMD(1990, 1, 1), YMD(1990, 1, 6),
       YMD(1990, 1, 31)},
      {"second of two", Line(tlpb_months, jan_1990, 20, 2), 2, YMD(1990, 1, 1), YMD(1990, 1, 16),
       YMD(1990, 1, 31)},
      {"periods 0 is one period", Line(tlpb_months, jan_1990, 20, 0), 1, YMD(1990, 1, 1),
       YMD(1990, 1, 11), YMD(1990, 1, 31)},
      {"number 0 is the first", Line(tlpb_months, jan_1990, 20, 2), 0, YMD(1990, 1, 1),
       YMD(1990, 1, 6), YMD(1990, 1, 31)},
      {"past the last is the last", Line(tlpb_months, jan_1990, 20, 2), 7, YMD(1990, 1, 1),
       YMD(1990, 1, 16), YMD(1990, 1, 31)},
      {"February of a leap year", Line(tlpb_months, YMD(2000, 2, 10), 0, 1), 1, YMD(2000, 2, 1),
       YMD(2000, 2, 10), YMD(2000, 2, 29)},
      {"February of -100", Line(tlpb_months, YMD(-100, 2, 10), 0, 1), 1, YMD(-100, 2, 1),
       YMD(-100, 2, 10), YMD(-100, 2, 28)},
      {"years", Line(tlpb_years, ides, 0, 1), 1, YMD(-1234, 1, 6), ides, YMD(-1234, 12, 6)},
      {"decades", Line(tlpb_decades, ides, 0, 1), 1, YMD(-1240, 5, 6), ides, YMD(-1231, 5, 6)},
      {"centuries", Line(tlpb_centuries, ides, 0, 1), 1, YMD(-1300, 5, 6), ides, YMD(-1201, 5, 6)},
      {"millennia", Line(tlpb_millennia, ides, 0, 1), 1, YMD(-2000, 5, 6), ides, YMD(-1001, 5, 6)},
      {"days", Line(tlpb_days, ides, 0, 1), 1, ides, ides, ides},
      {"hours", Line(tlpb_hours, ides, 0, 1), 1, ides, ides, ides},
  };
  for (const Case &c : cases) {
    const TDateTimeDetailsRec details = JulianDateDetails(c.i, c.data);
    EXPECT_TRUE(SameDate(details.period_start, c.start)) << c.what;
    EXPECT_TRUE(SameDate(details.period_mid, c.mid)) << c.what;
    EXPECT_TRUE(SameDate(details.period_end, c.end)) << c.what;
  }
}

TEST(TimeLineData, ALineWithNoDatesHasNoDates) {
  const TFrozenClock clock(EncodeDate(2024, 5, 17) + 0.5);
  TTimeLineDataRec data; // dates 0, as when nothing could be stored
  data.basis = tlpb_years;
  const TDateTimeDetailsRec details = JulianDateDetails(1, data);
  EXPECT_TRUE(SameDate(details.period_start, YMD(-4001, 1, 1)));
  EXPECT_TRUE(SameDate(details.period_mid, YMD(-4001, 1, 1)));
  EXPECT_TRUE(SameDate(details.period_end, YMD(-4001, 1, 1)));
  const TFormatSettings settings = TFormatSettings::Invariant();
  EXPECT_EQ(JulianDateStrFromTimelineData(1, data, false, settings), u"??");
  EXPECT_EQ(JulianDateStrFromTimelineData(1, data, true, settings), u"??");
}

TEST(TimeLineData, PeriodLabelsAreThoseOfTheirMiddles) {
  TFormatSettings settings = TFormatSettings::Invariant();
  settings.DateSeparator = u'.';
  struct Case {
    TTimeLineDataRec data;
    int32_t i;
    const char16_t *full, *abbreviated;
  };
  const TYearMonthDay jan_1990 = YMD(1990, 1, 1);
  const Case cases[] = {
      {Line(tlpb_days, jan_1990, 20, 2), 2, u"1990.Jan.16", u"16"},
      {Line(tlpb_days, jan_1990, 20, 0), 1, u"1990.Jan.11", u"11"},
      {Line(tlpb_months, jan_1990, 20, 2), 9, u"1990.Jan", u"Jan"},
      {Line(tlpb_years, YMD(-44, 3, 15), 0, 1), 1, u"-0044", u"-44"},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(JulianDateStrFromTimelineData(c.i, c.data, false, settings), c.full);
    EXPECT_EQ(JulianDateStrFromTimelineData(c.i, c.data, true, settings), c.abbreviated);
  }
}

} // namespace
} // namespace textcore
