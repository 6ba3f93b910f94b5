// Time and number helpers over the platform's dates and formatting.
#include "files/time_numbers.h"

#include "platform/file_ops.h"
#include "platform/float_format.h"
#include "platform/format.h"
#include "platform/format_date_time.h"

#include <cmath>

namespace textcore {

int32_t TodaysTimeInSeconds(TDateTime t) {
  // Decoding rounds to the millisecond first, so a time a hair below a half second (as the
  // double of 12:00:00.500 may be) still counts as the half it stands for.
  uint16_t hour = 0, min = 0, sec = 0, msec = 0;
  DecodeTime(t, hour, min, sec, msec);
  int32_t seconds = hour * 3600 + min * 60 + sec;
  if (msec > 500 || (msec == 500 && seconds % 2 == 1))
    ++seconds;
  return seconds;
}

int32_t SecondsElapsedSince(TDateTime t) { return TodaysTimeInSeconds(Now() - t); }

int32_t TodayAsLongint() { return static_cast<int32_t>(std::trunc(Date())); }

TDateTime Compilation_DateTime() { return ProgramFileTime(); }

String Compilation_Date() { return DateToStr(Compilation_DateTime(), UserDefaultFormatSettings()); }

String Compilation_Year() { return FormatDateTime(u"yyyy", Compilation_DateTime()); }

String IntToDecStr(int32_t n, const TFormatSettings &fs) { return Format(fs, u"%0.n", n); }

String IntToDecStr(int64_t n, const TFormatSettings &fs) { return Format(fs, u"%0.n", n); }

String RealToDecStr(double x, const TFormatSettings &fs) { return FormatFloat(u"####,.00", x, fs); }

float Int64ToSingle(int64_t n) { return static_cast<float>(n); }

} // namespace textcore
