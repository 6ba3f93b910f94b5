// The size of a time-line period. Column layouts and time-line cells hold its ordinal, so the
// order is part of the contract.
#pragma once

#include <cstdint>

namespace textcore {

enum TTimeLinePlotbase : uint8_t {
  tlpb_unknown,
  tlpb_millennia,
  tlpb_centuries,
  tlpb_decades,
  tlpb_years,
  tlpb_months,
  tlpb_days,
  tlpb_hours,
  tlpb_datafield,
  tlpb_custom,
  tlpb_spare
};
constexpr int32_t time_line_plotbase_count = 11;
static_assert(tlpb_spare + 1 == time_line_plotbase_count);

} // namespace textcore
