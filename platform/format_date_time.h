// Dates and times as text and back: FormatDateTime with the framework's pattern letters, and the
// readers of dates and times typed by a user in the order of the short date format.
//
// Pattern letters (case does not matter; a run of the same character is one specifier):
//   c        short date, then the long time unless the time is midnight
//   d dd     day of the month without / with a leading zero
//   ddd dddd short / long day name;   ddddd short date;   dddddd long date
//   m mm     month without / with a leading zero; minutes right after an h or hh
//   mmm mmmm short / long month name
//   yy yyyy  two- / four-digit year
//   h hh     hour (12-hour clock when am/pm, a/p or ampm follows)
//   n nn     minute;   s ss  second;   z zzz  millisecond without / with leading zeros
//   t tt     short / long time
//   am/pm a/p  "am" or "pm" ("a" or "p") in the case written;   ampm  TimeAMString or TimePMString
//   aaa aaaa short / long day name
//   /  :     DateSeparator, TimeSeparator
//   '...' "..."  text copied as it is;   any other character is copied
// An empty pattern is "c". Patterns may name the settings' own formats one level deep; a format
// that names itself again is not expanded further.
#pragma once

#include "platform/date_time.h"
#include "platform/format_settings.h"
#include "platform/strings.h"

namespace textcore {

String FormatDateTime(StringView format, TDateTime value, const TFormatSettings &settings);
String FormatDateTime(StringView format, TDateTime value);

// ShortDateFormat, LongTimeFormat, and "c" (which drops a midnight time).
String DateToStr(TDateTime value, const TFormatSettings &settings);
String DateToStr(TDateTime value);
String TimeToStr(TDateTime value, const TFormatSettings &settings);
String TimeToStr(TDateTime value);
String DateTimeToStr(TDateTime value, const TFormatSettings &settings);
String DateTimeToStr(TDateTime value);

// A date typed as two or three numbers separated by DateSeparator, in the order that
// ShortDateFormat names day, month and year; blanks around the parts are allowed. With two
// numbers the year is the current one. A year of one or two digits is placed by
// TwoDigitYearCenturyWindow (see ExpandTwoDigitYear). StrToDate raises EConvertError
// "'%s' is not a valid date".
bool TryStrToDate(StringView s, TDateTime &value, const TFormatSettings &settings);
bool TryStrToDate(StringView s, TDateTime &value);
TDateTime StrToDate(StringView s, const TFormatSettings &settings);
TDateTime StrToDate(StringView s);
TDateTime StrToDateDef(StringView s, TDateTime default_value, const TFormatSettings &settings);
TDateTime StrToDateDef(StringView s, TDateTime default_value);

// A time typed as hours[:minutes[:seconds[.milliseconds]]] with TimeSeparator and
// DecimalSeparator, with AM/PM (or the settings' strings, any case) before or after it. The
// milliseconds are a count, so "1.5" is one second and five milliseconds, as the framework read
// them. StrToTime raises EConvertError "'%s' is not a valid time".
bool TryStrToTime(StringView s, TDateTime &value, const TFormatSettings &settings);
bool TryStrToTime(StringView s, TDateTime &value);
TDateTime StrToTime(StringView s, const TFormatSettings &settings);
TDateTime StrToTime(StringView s);
TDateTime StrToTimeDef(StringView s, TDateTime default_value, const TFormatSettings &settings);
TDateTime StrToTimeDef(StringView s, TDateTime default_value);

// A date, a time, or a date and a time separated by blanks, each read as above; a time after a
// date before 30 December 1899 moves it towards that day's end, as the encoding of such dates has
// it.
bool TryStrToDateTime(StringView s, TDateTime &value, const TFormatSettings &settings);
bool TryStrToDateTime(StringView s, TDateTime &value);

// The full year for a year typed with at most two digits: in the century of current_year minus
// window, moved a century on when it falls before that year. With a window of 0 it is simply in
// the current century.
int32_t ExpandTwoDigitYear(int32_t year, int32_t current_year, int32_t window);

} // namespace textcore
