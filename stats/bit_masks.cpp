// Setting and testing single bits through the mask tables, with the index checked against the
// table rather than read past its end.
#include "stats/bit_masks.h"

namespace unidisplay {
namespace {

template <typename Word, std::size_t N> bool InTable(int32_t index, const std::array<Word, N> &) {
  return index >= 0 && static_cast<std::size_t>(index) < N;
}

} // namespace

void SetBit16(int32_t index, uint16_t &value) {
  if (InTable(index, bit_array16))
    value = static_cast<uint16_t>(value | bit_array16[index]);
}

void SetBit32(int32_t index, uint32_t &value) {
  if (InTable(index, bit_array32))
    value |= bit_array32[index];
}

bool IsBitSet16(int32_t index, uint16_t value) {
  return InTable(index, bit_array16) && (value & bit_array16[index]) == bit_array16[index];
}

bool IsBitSet32(int32_t index, uint32_t value) {
  return InTable(index, bit_array32) && (value & bit_array32[index]) == bit_array32[index];
}

} // namespace unidisplay
