// The relationship settings on a stream: the current 180-byte record (mutual_info_settings.h)
// and the old 32-byte one, told apart by their first byte.
//
// Only that byte tells the layouts apart: the old record's first field was a stop setting below
// 6, while in the current record it is a spare that the writer below sets to 6. A current record
// written with a smaller first byte would read back as an old one and leave the stream 148 bytes
// out of step, so current records go through TMutual_info_settings32ToStream.
#pragma once

#include "definitions/mutual_info_settings.h"
#include "platform/streams.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace textcore {

// The least first byte of a current record.
constexpr uint8_t mutual_info_settings32_marker = 6;
// "No minimum" for a statistic of an old record, which had only the MI minimum.
constexpr float mutual_info_no_minimum = -999999.0f;

#pragma pack(push, 1)
struct TMutual_info_settings_old {
  Tcollocates_stop_at_type spare_stop = coll_stop_none;
  Tcollocates_stop_at_type stop_at = coll_stop_none;
  uint8_t omit_left_right_matches = 0;
  uint8_t omit_numbers = 0;
  uint8_t show_pairs_twice = 0;
  uint8_t recompute_total_tokens = 0;
  uint8_t two_way = 0;
  std::array<uint8_t, 5> padding7{};
  int32_t span = 0;
  int32_t min_freq = 0;
  float min_mutual_info = 0;
  float max_percent = 0;
  std::array<uint8_t, 4> padding28{};
};
#pragma pack(pop)

static_assert(sizeof(TMutual_info_settings_old) == 32);
static_assert(offsetof(TMutual_info_settings_old, two_way) == 6);
static_assert(offsetof(TMutual_info_settings_old, span) == 12);
static_assert(offsetof(TMutual_info_settings_old, min_freq) == 16);
static_assert(offsetof(TMutual_info_settings_old, min_mutual_info) == 20);
static_assert(offsetof(TMutual_info_settings_old, max_percent) == 24);

// The old record in the current layout: its stop and flags, span and maximum percentage; every
// minimum "none" but the MI one; at least one text. Its minimum frequency is dropped.
TMutual_info_settings32 TMutual_info_settings32FromOld(const TMutual_info_settings_old &Old);
// The current record in the old layout, for tools that still write it.
TMutual_info_settings_old TMutual_info_settingsOldFrom32(const TMutual_info_settings32 &New);

// Reads one record of either layout: 32 bytes first, taken as the old layout when the first is
// below 6, else the stream steps back and 180 bytes are read. True when every byte read came;
// what did not come stays zero. A stream that ends inside the first 32 bytes leaves the record
// zero and the stream where it was.
bool TMutual_info_settings32FromStream(TStream &Stream, TMutual_info_settings32 &Rec);
// Writes the current record whole, its first byte raised to the marker; true when all went.
bool TMutual_info_settings32ToStream(TStream &Stream, const TMutual_info_settings32 &Rec);

} // namespace textcore
