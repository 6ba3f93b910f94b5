// Dates typed by a user ("1999", "-440", "1999/3/5") as shifted Julian dates.
#pragma once

#include "platform/strings.h"

namespace textcore {

// The shifted Julian date of a typed date, read after trimming blanks and control characters:
//   a whole number alone      is a year, taken at its middle (1 July);
//   year/month/day            three whole numbers split at the first two "/";
// month and day being read within 1 to 12 and 1 to 31 as when a record is stored. A whole number
// is an optional sign and decimal digits only, within 32 bits. Text of fewer than 4 characters,
// text holding "<" or the "no date found" message, and anything else give the empty date's
// value (1903316.5); a date that cannot be stored (a year outside -4499 to 5499, 30 February)
// gives 0. No time of day is read.
double UserStrDateAndTimeParsed(StringView s);

} // namespace textcore
