// The window around a node word in which collocates are counted: how far it reaches to each side,
// and which boundary in the text stops it.
#pragma once

#include <cstdint>

namespace textcore {

// The horizons in words to the left and right of the node; the node's own position is in
// neither. Saved settings hold it as two little-endian SmallInts.
struct Tdouble_smallint_type {
  int16_t to_left = 0;
  int16_t to_right = 0;
};
static_assert(sizeof(Tdouble_smallint_type) == 4);

// Where a pair's window stops, short of its horizons.
enum Tcollocates_stop_at_type : uint8_t {
  coll_stop_none,
  coll_stop_punctuation,
  coll_stop_sentence,
  coll_stop_paragraph,
  coll_stop_heading,
  coll_stop_section,
  coll_stop_text
};

} // namespace textcore
