#include "definitions/time_line_data.h"

#include "platform/date_time.h"
#include "strings/julian_dates.h"

#include <gtest/gtest.h>

#include <string>

namespace textcore {
namespace {

using YMD = TYearMonthDay;

TTimeLineDataRec Line(TTimeLinePlotbase basis, YMD first, double days, uint32_t periods) {
  TTimeLineDataRec data;
  data.basis = basis;
  data.start_date = YearMonthDayToJulianAddingConst(first); // 0 for a year that cannot be stored
  data.finish_date = data.start_date + days;
  data.periods = periods;
  return data;
}

std::string Text(const YMD &r) {
  return std::to_string(r.year) + "/" + std::to_string(r.month) + "/" + std::to_string(r.day);
}

TEST(TimeLineData, PeriodDetailsAndLabelsByBasis) {
  const TFrozenClock clock(EncodeDate(2024, 5, 17) + 0.5);
  TFormatSettings settings = TFormatSettings::Invariant();
  settings.DateSeparator = u'.';
  const YMD jan_1990{1990, 1, 1}, ides{-1234, 5, 6};
  struct Case {
    TTimeLineDataRec data;
    int32_t i;
    const char *start_mid_end;
    const char16_t *label;
  };
  const Case cases[] = {
      // 20 days in two periods: the middles are 5 and 15 days on.
      {Line(tlpb_months, jan_1990, 20, 2), 1, "1990/1/1 1990/1/6 1990/1/31", u"1990.Jan"},
      {Line(tlpb_days, jan_1990, 20, 2), 2, "1990/1/16 1990/1/16 1990/1/16", u"1990.Jan.16"},
      // No periods is one.
      {Line(tlpb_days, jan_1990, 20, 0), 1, "1990/1/11 1990/1/11 1990/1/11", u"1990.Jan.11"},
      // Numbers are held to the line.
      {Line(tlpb_days, jan_1990, 20, 2), 0, "1990/1/6 1990/1/6 1990/1/6", u"1990.Jan.06"},
      {Line(tlpb_days, jan_1990, 20, 2), 7, "1990/1/16 1990/1/16 1990/1/16", u"1990.Jan.16"},
      {Line(tlpb_months, {2000, 2, 10}, 0, 1), 1, "2000/2/1 2000/2/10 2000/2/29", u"2000.Feb"},
      {Line(tlpb_years, ides, 0, 1), 1, "-1234/1/6 -1234/5/6 -1234/12/6", u"-1234"},
      {Line(tlpb_decades, ides, 0, 1), 1, "-1240/5/6 -1234/5/6 -1231/5/6", u"-1234"},
      {Line(tlpb_centuries, ides, 0, 1), 1, "-1300/5/6 -1234/5/6 -1201/5/6", u"-1234"},
      {Line(tlpb_millennia, ides, 0, 1), 1, "-2000/5/6 -1234/5/6 -1001/5/6", u"-1234"},
      {Line(tlpb_hours, ides, 0, 1), 1, "-1234/5/6 -1234/5/6 -1234/5/6", u"-1234.May.06 00"},
      // Dates 0, as when nothing could be stored: no date rather than today's.
      {Line(tlpb_years, {-5000, 1, 1}, 0, 1), 1, "-4001/1/1 -4001/1/1 -4001/1/1", u"??"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.data.basis << " " << c.i);
    const TDateTimeDetailsRec details = JulianDateDetails(c.i, c.data);
    EXPECT_EQ(Text(details.period_start) + " " + Text(details.period_mid) + " " +
                  Text(details.period_end),
              c.start_mid_end);
    EXPECT_EQ(JulianDateStrFromTimelineData(c.i, c.data, false, settings), c.label);
  }
  EXPECT_EQ(JulianDateStrFromTimelineData(2, Line(tlpb_days, jan_1990, 20, 2), true, settings),
            u"16");
}

} // namespace
} // namespace textcore
