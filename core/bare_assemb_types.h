// The 8-bit case table: a length byte and up to 128 letters of the current 8-bit code page.
//
// A lower-case table and an upper-case table of equal length pair their letters position by
// position; they carry only the letters outside ASCII a..z / A..Z. The type is stored whole in
// settings records (129 bytes), so its layout is fixed.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace textcore {

#pragma pack(push, 1)
struct ANSILower_or_upperStr_type {
  uint8_t length = 0;
  std::array<char, 128> chars{};

  // The length byte comes from disk; a damaged one above 128 must not send a reader past the
  // letters, so every user of the table goes through this.
  int32_t UsableLength() const { return length > 128 ? 128 : length; }
};
#pragma pack(pop)

static_assert(sizeof(ANSILower_or_upperStr_type) == 129);
static_assert(offsetof(ANSILower_or_upperStr_type, chars) == 1);

} // namespace textcore
