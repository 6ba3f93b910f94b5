// Time-line periods: the bounds of the millennium, century, decade, year or month a date falls
// in, how many periods a span covers, and which period of a time line a date belongs to.
//
// Periods before the year 0 are counted by rounding down, so the millennium of -1234 is -2000 to
// -1001 and every date lies inside its own period.
#pragma once

#include "core/basic_types.h"
#include "definitions/time_line_basis.h"

#include <cstdint>

namespace textcore {

// The years of a period of millennia, centuries or decades; 0 for the other bases.
int32_t YearsPerPeriod(TTimeLinePlotbase basis);

// The first year of the period of k years that holds year (k = 1000, 100 or 10), rounding
// down: -1234 is in the millennium from -2000.
int64_t PeriodStartYear(int32_t year, int32_t k);

// The first and last day of r's period: millennia, centuries, decades and years from 1 January
// to 31 December, months from the 1st to the month's last day (Gregorian leap years, carried back
// before the year 1); r itself for the other bases. Today's date when there is no such period
// (by months, a month outside 1 to 12).
TYearMonthDay StartOfPeriod(const TYearMonthDay &r, TTimeLinePlotbase basis);
TYearMonthDay EndOfPeriod(const TYearMonthDay &r, TTimeLinePlotbase basis);

// The number of periods from first to last, in either order. Millennia, centuries and decades
// count the blocks their years span (first and last being a period's start and end); years,
// months and days count the span of their shifted Julian dates in 365.25, 30.4375 or 1 days,
// rounded half to even; other bases give 1. 0 by years, months or days when a date cannot be
// stored, for it has no place on the line.
int32_t PeriodsBetween(const TYearMonthDay &first, const TYearMonthDay &last,
                       TTimeLinePlotbase basis);

// The 0-based period of date counted from start, in either order: whole millennia, centuries or
// decades between their years; whole years or months elapsed by the calendar (1990-01-01 to
// 1999-09-01 is 9 years); whole days between their shifted Julian dates (0 when one cannot be
// stored); 0 for other bases. Months and days are read within 1 to 12 and 1 to 31.
int32_t PeriodNumberFor(const TYearMonthDay &date, const TYearMonthDay &start,
                        TTimeLinePlotbase basis);

// PeriodNumberFor held to a bucket of a line of periods buckets (0 to periods - 1; a line has at
// least one), so that no date indexes past the line's counts; 0 for a date before start.
int32_t PeriodIndexFor(const TYearMonthDay &date, const TYearMonthDay &start,
                       TTimeLinePlotbase basis, uint32_t periods);

} // namespace textcore
