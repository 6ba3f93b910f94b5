// The template of one column of a list's grid: how its cells are drawn, edited and cased, its
// heading, and the statistics of its values. The record lives in memory only (its heading and
// hint are strings); the older layouts that were saved whole are read by old_grid_headings.h.
#pragma once

#include "colour/colour_scheme.h"
#include "definitions/time_line_basis.h"
#include "platform/strings.h"

#include <array>
#include <cstdint>

namespace textcore {

// How a cell is drawn; the last four mark special kinds of cell.
enum alignment_type : uint8_t {
  centre_aligned,
  left_aligned,
  right_aligned,
  decimal_aligned,
  plotting,
  text_viewer_entry,
  conc_entry,
  file_name
};

// Whether the user may edit a cell, and the case the edited text takes.
enum editable_type : uint8_t { nao_pode, maiusc, minusc, tanto_faz };

enum output_results_case_type : uint8_t {
  upper_case_output,
  title_case_output,
  lower_case_output,
  as_it_comes_output
};

// A direction not yet chosen, or false or true.
enum TtriBool : uint8_t { quem_sabe, falso, verdadeiro };

// The span of a concordance column. span_R51, the widest, stays the last value; the library
// itself uses no other.
enum TConcordance_span_type : uint8_t { span_R51 };

// The kind of a column the user added; the tools give the values, the library copies them.
enum TNewColumnType : uint8_t {};

// The descriptive statistics of a column's values, seventeen 32-bit values that the grid
// computes and reads; the library keeps them as they are.
using TGridColumnDataRec32 = std::array<uint32_t, 17>;

struct grid_head_type32 {
  alignment_type alignment = centre_aligned;
  typeface_set_type typeface;
  editable_type editable = nao_pode;
  float minimum = 0; // values below it are shown blank
  uint8_t decimals = 0;
  int32_t textcolour = 0;
  int32_t background = 0;
  bool allow_case_change = false;
  bool extra_computed = false;
  bool numerical = false; // the column holds numbers and sorts numerically
  bool heading_visible = false;
  int16_t original_column = 0; // the column's index in its template
  int16_t pixel_width = 0;
  output_results_case_type output_case = upper_case_output;
  bool SpareB4 = false;
  bool may_have_old_data_unsafe = false;
  uint8_t previous_decimals = 0;
  bool wordwrap = false;
  bool has_custom_heading = false;
  bool percent_data = false;
  uint8_t version = 0;
  int32_t HelpContext = 0;
  int32_t localization_number = 0; // the key of the heading's text
  TGridColumnDataRec32 column_data{};
  TTimeLinePlotbase timeline_basis = tlpb_unknown;
  bool timelinerounded = false;
  TtriBool SortStateAscending = quem_sabe;
  bool has_custom_colours = false;
  TConcordance_span_type span = span_R51;
  TNewColumnType extra_column_type{};
  bool has_layout_changed_background = false;
  bool has_layout_changed_foreground = false;
  String hint;
  String heading;
};

} // namespace textcore
