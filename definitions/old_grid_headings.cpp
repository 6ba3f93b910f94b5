// Reading the old column headings.
#include "definitions/old_grid_headings.h"

#include <algorithm>

namespace textcore {

namespace {

grid_head_type32 FromOld(const grid_head_type_old &old) {
  grid_head_type32 head;
  head.alignment = old.alignment;
  head.typeface = typeface_set_type::FromBytes({old.typeface});
  head.editable = old.editable;
  head.minimum = old.minimum;
  head.decimals = old.decimals;
  head.textcolour = old.textcolour;
  head.background = old.background;
  head.allow_case_change = old.allow_case_change != 0;
  head.extra_computed = old.extra_computed != 0;
  head.numerical = old.numerical != 0;
  head.heading_visible = old.visible != 0;
  head.original_column = old.original_column;
  head.pixel_width = old.pixel_width;
  head.output_case = old.output_case;
  head.previous_decimals = old.previous_decimals;
  head.wordwrap = old.wordwrap != 0;
  head.has_custom_heading = old.has_custom_heading != 0;
  head.percent_data = old.percent_data != 0;
  head.version = old.version;
  head.HelpContext = old.HelpContext;
  head.localization_number = old.localization_number;
  std::copy(old.column_data.begin(), old.column_data.end(), head.column_data.begin());
  head.span = span_R51;
  return head;
}

} // namespace

grid_head_type32 ReadOldGridHeadings(TStream &Stream, int32_t N, bool &OK) {
  grid_head_type_old old;
  const int64_t wanted = N == 0 ? grid_head_old_first_size : int64_t{sizeof old};
  // A heading cut short is not taken: its later fields would be zeros that look like settings.
  OK = ReadFully(Stream, &old, wanted) == wanted;
  return OK ? FromOld(old) : grid_head_type32{};
}

} // namespace textcore
