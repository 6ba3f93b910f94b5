// The relationship settings that the tools keep in their saved settings, written whole.
#pragma once

#include "definitions/collocation_window.h"
#include "definitions/mutual_info_stats.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace textcore {

static_assert(std::endian::native == std::endian::little,
              "the relationship settings are saved as little-endian records");

// Which word of a pair the stop list is applied to.
enum TMIStopListOptions : uint8_t {
  MIS_none,
  mis_filter_word1,
  mis_filter_word2,
  mis_filter_both_words
};

#pragma pack(push, 1)
// Booleans are stored as one byte, 0 or 1.
struct TMutual_info_settings32 {
  Tcollocates_stop_at_type spare_stop;
  Tcollocates_stop_at_type stop_at;
  uint8_t omit_left_right_matches;
  uint8_t omit_numbers;
  uint8_t show_pairs_twice;
  uint8_t recompute_total_tokens;
  uint8_t two_way;
  TMIStopListOptions MIStopListOption;
  uint8_t use_OR_for_minima; // a pair passes when any minimum is met, rather than all
  std::array<uint8_t, 7> spareb;
  int32_t MI_span;
  int32_t spare_MI_min_freq;
  float MI_max_percent;
  TMutualInfoProcArray minima; // the minimum score per statistic
  std::array<uint8_t, 40> spare_minima;
  int32_t MI_min_texts;
  std::array<uint8_t, 80> spare;
};
#pragma pack(pop)

static_assert(sizeof(TMutual_info_settings32) == 180);
static_assert(offsetof(TMutual_info_settings32, stop_at) == 1);
static_assert(offsetof(TMutual_info_settings32, two_way) == 6);
static_assert(offsetof(TMutual_info_settings32, MIStopListOption) == 7);
static_assert(offsetof(TMutual_info_settings32, use_OR_for_minima) == 8);
static_assert(offsetof(TMutual_info_settings32, spareb) == 9);
static_assert(offsetof(TMutual_info_settings32, MI_span) == 16);
static_assert(offsetof(TMutual_info_settings32, spare_MI_min_freq) == 20);
static_assert(offsetof(TMutual_info_settings32, MI_max_percent) == 24);
static_assert(offsetof(TMutual_info_settings32, minima) == 28);
static_assert(offsetof(TMutual_info_settings32, spare_minima) == 56);
static_assert(offsetof(TMutual_info_settings32, MI_min_texts) == 96);
static_assert(offsetof(TMutual_info_settings32, spare) == 100);

} // namespace textcore
