// One cell of a time line: the dates it spans, how they are cut into periods, and the hits and
// word counts of each period; and the dates and label of one of its periods.
//
// The cell lives in memory only; its dates are shifted Julian dates.
#pragma once

#include "core/basic_types.h"
#include "definitions/time_line_basis.h"
#include "platform/format_settings.h"
#include "platform/strings.h"

#include <array>
#include <cstdint>
#include <vector>

namespace textcore {

struct THitAndWordCountRec {
  uint32_t hits = 0;
  uint32_t wordcount = 0;
};

struct TTimeLineDataRec {
  TTimeLinePlotbase basis = tlpb_unknown;
  double start_date = 0;
  double finish_date = 0;
  uint32_t wordcount_total = 0;
  uint32_t hits_total = 0;
  // The periods the span is cut into; 0 is read as 1.
  uint32_t periods = 0;
  uint32_t max_hits = 0;
  uint32_t max_wordcount = 0;
  float hitsper1000 = 0;
  float dispersion_value = 0;
  bool IsOverallOrLine1Data = false;
  std::array<uint8_t, 3> spareb{};
  std::array<uint8_t, 60> spare{};
  // One per period.
  std::vector<THitAndWordCountRec> hitsandWCounts;
  String searchword;
};

struct TDateTimeDetailsRec {
  TYearMonthDay period_start;
  TYearMonthDay period_mid;
  TYearMonthDay period_end;
};

// Period i (1-based, held to 1 .. periods) of data: all three records hold the date in its
// middle, then millennia, centuries and decades move the start's year down to the period's first
// (rounding down before the year 0) and the end's to its last, keeping the middle's month and
// day; years make the start's month 1 and the end's 12; months make the start's day 1 and the
// end's the month's last. The empty date in all three when the middle is no date.
TDateTimeDetailsRec JulianDateDetails(int32_t i, const TTimeLineDataRec &data);

// The label of the middle of period i (held as above) by data's basis, short or full; "??" when
// it is no date.
String JulianDateStrFromTimelineData(int32_t i, const TTimeLineDataRec &data, bool abbreviated,
                                     const TFormatSettings &settings);
String JulianDateStrFromTimelineData(int32_t i, const TTimeLineDataRec &data, bool abbreviated);

} // namespace textcore
