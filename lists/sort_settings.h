// The sort choices a tool keeps in its settings: per level, whether the level is wanted, its
// direction and whether it minds case, and which key each level sorts by.
//
// T3SortFeatures is stored whole inside the tools' settings records, so its layout is fixed;
// its Booleans are bytes 0 or 1 on disk and are read as "nonzero is true".
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace textcore {

static_assert(std::endian::native == std::endian::little, "settings records are little-endian");

// One flag per sort level (first, second, third).
using TSortWantedType = std::array<uint8_t, 3>;

#pragma pack(push, 1)
struct T3SortFeatures {
  TSortWantedType case_sensitive{};
  TSortWantedType boll_ascending{};
  TSortWantedType Wanted{};
};
#pragma pack(pop)

static_assert(sizeof(T3SortFeatures) == 9);
static_assert(offsetof(T3SortFeatures, case_sensitive) == 0);
static_assert(offsetof(T3SortFeatures, boll_ascending) == 3);
static_assert(offsetof(T3SortFeatures, Wanted) == 6);

enum TSortLevel : uint8_t { main_sort, second_sort, third_sort };

// The key number each level sorts by.
using TSortLevelNumbers = std::array<int32_t, 3>;

} // namespace textcore
