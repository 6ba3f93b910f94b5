// Numbers written for people: large numbers in thousands, millions and billions, numbers with a
// fixed count of decimals, p-values without trailing zeros, ordinal suffixes, byte counts in the
// largest unit that keeps them readable, and numbers padded with zeros.
//
// Each formatting function has a form that takes its format settings, so that callers and tests
// can pin the separators; the other form uses the user's (UserDefaultFormatSettings).
#pragma once

#include "platform/format_settings.h"
#include "platform/strings.h"

#include <cstdint>

namespace textcore {

// x divided by 1000 as long as it is at least 1000 (in single precision, as x is), followed by
// the unit of the count of divisions: none ("%.0n", no decimals), then "K", "M", "G" and beyond
// those "Yikes", with one decimal: 950 gives "950", 1234567 "1.2M", 999950 "1,000.0K". An
// infinity or NaN gives the float text ("INF", "NAN").
String EasiestNRepresentationOfLargeNumber(float x);
String EasiestNRepresentationOfLargeNumber(float x, const TFormatSettings &settings);

// x with exactly decimals decimals (0 to 18; fewer is 0, more is 18), grouped in thousands when
// thousands is set, "%" after it when percent is. No decimal separator without decimals.
String FormattedWithDecimals(float x, int32_t decimals, bool thousands, bool percent);
String FormattedWithDecimals(float x, int32_t decimals, bool thousands, bool percent,
                             const TFormatSettings &settings);

// A p-value in fixed notation with 16 decimals, trailing zeros removed (the decimal separator may
// be left: 1 gives "1."). A value just below a power of ten from 0.1 to 1e-10 (within a ten
// thousandth of it) is taken as that power, so 0.0999995 gives "0.1". A value too large for
// fixed notation is written as the float text with its zeros kept.
String PValueStr(double x);
String PValueStr(double x, const TFormatSettings &settings);

// The Format pattern of n as an ordinal: "%dst", "%dnd", "%drd" by its last digit, and "%dth"
// for every other number and for 11, 12 and 13 in every hundred ("%dth" for 12 and 112).
String OrdinalFormatOf(int32_t n);

// n followed without a space by its unit: "bytes" up to 1 MiB, then whole kilobytes ("Kb") up to
// 8 MiB, whole megabytes ("Mb") up to 8 GiB and whole gigabytes ("Gb") beyond, each rounded
// down: 1048576 gives "1048576bytes" and 1048577 "1024Kb".
String ValueToByteStr(int64_t n);

// The decimal text of n with "0"s put before the whole of it until it is width characters long
// (before a minus sign too: (4, -5) gives "00-5"); a longer text is left as it is.
String WithLeftZeros(int32_t width, int64_t n);

} // namespace textcore
