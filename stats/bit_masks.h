// Single-bit masks of 16- and 32-bit words, and setting and testing one bit. The font-signature
// readers test the signature's bit fields with these.
#pragma once

#include <array>
#include <cstdint>

namespace unidisplay {

// Entry i holds 2^i.
inline constexpr std::array<uint16_t, 16> bit_array16 = [] {
  std::array<uint16_t, 16> masks{};
  for (int i = 0; i < 16; ++i)
    masks[i] = static_cast<uint16_t>(1u << i);
  return masks;
}();

inline constexpr std::array<uint32_t, 32> bit_array32 = [] {
  std::array<uint32_t, 32> masks{};
  for (int i = 0; i < 32; ++i)
    masks[i] = 1u << i;
  return masks;
}();

// Bit index of value is set. An index outside 0 ... 15 (0 ... 31) names no bit of the word: value
// is left as it is.
void SetBit16(int32_t index, uint16_t &value);
void SetBit32(int32_t index, uint32_t &value);

// Whether bit index of value is set; false for an index outside the word.
bool IsBitSet16(int32_t index, uint16_t value);
bool IsBitSet32(int32_t index, uint32_t value);

} // namespace unidisplay
