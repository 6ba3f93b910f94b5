// Shifted Julian dates.
#include "strings/julian_dates.h"

namespace textcore {

double DateTimeToJulianAddingConst(TDateTime dt) {
  uint16_t year = 0, month = 0, day = 0;
  // Decoding gives zeros for anything that is not a date, which no encoding accepts.
  DecodeDate(dt, year, month, day);
  const int32_t shifted = year + julian_year_shift;
  TDateTime date = 0;
  if (year == 0 || shifted > 9999 ||
      !TryEncodeDate(static_cast<uint16_t>(shifted), month, day, date))
    return 0;
  return date + julian_date_of_day_zero;
}

} // namespace textcore
