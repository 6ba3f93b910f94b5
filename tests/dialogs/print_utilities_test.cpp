// The printer record's helpers: unit conversions rounded half to even, defaults by the locale's
// measurement system, the rectangles inside the margins, header texts and dates.
#include "dialogs/print_utilities.h"
#include "dialogs/printer_from_qt.h"

#include "core/fixed_char_array_text.h"
#include "platform/date_time.h"
#include "support/qt_application.h"

#include <gtest/gtest.h>

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

namespace dialogkit {
namespace {

using namespace textcore;

TEST(PrintUtilities, UnitsConvertRoundingHalvesToEven) {
  const struct {
    TPrint_measurement_units units;
    int32_t dots_per_inch;
    float value;
    int32_t dots;
  } cases[] = {
      {pmu_centimetres, 600, 2.54f, 600}, {pmu_inches, 300, 1.5f, 450},
      {pmu_print_dots, 600, 37.5f, 38},   {pmu_print_dots, 600, 36.5f, 36},
      {pmu_inches, 2, 0.25f, 0},          {static_cast<TPrint_measurement_units>(7), 96, 5, 96},
  };
  for (const auto &c : cases)
    EXPECT_EQ(PixelWidth(c.units, c.dots_per_inch, c.value), c.dots) << c.value;
  EXPECT_FLOAT_EQ(PrintMarginValue(pmu_centimetres, 600, 1), 2.54f);
  EXPECT_FLOAT_EQ(PrintMarginValue(pmu_print_dots, 600, 0.5f), 300);
  EXPECT_FLOAT_EQ(DefaultMarginForUnits(pmu_print_dots), 1);
  EXPECT_EQ(UnitsToStr(pmu_print_dots), u"pixels");
  EXPECT_EQ(OrientationToStr(landscape), u"landscape");
}

TEST(PrintUtilities, DefaultsFollowTheLocalesMeasurementSystem) {
  const struct {
    const char16_t *locale;
    TPrint_measurement_units units;
    float margin;
  } cases[] = {{u"en-US", pmu_inches, 1},
               {u"de-DE", pmu_centimetres, 2.54f},
               {u"en-GB", pmu_centimetres, 2.54f}};
  for (const auto &c : cases) {
    TQMPrinter_rec rec;
    rec.monochrome = true;
    rec.orientation = landscape;
    SetPrinterUnitsToDefault(rec, LocaleNameToLCID(c.locale));
    EXPECT_EQ(rec.units, c.units) << StringToUTF8(c.locale);
    EXPECT_FLOAT_EQ(rec.LeftMargin, c.margin);
    EXPECT_FLOAT_EQ(rec.BottomMargin, c.margin);
    EXPECT_FALSE(rec.monochrome);
    EXPECT_EQ(rec.orientation, portrait);
  }
}

TEST(PrintUtilities, TheRectanglesInsideTheMarginsUseTheUnitsGiven) {
  TQMPrinter_rec rec;
  rec.DotsPerInch = 600;
  rec.print_area_in_print_dots = {0, 0, 4800, 6600}; // 8 by 11 inches
  rec.print_area_MM = {5, 5, 205, 284};
  rec.units = pmu_inches; // the record's own units are not those of the margins given
  EXPECT_EQ(SetPrinterSizesToMargins(2.54f, 1.27f, 2.54f, 2.54f, pmu_centimetres, rec), 3600);
  EXPECT_EQ(rec.print_to_area, (TRect{600, 300, 4200, 6000}));
  EXPECT_EQ(rec.print_to_area_MM, (TRect{30, 18, 180, 259}));
  EXPECT_EQ(rec.PrinterPrint_to_height, 5700);
  // Margins in dots convert to millimetres by the printer's resolution: 600 dots are 25.4 mm.
  SetPrinterSizesToMargins(600, 0, 0, 0, pmu_print_dots, rec);
  EXPECT_EQ(rec.print_to_area_MM.Left, 5 + 25);
  // Margins wider than the page leave nothing, never a negative size.
  EXPECT_EQ(SetPrinterSizesToMargins(5, 6, 5, 6, pmu_inches, rec), 0);
  EXPECT_EQ(rec.PrinterPrint_to_height, 0);
  // An unknown screen resolution gives a ratio of 1, not a division by zero.
  ComputePtoS_and_StoPRatios(rec);
  EXPECT_FLOAT_EQ(rec.PrintToScreenRatio, 1);
  rec.fPixelsPerInch = 96;
  ComputePtoS_and_StoPRatios(rec);
  EXPECT_FLOAT_EQ(rec.PrintToScreenRatio, 6.25f);
  TRect page{10, 20, 110, 70};
  InvertTheRect(page);
  EXPECT_EQ(page, (TRect{10, 20, 60, 120}));
}

TEST(PrintUtilities, HeadersKeepEightyUnitsAndTheFirstDateIsToday) {
  TQMPrinter_rec rec;
  SetHeader(String(100, u'h'), rec);
  EXPECT_EQ(WideArrayToString(rec.Header), String(80, u'h'));
  SetFooter(String(79, u'f') + u"\U0001F600", rec); // the pair would end past 80: left out
  EXPECT_EQ(WideArrayToString(rec.Footer), String(79, u'f'));
  SetFooter(u"", rec);
  EXPECT_EQ(WideArrayToString(rec.Footer), u"");
  const TFrozenClock clock(EncodeDate(2021, 3, 3) + 0.75);
  const TFormatSettings english;
  EXPECT_EQ(FormattedWithDateStr(u"Page <date> end <date>", english),
            u"Page 03 Mar 2021 end <date>");
  EXPECT_EQ(FormattedWithDateStr(u"<DATE>", english), u"<DATE>");
}

TEST(PrintUtilities, APdfPrinterFillsTheRecordWithA4) {
  testsupport::QtApplication();
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                    QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
  TQMPrinter_rec rec;
  SetHeader(u"kept", rec);
  FillPrinterRecFromQPrinter(printer, rec);
  EXPECT_EQ(rec.current_papersize.MMwidth, 210);
  EXPECT_EQ(rec.current_papersize.MMheight, 297);
  EXPECT_EQ(rec.orientation, landscape);
  EXPECT_EQ(rec.print_area_MM, (TRect{10, 10, 287, 200}));
  EXPECT_EQ(rec.print_area_in_print_dots.Left, 0);
  // 277 mm across at the printer's resolution (Qt holds A4 in whole points: within half a mm).
  EXPECT_NEAR(rec.print_area_in_print_dots.Right, 277 / 25.4 * rec.DotsPerInch,
              0.5 / 25.4 * rec.DotsPerInch);
  EXPECT_EQ(rec.PrinterPrint_to_Width, rec.print_area_in_print_dots.Right);
  EXPECT_GT(rec.PrintToScreenRatio, 1);
  EXPECT_EQ(WideArrayToString(rec.Header), u"kept");
  // One-inch margins all round take 2 × 25.4 mm off each side's length.
  SetPrinterSizesToMargins(1, 1, 1, 1, pmu_inches, rec);
  EXPECT_EQ(rec.print_to_area_MM, (TRect{35, 35, 262, 175}));
}

} // namespace
} // namespace dialogkit
