// The generations of settings layout that a calling tool names by a number N when it reads its
// settings records: 5 the first 32-bit layouts, 6, 7 and 18 the current ones; any other number
// lets the readers look for the older layouts themselves.
#pragma once

#include <cstdint>

namespace textcore {

constexpr int32_t first_32bit_settings_generation = 5;

constexpr bool IsCurrentSettingsGeneration(int32_t N) { return N == 6 || N == 7 || N == 18; }

} // namespace textcore
