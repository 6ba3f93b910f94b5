// The packed date and time of DOS directories and zip entries.
#include "definitions/dos_date_time.h"

#include "platform/file_ops.h"

namespace textcore {

TDateTime LastModTimeAndDateToDateTime(uint16_t time, uint16_t date) {
  // The platform's file date holds the same fields, the date in its high word.
  return FileDateToDateTime(static_cast<int32_t>((uint32_t{date} << 16) | time));
}

} // namespace textcore
