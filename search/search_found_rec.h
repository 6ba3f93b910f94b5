// One hit of a search: where it lies in the buffer and in the file, how long it is, which search
// word found it and the word, sentence and paragraph counts at that point.
//
// The pointers refer to the buffer the engine searched, which the caller owns; the record lives
// only in memory and is never written whole.
#pragma once

#include "search/search_stats_rec.h"

#include <array>
#include <cstdint>

namespace textcore {

struct TSearchFound_Rec {
  const void *start_of_text = nullptr;     // start of the text in memory
  const void *start_of_memory = nullptr;   // start of the current buffer
  const void *where_hit_started = nullptr; // first character of the hit
  int32_t percent_of_file = 0;
  int32_t hit_pos_in_wchar_kinds = 0; // characters from the buffer start
  uint32_t FileBytePos = 0;           // byte position of the buffer start within the file
  int32_t exact_hit_len = 0;          // characters matched by the pattern
  int32_t hit_characters = 0;         // characters of the reported hit (word completed)
  int32_t search_number = 0;          // index of the search word that found it
  int32_t hit_pos_in_characters = 0;
  std::array<uint8_t, 20> spare{};
  TSearchStatsRec count_stats;
};

} // namespace textcore
