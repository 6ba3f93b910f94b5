// The printer record from a QPrinter.
#include "dialogs/printer_from_qt.h"

#include "core/fixed_char_array_text.h"
#include "dialogs/print_utilities.h"
#include "platform/qt_strings.h"

#include <QGuiApplication>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>

#include <cmath>

namespace dialogkit {

namespace {

int32_t Rounded(double value) { return static_cast<int32_t>(std::nearbyint(value)); }

} // namespace

void FillPrinterRecFromQPrinter(const QPrinter &printer, textcore::TQMPrinter_rec &rec) {
  const QPrinterInfo info(printer);
  textcore::StringToWideArray(textcore::FromQString(printer.printerName()), rec.name);
  textcore::StringToWideArray(textcore::FromQString(info.makeAndModel()), rec.driver);
  textcore::StringToWideArray(textcore::FromQString(info.location()), rec.port);
  rec.DotsPerInch = printer.resolution();
  const QScreen *screen = qGuiApp != nullptr ? QGuiApplication::primaryScreen() : nullptr;
  rec.fPixelsPerInch = screen != nullptr ? Rounded(screen->logicalDotsPerInch()) : 96;

  const QPageLayout layout = printer.pageLayout();
  const QRectF area = layout.paintRect(QPageLayout::Millimeter);
  rec.print_area_MM = {Rounded(area.left()), Rounded(area.top()), Rounded(area.right()),
                       Rounded(area.bottom())};
  const QRect dots = layout.paintRectPixels(rec.DotsPerInch);
  rec.print_area_in_print_dots = {0, 0, dots.width(), dots.height()};
  rec.print_to_area = rec.print_area_in_print_dots;
  rec.print_to_area_MM = rec.print_area_MM;
  rec.PrinterPrint_to_Width = dots.width();
  rec.PrinterPrint_to_height = dots.height();
  const QSizeF paper = layout.pageSize().size(QPageSize::Millimeter);
  rec.current_papersize = {Rounded(paper.width()), Rounded(paper.height())};
  rec.orientation =
      layout.orientation() == QPageLayout::Landscape ? textcore::landscape : textcore::portrait;
  rec.monochrome = printer.colorMode() == QPrinter::GrayScale;
  ComputePtoS_and_StoPRatios(rec);
}

} // namespace dialogkit
