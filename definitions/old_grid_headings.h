// The column headings of older saved lists, which were written whole in a fixed layout of 40
// bytes (the first version) or 60 bytes (with the column's statistics), and their reading into
// the current in-memory heading.
#pragma once

#include "definitions/grid_heading.h"
#include "platform/streams.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace textcore {

static_assert(std::endian::native == std::endian::little, "old headings are little-endian");

#pragma pack(push, 1)
// Booleans are one byte, non-zero meaning true. `minimum` lies at an odd offset.
struct grid_head_type_old {
  alignment_type alignment{};
  uint8_t typeface = 0;
  editable_type editable{};
  float minimum = 0;
  uint8_t decimals = 0;
  int32_t textcolour = 0;
  int32_t background = 0;
  uint8_t allow_case_change = 0;
  uint8_t extra_computed = 0;
  uint8_t numerical = 0;
  uint8_t visible = 0;
  int16_t original_column = 0;
  int16_t pixel_width = 0;
  output_results_case_type output_case{};
  uint8_t SpareB4 = 0;
  uint8_t may_have_old_data_unsafe = 0;
  uint8_t previous_decimals = 0;
  uint8_t wordwrap = 0;
  uint8_t has_custom_heading = 0;
  uint8_t percent_data = 0;
  uint8_t version = 0;
  int32_t HelpContext = 0;
  int32_t localization_number = 0;
  std::array<uint32_t, 5> column_data{}; // absent from the 40-byte version
};
#pragma pack(pop)

constexpr int32_t grid_head_old_first_size = 40;
static_assert(sizeof(grid_head_type_old) == 60);
static_assert(offsetof(grid_head_type_old, minimum) == 3);
static_assert(offsetof(grid_head_type_old, decimals) == 7);
static_assert(offsetof(grid_head_type_old, textcolour) == 8);
static_assert(offsetof(grid_head_type_old, background) == 12);
static_assert(offsetof(grid_head_type_old, allow_case_change) == 16);
static_assert(offsetof(grid_head_type_old, visible) == 19);
static_assert(offsetof(grid_head_type_old, original_column) == 20);
static_assert(offsetof(grid_head_type_old, pixel_width) == 22);
static_assert(offsetof(grid_head_type_old, output_case) == 24);
static_assert(offsetof(grid_head_type_old, SpareB4) == 25);
static_assert(offsetof(grid_head_type_old, previous_decimals) == 27);
static_assert(offsetof(grid_head_type_old, version) == 31);
static_assert(offsetof(grid_head_type_old, HelpContext) == 32);
static_assert(offsetof(grid_head_type_old, localization_number) == 36);
static_assert(offsetof(grid_head_type_old, column_data) == grid_head_old_first_size);

// Reads one old heading: 40 bytes when N is 0, else 60. OK is true only when all of them came;
// then every field of the same name is taken (visible as heading_visible), the old statistics
// become the first five of the new ones, and span is span_R51. Otherwise, and for the hint and
// heading always, the result is a cleared heading.
grid_head_type32 ReadOldGridHeadings(TStream &Stream, int32_t N, bool &OK);

} // namespace textcore
