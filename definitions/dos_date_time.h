// The packed date and time of DOS directories and zip entries, as one date-time.
#pragma once

#include "platform/date_time.h"

#include <cstdint>

namespace textcore {

// date: year - 1980 in bits 9-15, month in 5-8, day in 0-4; time: hour in bits 11-15, minute in
// 5-10, seconds / 2 in 0-4. Raises EConvertError for a value that names no date and time: month
// 0 or 13 to 15, day 0 or past the month's end (30 February), hour above 23, minute above 59,
// seconds above 58, and so the all-zero date that some archivers write.
TDateTime LastModTimeAndDateToDateTime(uint16_t time, uint16_t date);

} // namespace textcore
