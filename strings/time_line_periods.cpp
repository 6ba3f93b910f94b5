// Time-line periods.
#include "strings/time_line_periods.h"

#include "strings/julian_dates.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>

namespace textcore {
namespace {

constexpr double days_per_year = 365.25;
constexpr double days_per_month = 30.4375;

bool FitsInteger(int64_t value) {
  return value >= std::numeric_limits<int32_t>::min() &&
         value <= std::numeric_limits<int32_t>::max();
}

int32_t ClampToInteger(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

// A bound of a period; today's date when its year is past what a record holds.
TYearMonthDay Bound(int64_t year, int32_t month, int32_t day) {
  if (!FitsInteger(year))
    return TodayAsYearMonthDay();
  return TYearMonthDay{static_cast<int32_t>(year), month, day};
}

// The record as it is stored: month and day within 1 to 12 and 1 to 31.
TYearMonthDay Clamped(const TYearMonthDay &r) {
  TYearMonthDay c = r;
  c.month = std::clamp(r.month, 1, 12);
  c.day = std::clamp(r.day, 1, 31);
  return c;
}

bool IsBefore(const TYearMonthDay &a, const TYearMonthDay &b) {
  const TYearMonthDay ca = Clamped(a), cb = Clamped(b);
  return std::tie(ca.year, ca.month, ca.day) < std::tie(cb.year, cb.month, cb.day);
}

// Whole years or months from the earlier of a and b to the later, by the calendar.
int64_t WholeYearsOrMonths(const TYearMonthDay &a, const TYearMonthDay &b, bool months) {
  TYearMonthDay earlier = Clamped(a), later = Clamped(b);
  if (IsBefore(later, earlier))
    std::swap(earlier, later);
  const int64_t years = int64_t{later.year} - earlier.year;
  if (months) {
    const int64_t count = years * 12 + (later.month - earlier.month);
    return count - (later.day < earlier.day ? 1 : 0);
  }
  return years - (std::tie(later.month, later.day) < std::tie(earlier.month, earlier.day) ? 1 : 0);
}

// The days between the two dates once stored; false when either cannot be stored.
bool TryStoredSpan(const TYearMonthDay &a, const TYearMonthDay &b, double &span) {
  const double ja = YearMonthDayToJulianAddingConst(a);
  const double jb = YearMonthDayToJulianAddingConst(b);
  if (ja == 0 || jb == 0)
    return false;
  span = std::fabs(jb - ja);
  return true;
}

int64_t YearsApart(const TYearMonthDay &a, const TYearMonthDay &b) {
  return std::llabs(int64_t{b.year} - a.year);
}

// Spans are a few million days at the most, so every count fits.
int32_t RoundedHalfToEven(double value) { return static_cast<int32_t>(std::nearbyint(value)); }

} // namespace

int32_t YearsPerPeriod(TTimeLinePlotbase basis) {
  switch (basis) {
  case tlpb_millennia:
    return 1000;
  case tlpb_centuries:
    return 100;
  case tlpb_decades:
    return 10;
  default:
    return 0;
  }
}

int64_t PeriodStartYear(int32_t year, int32_t k) {
  const int64_t quotient = year / k - (year % k < 0 ? 1 : 0);
  return quotient * k;
}

TYearMonthDay StartOfPeriod(const TYearMonthDay &r, TTimeLinePlotbase basis) {
  if (const int32_t k = YearsPerPeriod(basis))
    return Bound(PeriodStartYear(r.year, k), 1, 1);
  switch (basis) {
  case tlpb_years:
    return Bound(r.year, 1, 1);
  case tlpb_months:
    return r.month >= 1 && r.month <= 12 ? Bound(r.year, r.month, 1) : TodayAsYearMonthDay();
  default:
    return r;
  }
}

TYearMonthDay EndOfPeriod(const TYearMonthDay &r, TTimeLinePlotbase basis) {
  if (const int32_t k = YearsPerPeriod(basis))
    return Bound(PeriodStartYear(r.year, k) + k - 1, 12, 31);
  switch (basis) {
  case tlpb_years:
    return Bound(r.year, 12, 31);
  case tlpb_months: {
    const int32_t days = DaysInMonthOfYear(r.year, r.month);
    return days > 0 ? Bound(r.year, r.month, days) : TodayAsYearMonthDay();
  }
  default:
    return r;
  }
}

int32_t PeriodsBetween(const TYearMonthDay &first, const TYearMonthDay &last,
                       TTimeLinePlotbase basis) {
  if (const int32_t k = YearsPerPeriod(basis))
    return ClampToInteger(YearsApart(first, last) / k + 1);
  double span = 0;
  switch (basis) {
  case tlpb_years:
    return TryStoredSpan(first, last, span) ? RoundedHalfToEven(span / days_per_year) : 0;
  case tlpb_months:
    return TryStoredSpan(first, last, span) ? RoundedHalfToEven(span / days_per_month) : 0;
  case tlpb_days:
    return TryStoredSpan(first, last, span) ? RoundedHalfToEven(span) : 0;
  default:
    return 1;
  }
}

int32_t PeriodNumberFor(const TYearMonthDay &date, const TYearMonthDay &start,
                        TTimeLinePlotbase basis) {
  if (const int32_t k = YearsPerPeriod(basis))
    return ClampToInteger(YearsApart(date, start) / k);
  double span = 0;
  switch (basis) {
  case tlpb_years:
    return ClampToInteger(WholeYearsOrMonths(date, start, false));
  case tlpb_months:
    return ClampToInteger(WholeYearsOrMonths(date, start, true));
  case tlpb_days:
    return TryStoredSpan(date, start, span) ? static_cast<int32_t>(std::floor(span)) : 0;
  default:
    return 0;
  }
}

int32_t PeriodIndexFor(const TYearMonthDay &date, const TYearMonthDay &start,
                       TTimeLinePlotbase basis, uint32_t periods) {
  // The count is the same either way round, so a date before the line's start is put in its
  // first bucket here rather than as far on as it lies back.
  if (IsBefore(date, start))
    return 0;
  const int64_t last = std::max<int64_t>(periods, 1) - 1;
  return ClampToInteger(std::clamp<int64_t>(PeriodNumberFor(date, start, basis), 0, last));
}

} // namespace textcore
