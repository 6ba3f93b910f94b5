// The running counts of words, sentences, paragraphs, headings and sections that the buffer
// matcher keeps while it scans a text, and that each hit carries as they stood at the hit.
//
// Index 0 is the word, 1 the sentence, 2 the paragraph, 3 the heading and 4 the section. The
// caller keeps one record across successive calls over one text so that counting continues.
#pragma once

#include <array>
#include <cstdint>

namespace textcore {

constexpr int32_t search_stats_units = 5;

struct TSearchStatsRec {
  // number[0]: word starts seen so far; number[k]: the ordinal of the current unit k.
  std::array<int32_t, search_stats_units> number{};
  // position[k]: the word position inside the current unit k (position[0] is unused).
  std::array<int32_t, search_stats_units> position{};
  // out_of[k]: position[k] as it was when the matcher last returned (out_of[0] is unused).
  std::array<int32_t, search_stats_units> out_of{};
};

} // namespace textcore
