// Shifted Julian dates: the one Double in which the suite stores a text's date. The calendar
// year is moved 4500 years on before the date becomes a Julian date, so that dates long before
// the year 1 fit the platform's calendar (years 1 to 9999). Saved lists and records hold dates
// made with this shift, so it never changes, although 4500 is no multiple of 400: the leap
// centuries (1600, 2000, 2400) move onto common years and the centuries just before them (1500,
// 1900, 2300) onto leap years. 29 February 2000 therefore cannot be stored, and a span of days
// across such a February is one day short or long.
//
// A Julian date counts days from noon of 1 January 4713 BC, so a date at 00:00 ends in .5.
// Records hold the real year in astronomical numbering (0 is 1 BC, -1 is 2 BC) and are proleptic
// Gregorian throughout.
//
// Failures are absorbed: a record that cannot be stored gives 0, and a Julian date that is no
// date gives today (or false from the Try forms, which callers that must tell the two apart use).
// "Today" is Date(), so a frozen platform clock fixes it.
#pragma once

#include "core/basic_types.h"
#include "platform/date_time.h"

#include <cstdint>
#include <vector>

namespace textcore {

using TYearMonthDayArray = std::vector<TYearMonthDay>;

// The years added before a date is stored, and taken off after it is read.
constexpr int32_t julian_year_shift = 4500;
// The real years that can be stored: those whose shifted year lies in 1 to 9999.
constexpr int32_t first_storable_year = 1 - julian_year_shift;
constexpr int32_t last_storable_year = 9999 - julian_year_shift;
// The Julian date of the platform's day 0 (1899-12-30 at 00:00).
constexpr double julian_date_of_day_zero = 2415018.5;
// The empty date, (-4001, 1, 1): a record that holds no date. A real date of the year -4001
// cannot be told from it.
constexpr int32_t empty_date_year = -4001;

void ClearAYearMonthDayRec(TYearMonthDay &r);
TYearMonthDay AClearYearMonthDayRec();

// The shifted Julian date of r at 00:00. The month is read within 1 to 12 and the day within 1 to
// 31 (month 0 as 1, month 13 as 12); 0 when the year cannot be stored or the day is past the
// end of its month in the shifted year (31 April; 29 February 2000, since 6500 is no leap year).
double YearMonthDayToJulianAddingConst(const TYearMonthDay &r);
// The same without the shift (r.year is the platform's year, 1 to 9999); today's Julian date
// where that gives 0.
double YearMonthDayToJulianDateSemConvertir(const TYearMonthDay &r);

// The calendar date of jd's day (the day of floor(jd + 0.5), so the time of day is dropped on
// both sides of 1899-12-30). False for 0 and for anything outside years 1 to 9999.
bool TryJulianDateToYearMonthDaySemConvertir(double jd, TYearMonthDay &r);
// The same with the shift taken off the year.
bool TryJulianDateToYearMonthDayRemovingConst(double jd, TYearMonthDay &r);
// As the Try forms, but a jd that is no date gives today's date, from which the shifting form
// also takes 4500 years (so 0 gives today's month and day in the year today - 4500).
TYearMonthDay JulianDateToYearMonthDaySemConvertir(double jd);
TYearMonthDay JulianDateToYearMonthDayRemovingConst(double jd);

// The shifted Julian date of dt's day at 00:00 (its time of day is dropped). 0 when dt is no
// date (not a number, or outside years 1 to 9999) or its shifted year passes 9999, that is
// after the year 5499; and 0 for 29 February of a year whose shifted year is no leap year.
double DateTimeToJulianAddingConst(TDateTime dt);
// dt's year (less 4500), month and day; false when dt is no date.
bool TryDateToYearMonthDayRemovingConst(TDateTime dt, TYearMonthDay &r);
// As the Try form, but a dt that is no date gives today's date, with no year taken off.
TYearMonthDay DateToYearMonthDayRemovingConst(TDateTime dt);

// Today's date (the platform's Date()) as a record, no year taken off.
TYearMonthDay TodayAsYearMonthDay();

// The days of a month of any real year, by the Gregorian rule carried back before the year 1
// (so -44 and 0 are leap years); 0 for a month outside 1 to 12.
int32_t DaysInMonthOfYear(int32_t year, int32_t month);

// The date-time of jd's day at 00:00 (the day as above); false when jd is no date.
bool TryJulianDateToDateTime(double jd, TDateTime &dt);

} // namespace textcore
