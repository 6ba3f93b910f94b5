// The printer record's helpers.
#include "dialogs/print_utilities.h"

#include "core/fixed_char_array_text.h"
#include "files/locale_text.h"
#include "messages/message_names.h"
#include "platform/date_time.h"
#include "platform/format_date_time.h"

#include <algorithm>
#include <cmath>

namespace dialogkit {

using textcore::String;
using textcore::StringView;

namespace {

int32_t Rounded(double value) { return static_cast<int32_t>(std::nearbyint(value)); }

} // namespace

String OrientationToStr(textcore::print_orientation_type orientation) {
  return orientation == textcore::landscape ? String(textcore::_QMLandscape)
                                            : String(textcore::_QMPortrait);
}

String UnitsToStr(TPrint_measurement_units units) {
  switch (units) {
  case textcore::pmu_inches:
    return textcore::_QMInches;
  case textcore::pmu_centimetres:
    return textcore::_QMCentimetres;
  default:
    return textcore::_QMPixels;
  }
}

float DefaultMarginForUnits(TPrint_measurement_units units) {
  return units == textcore::pmu_centimetres ? textcore::inch_to_cm : 1.0f;
}

float PrintMarginValue(TPrint_measurement_units units, float scale, float inches) {
  switch (units) {
  case textcore::pmu_centimetres:
    return inches * textcore::inch_to_cm;
  case textcore::pmu_print_dots:
    return inches * scale;
  default:
    return inches;
  }
}

int32_t PixelWidth(TPrint_measurement_units units, int32_t dots_per_inch, float value) {
  switch (units) {
  case textcore::pmu_inches:
    return Rounded(static_cast<double>(value) * dots_per_inch);
  case textcore::pmu_centimetres:
    return Rounded(static_cast<double>(value) * dots_per_inch / 2.54);
  case textcore::pmu_print_dots:
    return Rounded(value);
  default:
    return dots_per_inch;
  }
}

void SetPrinterUnitsToDefault(TQMPrinter_rec &rec, textcore::LCID lcid) {
  rec.units =
      textcore::UserDefaultMeasurements(lcid) ? textcore::pmu_centimetres : textcore::pmu_inches;
  const float margin = DefaultMarginForUnits(rec.units);
  rec.LeftMargin = rec.RightMargin = rec.TopMargin = rec.BottomMargin = margin;
  rec.monochrome = false;
  rec.orientation = textcore::portrait;
}

void SetPrinterUnitsToDefault(TQMPrinter_rec &rec) {
  SetPrinterUnitsToDefault(rec, textcore::GetUserDefaultLCID());
}

void SetMargins(float left, float top, float right, float bottom, TPrint_measurement_units units,
                TQMPrinter_rec &rec) {
  rec.LeftMargin = left;
  rec.TopMargin = top;
  rec.RightMargin = right;
  rec.BottomMargin = bottom;
  rec.units = units;
}

int32_t SetPrinterSizesToMargins(float left, float top, float right, float bottom,
                                 TPrint_measurement_units units, TQMPrinter_rec &rec) {
  // Dots and millimetres per unit of the margins given, whatever units the record holds.
  double dots = 1, millimetres = rec.DotsPerInch > 0 ? 25.4 / rec.DotsPerInch : 1;
  if (units == textcore::pmu_inches) {
    dots = rec.DotsPerInch;
    millimetres = 25.4;
  } else if (units == textcore::pmu_centimetres) {
    dots = rec.DotsPerInch / 2.54;
    millimetres = 10;
  }
  const auto in = [](double margin, double per_unit) { return Rounded(margin * per_unit); };
  rec.print_to_area.Left = in(left, dots);
  rec.print_to_area.Top = in(top, dots);
  rec.print_to_area.Right = rec.print_area_in_print_dots.Right - in(right, dots);
  rec.print_to_area.Bottom = rec.print_area_in_print_dots.Bottom - in(bottom, dots);
  rec.print_to_area_MM.Left = rec.print_area_MM.Left + in(left, millimetres);
  rec.print_to_area_MM.Top = rec.print_area_MM.Top + in(top, millimetres);
  rec.print_to_area_MM.Right = rec.print_area_MM.Right - in(right, millimetres);
  rec.print_to_area_MM.Bottom = rec.print_area_MM.Bottom - in(bottom, millimetres);
  // Margins wider than the page leave nothing to print on, never a negative size.
  rec.PrinterPrint_to_height = std::max(0, rec.print_to_area.Height());
  rec.PrinterPrint_to_Width = std::max(0, rec.print_to_area.Width());
  return rec.PrinterPrint_to_Width;
}

void SetHeader(StringView text, TQMPrinter_rec &rec) {
  textcore::StringToWideArray(text, rec.Header);
}

void SetFooter(StringView text, TQMPrinter_rec &rec) {
  textcore::StringToWideArray(text, rec.Footer);
}

void SetHeaderWanted(bool wanted, TQMPrinter_rec &rec) { rec.HeaderWanted = wanted; }

void SetFooterWanted(bool wanted, TQMPrinter_rec &rec) { rec.FooterWanted = wanted; }

void SetOrientation(textcore::print_orientation_type orientation, TQMPrinter_rec &rec) {
  rec.orientation = orientation;
}

void ComputePtoS_and_StoPRatios(TQMPrinter_rec &rec) {
  rec.PrintToScreenRatio = rec.fPixelsPerInch > 0 ? static_cast<float>(rec.DotsPerInch) /
                                                        static_cast<float>(rec.fPixelsPerInch)
                                                  : 1.0f;
}

String FormattedWithDateStr(StringView text, const textcore::TFormatSettings &settings) {
  constexpr StringView kDate = u"<date>";
  String result(text);
  const size_t at = result.find(kDate);
  if (at != String::npos)
    result.replace(at, kDate.size(),
                   textcore::FormatDateTime(u"dd mmm yyyy", textcore::Date(), settings));
  return result;
}

String FormattedWithDateStr(StringView text) {
  return FormattedWithDateStr(text, textcore::FormatSettings());
}

void InvertTheRect(textcore::TRect &rect) {
  const int32_t width = rect.Width(), height = rect.Height();
  rect.Right = rect.Left + height;
  rect.Bottom = rect.Top + width;
}

} // namespace dialogkit
