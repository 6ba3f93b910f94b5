// TSearchStatsRec: the running counts of words, sentences, paragraphs, headings and sections that
// the buffer matcher keeps while it scans, so that a hit can say where it lies.
//
// The caller keeps one record across the successive scans of one text; counting goes on from
// where the last scan left it.
#pragma once

#include <array>
#include <cstdint>

namespace textcore {

// Indexes of the three arrays.
enum : int32_t {
  stats_word = 0,
  stats_sentence = 1,
  stats_paragraph = 2,
  stats_heading = 3,
  stats_section = 4
};
constexpr int32_t stats_units = 5;

struct TSearchStatsRec {
  // number[0]: word starts seen; number[k]: the ordinal of the current unit k.
  std::array<int32_t, stats_units> number{};
  // position[k]: the word position inside the current unit k (not used for k = 0).
  std::array<int32_t, stats_units> position{};
  // out_of[k]: position[k] as it stood when the matcher last returned (not used for k = 0).
  std::array<int32_t, stats_units> out_of{};
};

} // namespace textcore
