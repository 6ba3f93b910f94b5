// The association statistics a pair of words can be scored by, and the arrays that hold one score
// per statistic.
//
// The order of TMutualInfoStats is part of the contract: saved settings and saved relationship
// lists hold its ordinals, and every per-statistic array is indexed by them.
#pragma once

#include <array>
#include <cstdint>

namespace textcore {

enum TMutualInfoStats : uint8_t {
  MI_Dice,
  MI_MI,
  MI_MI3,
  MI_Z,
  MI_log_likelihood,
  MI_T_Score,
  MI_Log_Ratio
};

constexpr int32_t mutual_info_stats_count = 7;
static_assert(MI_Log_Ratio + 1 == mutual_info_stats_count);

// The scores of one collocate, by statistic.
using TRelationshipArray = std::array<float, mutual_info_stats_count>;

// Scores or minimum scores of a relationship, by statistic; saved as seven Singles.
using TMutualInfoProcArray = std::array<float, mutual_info_stats_count>;
static_assert(sizeof(TMutualInfoProcArray) == 28);

} // namespace textcore
