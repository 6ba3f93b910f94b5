// The printer, page and margin choices a tool keeps while it prints a list.
//
// Held in memory only: no file stores the record, so its layout is not pinned to any size.
#pragma once

#include "core/fixed_char_arrays.h"
#include "files/environment_data.h"
#include "platform/rect.h"

#include <cstdint>

namespace textcore {

enum print_orientation_type : uint8_t { portrait, landscape };

// Paper size in millimetres.
struct papersize_rec {
  int32_t MMwidth = 0;
  int32_t MMheight = 0;
};

struct TQMPrinter_rec {
  eightywidechar name{};
  eightywidechar driver{};
  eightywidechar port{};
  int32_t PrinterPrint_to_Width = 0; // the printable rectangle in printer dots
  int32_t PrinterPrint_to_height = 0;
  int32_t fPixelsPerInch = 0; // the screen's resolution
  int32_t DotsPerInch = 0;    // the printer's resolution
  TRect print_area_MM;        // the page's printable area in millimetres
  TRect print_to_area_MM;     // the area inside the margins in millimetres
  TRect print_to_area;        // the area inside the margins in printer dots
  TRect print_area_in_print_dots;
  papersize_rec current_papersize;
  float PrintToScreenRatio = 0; // printer dots per screen pixel
  bool HeaderWanted = false;
  bool FooterWanted = false;
  // "<date>" in them stands for today's date.
  eightywidechar Header{};
  eightywidechar Footer{};
  float LeftMargin = 0; // in units
  float RightMargin = 0;
  float TopMargin = 0;
  float BottomMargin = 0;
  TPrint_measurement_units units = pmu_inches;
  bool monochrome = false;
  print_orientation_type orientation = portrait;
};

} // namespace textcore
