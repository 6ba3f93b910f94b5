// Translation of CLDR date and time patterns (ICU's "EEEE, MMMM d, y", "h:mm:ss a") into the
// framework's pattern letters ("dddd, MMMM d, yyyy", "h:mm:ss tt").
#pragma once

#include "platform/strings.h"

namespace textcore {

enum class DatePatternUse : uint8_t { kShortDate, kLongDate, kTime };

// Literal text stays quoted; time-zone fields are dropped with the space before them; narrow and
// ordinary no-break spaces become spaces. Short dates write the year with four digits.
String WindowsDatePattern(StringView icu_pattern, DatePatternUse use);

// The first separator between two fields of a translated pattern ("/" of "M/d/yyyy"), or "".
String PatternSeparator(StringView windows_pattern);

} // namespace textcore
