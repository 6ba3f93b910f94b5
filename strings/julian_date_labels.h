// Labels of dates and time-line periods: the names of the period sizes, the date pattern of each
// size, and a record or shifted Julian date shown by one of them ("1999/Mar/05" by days).
//
// The year of a label is the record's real year, any number of digits and signed ("-0044"); the
// month, the day and the separator come from the format settings, the user's own unless given.
// A record's date is formatted in the leap year 2000, so 29 February is shown for any year.
#pragma once

#include "core/basic_types.h"
#include "definitions/time_line_basis.h"
#include "platform/format_settings.h"
#include "platform/strings.h"

#include <array>

namespace textcore {

// The display name of each period size, indexed by TTimeLinePlotbase, from the message
// catalogue when textcore starts.
const std::array<String, time_line_plotbase_count> &TimeLinePlotbaseStr();

// The full date pattern of basis ("yyyy/mmm/dd" by days); that of tlpb_unknown for a value
// outside the enumeration.
String TimeLineBasisFormatString(TTimeLinePlotbase basis);
// The short pattern of basis ("d" by days).
String AbbreviatedTimeLineBasisFormatString(TTimeLinePlotbase basis);

// r by the full pattern of basis, its year as at least four digits: (1999, 3, 5) by months is
// "1999/Mar", (-44, 3, 15) by days "-0044/Mar/15". "??" when the month or the day is not one of
// the calendar's. Only the date is held, so a pattern with hours shows 00.
String YearMonthDayAsString(const TYearMonthDay &r, TTimeLinePlotbase basis,
                            const TFormatSettings &settings);
String YearMonthDayAsString(const TYearMonthDay &r, TTimeLinePlotbase basis);
// The same by the short pattern: by months the month's short name, by days the day, by hours
// "0". A two-digit year is the last two digits of r's year, after a "-" for a year before 0
// ("-44"); year 0 shows as "00", as it shows as "0000" in a full label.
String AbbreviatedYearMonthDayAsString(const TYearMonthDay &r, TTimeLinePlotbase basis,
                                       const TFormatSettings &settings);
String AbbreviatedYearMonthDayAsString(const TYearMonthDay &r, TTimeLinePlotbase basis);

// The label of a shifted Julian date, short or full. "??" for the empty date and for a jd that is
// no date (0 above all, the value of every date that could not be stored), so an undated text
// never shows a date.
String JulianToStringRemovingConst(double jd, TTimeLinePlotbase basis, bool abbreviated,
                                   const TFormatSettings &settings);
String JulianToStringRemovingConst(double jd, TTimeLinePlotbase basis, bool abbreviated);

} // namespace textcore
