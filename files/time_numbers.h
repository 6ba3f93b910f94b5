// Times of day in seconds, today's day number, the date of the running program, and numbers
// with thousands separators.
#pragma once

#include "platform/date_time.h"
#include "platform/format_settings.h"
#include "platform/strings.h"

#include <cstdint>

namespace textcore {

// The time-of-day part of t in whole seconds, rounded to the nearest (a half to the even one):
// 0 to 86400.
int32_t TodaysTimeInSeconds(TDateTime t);
// The time-of-day part of (now - t), rounded likewise: the count starts again every 24 hours,
// so a moment 25 hours ago gives 3600.
int32_t SecondsElapsedSince(TDateTime t);
// Today as a whole day number (days since 30 December 1899).
int32_t TodayAsLongint();

// The last-write time of the running program's file; that date in UserDefaultFormatSettings;
// its year as four digits.
TDateTime Compilation_DateTime();
String Compilation_Date();
String Compilation_Year();

// n with the settings' thousands separators and no decimals: 16777217 is "16,777,217". The
// integer is formatted exactly, never through single precision, which would round it to
// 16,777,216.
String IntToDecStr(int32_t n, const TFormatSettings &fs);
String IntToDecStr(int64_t n, const TFormatSettings &fs);
// x by the pattern "####,.00" (thousands grouping, two decimals) with the settings.
String RealToDecStr(double x, const TFormatSettings &fs);
float Int64ToSingle(int64_t n);

} // namespace textcore
