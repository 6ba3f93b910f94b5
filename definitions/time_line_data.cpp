// The periods of a time-line cell.
#include "definitions/time_line_data.h"

#include "strings/julian_date_labels.h"
#include "strings/julian_dates.h"
#include "strings/time_line_periods.h"

#include <algorithm>

namespace textcore {
namespace {

// The shifted Julian date in the middle of period i. A number outside the line is held to its
// first or last period rather than labelling a date the line does not span.
double PeriodMiddle(int32_t i, const TTimeLineDataRec &data) {
  const double periods = std::max<uint32_t>(data.periods, 1);
  const double period = std::clamp<double>(i, 1, periods);
  const double width = (data.finish_date - data.start_date) / periods;
  return data.start_date + (2 * period - 1) * width / 2;
}

} // namespace

TDateTimeDetailsRec JulianDateDetails(int32_t i, const TTimeLineDataRec &data) {
  TYearMonthDay middle;
  if (!TryJulianDateToYearMonthDayRemovingConst(PeriodMiddle(i, data), middle)) {
    const TYearMonthDay empty = AClearYearMonthDayRec();
    return {empty, empty, empty};
  }
  TDateTimeDetailsRec details{middle, middle, middle};
  switch (data.basis) {
  case tlpb_millennia:
  case tlpb_centuries:
  case tlpb_decades: {
    // A stored year is within -4499 to 5499, so these years fit.
    const int32_t k = YearsPerPeriod(data.basis);
    details.period_start.year = static_cast<int32_t>(PeriodStartYear(middle.year, k));
    details.period_end.year = details.period_start.year + k - 1;
    break;
  }
  case tlpb_years:
    details.period_start.month = 1;
    details.period_end.month = 12;
    break;
  case tlpb_months:
    details.period_start.day = 1;
    details.period_end.day = DaysInMonthOfYear(middle.year, middle.month);
    break;
  default:
    break;
  }
  return details;
}

String JulianDateStrFromTimelineData(int32_t i, const TTimeLineDataRec &data, bool abbreviated,
                                     const TFormatSettings &settings) {
  return JulianToStringRemovingConst(PeriodMiddle(i, data), data.basis, abbreviated, settings);
}

String JulianDateStrFromTimelineData(int32_t i, const TTimeLineDataRec &data, bool abbreviated) {
  return JulianDateStrFromTimelineData(i, data, abbreviated, UserDefaultFormatSettings());
}

} // namespace textcore
