// Shifted Julian dates: the one Double in which the suite stores a text's date. The calendar
// year is moved 4500 years on before the date becomes a Julian date, so that dates long before
// the year 1 fit the platform's calendar (years 1 to 9999).
#pragma once

#include "platform/date_time.h"

#include <cstdint>

namespace textcore {

// The years added before a date is stored, and taken off after it is read.
constexpr int32_t julian_year_shift = 4500;
// The Julian date of the platform's day 0 (1899-12-30 at 00:00).
constexpr double julian_date_of_day_zero = 2415018.5;

// The shifted Julian date of dt's day at 00:00 (its time of day is dropped). 0 when dt is no
// date (not a number, or outside years 1 to 9999) or its shifted year passes 9999, that is
// after the year 5499; and 0 for 29 February of a year whose shifted year is no leap year.
double DateTimeToJulianAddingConst(TDateTime dt);

} // namespace textcore
