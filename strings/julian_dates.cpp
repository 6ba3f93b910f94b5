// Shifted Julian dates: records, date-times and Julian dates, one to another.
#include "strings/julian_dates.h"

#include <algorithm>
#include <cmath>

namespace textcore {
namespace {

// The Julian date of 1899-12-30 at noon: day numbers are counted from noons.
constexpr double julian_day_of_day_zero = julian_date_of_day_zero + 0.5;

// The Julian date at 00:00 of a platform date (year 1 to 9999), month and day clamped as the
// stored records always were; 0 when there is no such day.
double JulianDateOfPlatformDate(int32_t year, int32_t month, int32_t day) {
  if (year < 1 || year > 9999)
    return 0;
  TDateTime dt = 0;
  if (!TryEncodeDate(static_cast<uint16_t>(year), static_cast<uint16_t>(std::clamp(month, 1, 12)),
                     static_cast<uint16_t>(std::clamp(day, 1, 31)), dt))
    return 0;
  return dt + julian_date_of_day_zero;
}

bool TrySplitDate(TDateTime dt, TYearMonthDay &r) {
  uint16_t year = 0, month = 0, day = 0;
  DecodeDate(dt, year, month, day); // zeros for anything that is no date
  if (year == 0)
    return false;
  r = TYearMonthDay{year, month, day};
  return true;
}

} // namespace

void ClearAYearMonthDayRec(TYearMonthDay &r) { r = TYearMonthDay{empty_date_year, 1, 1}; }

TYearMonthDay AClearYearMonthDayRec() { return TYearMonthDay{empty_date_year, 1, 1}; }

double YearMonthDayToJulianAddingConst(const TYearMonthDay &r) {
  // Checked before shifting, so that no year outside the storable ones can wrap round into them.
  if (r.year < first_storable_year || r.year > last_storable_year)
    return 0;
  return JulianDateOfPlatformDate(r.year + julian_year_shift, r.month, r.day);
}

double YearMonthDayToJulianDateSemConvertir(const TYearMonthDay &r) {
  const double jd = JulianDateOfPlatformDate(r.year, r.month, r.day);
  return jd != 0 ? jd : Date() + julian_date_of_day_zero;
}

bool TryJulianDateToDateTime(double jd, TDateTime &dt) {
  if (jd == 0 || !std::isfinite(jd))
    return false;
  const TDateTime day = std::floor(jd + 0.5) - julian_day_of_day_zero;
  TYearMonthDay r;
  if (!TrySplitDate(day, r))
    return false;
  dt = day;
  return true;
}

bool TryJulianDateToYearMonthDaySemConvertir(double jd, TYearMonthDay &r) {
  TDateTime dt = 0;
  return TryJulianDateToDateTime(jd, dt) && TrySplitDate(dt, r);
}

bool TryJulianDateToYearMonthDayRemovingConst(double jd, TYearMonthDay &r) {
  if (!TryJulianDateToYearMonthDaySemConvertir(jd, r))
    return false;
  r.year -= julian_year_shift;
  return true;
}

TYearMonthDay JulianDateToYearMonthDaySemConvertir(double jd) {
  TYearMonthDay r;
  return TryJulianDateToYearMonthDaySemConvertir(jd, r) ? r : TodayAsYearMonthDay();
}

TYearMonthDay JulianDateToYearMonthDayRemovingConst(double jd) {
  TYearMonthDay r = JulianDateToYearMonthDaySemConvertir(jd);
  r.year -= julian_year_shift;
  return r;
}

double DateTimeToJulianAddingConst(TDateTime dt) {
  TYearMonthDay r;
  if (!TrySplitDate(dt, r))
    return 0;
  return JulianDateOfPlatformDate(r.year + julian_year_shift, r.month, r.day);
}

bool TryDateToYearMonthDayRemovingConst(TDateTime dt, TYearMonthDay &r) {
  if (!TrySplitDate(dt, r))
    return false;
  r.year -= julian_year_shift;
  return true;
}

TYearMonthDay DateToYearMonthDayRemovingConst(TDateTime dt) {
  TYearMonthDay r;
  return TryDateToYearMonthDayRemovingConst(dt, r) ? r : TodayAsYearMonthDay();
}

TYearMonthDay TodayAsYearMonthDay() {
  TYearMonthDay r;
  TrySplitDate(Date(), r);
  return r;
}

int32_t DaysInMonthOfYear(int32_t year, int32_t month) {
  if (month < 1 || month > 12)
    return 0;
  // The Gregorian calendar repeats every 400 years, so a year in 400 to 799 stands for any.
  const int32_t same_year = 400 + (year % 400 + 400) % 400;
  return DaysInAMonth(static_cast<uint16_t>(same_year), static_cast<uint16_t>(month));
}

} // namespace textcore
