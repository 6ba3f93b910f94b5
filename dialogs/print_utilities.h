// Helpers over the printer record: its texts, unit conversions, the printable rectangles computed
// from the margins, and today's date in headers and footers. Printing itself is the tools' work.
#pragma once

#include "definitions/printer_settings.h"
#include "platform/format_settings.h"
#include "platform/nls_locale_ids.h"
#include "platform/strings.h"

#include <functional>

namespace dialogkit {

using textcore::TPrint_measurement_units;
using textcore::TQMPrinter_rec;

// What a tool's printer-settings form raises when the record has changed.
using TPrinterInfoChangeEvent = std::function<void(const TQMPrinter_rec &rec)>;

// "portrait" or "landscape"; "inches", "centimetres" or "pixels" (the catalogue's texts).
textcore::String OrientationToStr(textcore::print_orientation_type orientation);
textcore::String UnitsToStr(TPrint_measurement_units units);

// One inch in the units: 2.54 centimetres, else 1 (an inch, or a single dot).
float DefaultMarginForUnits(TPrint_measurement_units units);
// A margin given in inches, in the units (scale is the dots per inch for printer dots).
float PrintMarginValue(TPrint_measurement_units units, float scale, float inches);
// value in the units as printer dots, rounded half to even; an unknown unit gives dots_per_inch.
int32_t PixelWidth(TPrint_measurement_units units, int32_t dots_per_inch, float value);

// Centimetres where the locale measures in metric, else inches; one-inch margins, colour,
// portrait. Without a locale, the user's.
void SetPrinterUnitsToDefault(TQMPrinter_rec &rec, textcore::LCID lcid);
void SetPrinterUnitsToDefault(TQMPrinter_rec &rec);

void SetMargins(float left, float top, float right, float bottom, TPrint_measurement_units units,
                TQMPrinter_rec &rec);
// The rectangles inside margins given in units: print_to_area (dots, from the printable area's
// origin), print_to_area_MM, and the width and height to print to, which never go below 0.
// Returns the width.
int32_t SetPrinterSizesToMargins(float left, float top, float right, float bottom,
                                 TPrint_measurement_units units, TQMPrinter_rec &rec);

// At most 80 units of text (never half a surrogate pair); an empty text empties the field.
void SetHeader(textcore::StringView text, TQMPrinter_rec &rec);
void SetFooter(textcore::StringView text, TQMPrinter_rec &rec);
void SetHeaderWanted(bool wanted, TQMPrinter_rec &rec);
void SetFooterWanted(bool wanted, TQMPrinter_rec &rec);
void SetOrientation(textcore::print_orientation_type orientation, TQMPrinter_rec &rec);

// Printer dots per screen pixel; 1 while the screen's resolution is unknown (0).
void ComputePtoS_and_StoPRatios(TQMPrinter_rec &rec);

// text with its first "<date>" (exactly so written) replaced by today's date as "dd mmm yyyy",
// with the month names of settings (by default the user's).
textcore::String FormattedWithDateStr(textcore::StringView text,
                                      const textcore::TFormatSettings &settings);
textcore::String FormattedWithDateStr(textcore::StringView text);

// The same top-left corner with width and height exchanged, for a change of orientation.
void InvertTheRect(textcore::TRect &rect);

} // namespace dialogkit
