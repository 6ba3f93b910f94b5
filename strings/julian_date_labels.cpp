// Labels of dates and time-line periods.
#include "strings/julian_date_labels.h"

#include "messages/message_names.h"
#include "platform/date_time.h"
#include "platform/format.h"
#include "platform/format_date_time.h"
#include "platform/textcore_lifetime.h"
#include "strings/julian_dates.h"

namespace textcore {
namespace {

struct BasisPatterns {
  StringView full;
  StringView abbreviated;
};

constexpr BasisPatterns basis_patterns[time_line_plotbase_count] = {
    {u"yyyy/mmm/dd hh:nn", u"yy/mmm/dd hh:nn"}, // tlpb_unknown
    {u"yyyy", u"yyyy"},                         // tlpb_millennia
    {u"yyyy", u"yyyy"},                         // tlpb_centuries
    {u"yyyy", u"yyyy"},                         // tlpb_decades
    {u"yyyy", u"yy"},                           // tlpb_years
    {u"yyyy/mmm", u"mmm"},                      // tlpb_months
    {u"yyyy/mmm/dd", u"d"},                     // tlpb_days
    {u"yyyy/mmm/dd hh", u"h"},                  // tlpb_hours
    {u"yyyy/mmm/dd hh:nn", u"yy/mmm/dd hh:nn"}, // tlpb_datafield
    {u"yyyy/mmm/dd hh:nn", u"yy/mmm/dd hh:nn"}, // tlpb_custom
    {u"yyyy/mmm/dd hh:nn", u"yy/mmm/dd hh:nn"}, // tlpb_spare
};

const BasisPatterns &PatternsOf(TTimeLinePlotbase basis) {
  return basis_patterns[basis < time_line_plotbase_count ? basis : tlpb_unknown];
}

std::array<String, time_line_plotbase_count> &PlotbaseNames() {
  static std::array<String, time_line_plotbase_count> names;
  return names;
}

constexpr StringView unknown_label = u"??";

// The record's month and day in the year 2000, which has every day a record can name.
bool TryDateIn2000(const TYearMonthDay &r, TDateTime &dt) {
  return r.month >= 1 && r.month <= 12 && r.day >= 1 && r.day <= 31 &&
         TryEncodeDate(2000, static_cast<uint16_t>(r.month), static_cast<uint16_t>(r.day), dt);
}

String FourDigitYear(int32_t year) { return Format(u"%5.4d", year); }

String TwoDigitYear(int32_t year) {
  const int64_t magnitude = year < 0 ? -int64_t{year} : year;
  return (year < 0 ? u"-" : u"") + Format(u"%.2d", magnitude % 100);
}

// The date formatted in 2000 by pattern, with the year of the record put in place of the year
// 2000 where the pattern starts with it (every pattern above shows the year first or not at all).
String LabelOf(const TYearMonthDay &r, StringView pattern, const TFormatSettings &settings) {
  TDateTime dt = 0;
  if (!TryDateIn2000(r, dt))
    return String(unknown_label);
  const String formatted = FormatDateTime(pattern, dt, settings);
  if (pattern.starts_with(u"yyyy"))
    return Trim(FourDigitYear(r.year) + formatted.substr(4));
  if (pattern.starts_with(u"yy"))
    return TwoDigitYear(r.year) + formatted.substr(2);
  return formatted;
}

} // namespace

void StartJuliandateroutines() {
  // In the order of TTimeLinePlotbase.
  const TMessage names[time_line_plotbase_count] = {
      _QMUnknown, _QMMillennia, _QMCenturies, _QMDecades, _QMYears, _QMMonths,
      _QMDays,    _QMHours,     _QMData,      _QMCustom,  _QMSpare};
  for (int32_t i = 0; i < time_line_plotbase_count; ++i)
    PlotbaseNames()[i] = String(names[i].Text());
}

const std::array<String, time_line_plotbase_count> &TimeLinePlotbaseStr() {
  return PlotbaseNames();
}

String TimeLineBasisFormatString(TTimeLinePlotbase basis) { return String(PatternsOf(basis).full); }

String AbbreviatedTimeLineBasisFormatString(TTimeLinePlotbase basis) {
  return String(PatternsOf(basis).abbreviated);
}

String YearMonthDayAsString(const TYearMonthDay &r, TTimeLinePlotbase basis,
                            const TFormatSettings &settings) {
  return LabelOf(r, PatternsOf(basis).full, settings);
}

String YearMonthDayAsString(const TYearMonthDay &r, TTimeLinePlotbase basis) {
  return YearMonthDayAsString(r, basis, UserDefaultFormatSettings());
}

String AbbreviatedYearMonthDayAsString(const TYearMonthDay &r, TTimeLinePlotbase basis,
                                       const TFormatSettings &settings) {
  return LabelOf(r, PatternsOf(basis).abbreviated, settings);
}

String AbbreviatedYearMonthDayAsString(const TYearMonthDay &r, TTimeLinePlotbase basis) {
  return AbbreviatedYearMonthDayAsString(r, basis, UserDefaultFormatSettings());
}

String JulianToStringRemovingConst(double jd, TTimeLinePlotbase basis, bool abbreviated,
                                   const TFormatSettings &settings) {
  TYearMonthDay r;
  if (!TryJulianDateToYearMonthDayRemovingConst(jd, r) || r.year == empty_date_year)
    return String(unknown_label);
  return abbreviated ? AbbreviatedYearMonthDayAsString(r, basis, settings)
                     : YearMonthDayAsString(r, basis, settings);
}

String JulianToStringRemovingConst(double jd, TTimeLinePlotbase basis, bool abbreviated) {
  return JulianToStringRemovingConst(jd, basis, abbreviated, UserDefaultFormatSettings());
}

} // namespace textcore
