// The printer record filled from a Qt printer: its name and model, resolutions, paper and
// printable area, orientation and colour mode.
#pragma once

#include "definitions/printer_settings.h"

class QPrinter;

namespace dialogkit {

// Fills the record's printer facts from printer, leaving the margins, header and footer as they
// are. The printable area in dots is in the printer's device coordinates, whose origin is the
// printable area's top-left corner (as Qt paints), so it starts at 0, 0; the area to print to is
// the whole of it until SetPrinterSizesToMargins narrows it. The screen's resolution is the
// primary screen's logical one, 96 without a screen. CUPS knows no port: the printer's location
// stands for it.
void FillPrinterRecFromQPrinter(const QPrinter &printer, textcore::TQMPrinter_rec &rec);

} // namespace dialogkit
