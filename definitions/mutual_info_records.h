// The saved forms of one relationship (two words, their frequencies and scores) in the two
// layouts older lists hold, and the conversion between them.
//
// p1 and p2 refer to the words' entries in memory; on disk they are 4-byte slots with no usable
// value, written as 0, and whoever loads a record sets them anew.
#pragma once

#include "definitions/mutual_info_stats.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace textcore {

static_assert(std::endian::native == std::endian::little, "relationship records are little-endian");

#pragma pack(push, 1)

struct TMutualInfo_recOld {
  int32_t n_files = 0;
  int32_t f1 = 0;
  int32_t f2 = 0;
  int32_t joint = 0;
  int32_t commonest_gap_size = 0;
  float spareMI = 0;
  float spareZ = 0;
  float spareLL = 0;
  std::array<float, 6> scores{};
  int32_t w1 = 0;
  int32_t w2 = 0;
  uint32_t p1 = 0;
  uint32_t p2 = 0;
};

struct TMutualInfo_recFeb2016 {
  int32_t n_files = 0;
  int32_t f1 = 0;
  int32_t f2 = 0;
  int32_t joint = 0;
  int32_t commonest_gap_size = 0;
  TMutualInfoProcArray scores{}; // by TMutualInfoStats
  std::array<uint8_t, 36> reserved48{};
  int32_t w1 = 0;
  int32_t w2 = 0;
  uint32_t p1 = 0;
  uint32_t p2 = 0;
};

#pragma pack(pop)

static_assert(sizeof(TMutualInfo_recOld) == 72);
static_assert(offsetof(TMutualInfo_recOld, spareMI) == 20);
static_assert(offsetof(TMutualInfo_recOld, spareLL) == 28);
static_assert(offsetof(TMutualInfo_recOld, scores) == 32);
static_assert(offsetof(TMutualInfo_recOld, w1) == 56);
static_assert(offsetof(TMutualInfo_recOld, p2) == 68);

static_assert(sizeof(TMutualInfo_recFeb2016) == 100);
static_assert(offsetof(TMutualInfo_recFeb2016, scores) == 20);
static_assert(offsetof(TMutualInfo_recFeb2016, reserved48) == 48);
static_assert(offsetof(TMutualInfo_recFeb2016, w1) == 84);
static_assert(offsetof(TMutualInfo_recFeb2016, w2) == 88);
static_assert(offsetof(TMutualInfo_recFeb2016, p1) == 92);
static_assert(offsetof(TMutualInfo_recFeb2016, p2) == 96);

// The old record in the later layout: counts, words and the six old scores as the first six
// (the seventh statistic zero); its spare scores are dropped, and p1 and p2 are left 0 for the
// caller to set.
TMutualInfo_recFeb2016 TMutual_info_Rec32FromOld(const TMutualInfo_recOld &Old);

} // namespace textcore
