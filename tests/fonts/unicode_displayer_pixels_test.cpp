// The displayer drawing on a QImage through the QPainter device context, without antialiasing:
// backgrounds inside the measured spans, the strip at the edge, ink inside the rectangle, the
// centre word at the centre, Hebrew in its order, and red staying red.
#include "fonts/qpainter_device_context.h"
#include "fonts/unicode_displayer.h"

#include "platform/ui_services.h"
#include "support/qt_application.h"

#include <QFontDatabase>
#include <QImage>

#include <gtest/gtest.h>

namespace unidisplay {
namespace {

using textcore::TRect;

constexpr int32_t kRed = 0x0000FF, kBlue = 0xFF0000;
constexpr textcore::TMyCanvasColourRec kColours{0x000000, 0xFFFFFF, 0xFFFFFF, 0x800000};

struct TCanvas {
  QImage image;
  std::unique_ptr<TQPainterDeviceContext> dc;
  explicit TCanvas(int width, int height = 24, const char *family = "DejaVu Sans")
      : image(width, height, QImage::Format_RGB32) {
    testsupport::QtApplication();
    image.fill(Qt::white);
    dc = std::make_unique<TQPainterDeviceContext>(image);
    dc->SetAntialiasing(false);
    dc->SelectFont(textcore::TDeviceFont{textcore::UTF8ToString(family), 16});
  }
  // Ends the painting, so that the image holds everything drawn.
  const QImage &Done() {
    dc.reset();
    return image;
  }
};

textcore::TExtraFontRec Background(int32_t on, int32_t off, int32_t background) {
  textcore::TExtraFontRec rec;
  rec.basics.switch_on_at_char = on;
  rec.basics.switch_off_at_char = off;
  rec.basics.colour_rec = {0x000000, 0x000000, background, background};
  return rec;
}

// The columns of row y whose pixel is rgb.
std::vector<int> ColumnsOf(const QImage &image, int y, QRgb rgb) {
  std::vector<int> columns;
  for (int x = 0; x < image.width(); ++x)
    if ((image.pixel(x, y) & 0xFFFFFF) == (rgb & 0xFFFFFF))
      columns.push_back(x);
  return columns;
}

// The leftmost and rightmost columns with ink (not white and not background) anywhere.
std::pair<int, int> InkSpan(const QImage &image, QRgb background = qRgb(255, 255, 255)) {
  int first = image.width(), last = -1;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if ((image.pixel(x, y) & 0xFFFFFF) != (background & 0xFFFFFF) &&
          (image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) {
        first = std::min(first, x);
        last = std::max(last, x);
      }
  return {first, last};
}

TEST(UnicodeDisplayerPixels, AHighlightedRunFillsItsMeasuredSpanInRed) {
  TCanvas canvas(300);
  textcore::TExtraFontList runs;
  runs.AddOne(Background(4, 7, kRed));
  TUnicodeDisplayer d(textcore::typeface_set_type{}, kColours, false, 1033);
  d.SetExtraFontList(&runs);
  const int from = canvas.dc->TextExtent(u"aaa ").cx;
  const int to = from + canvas.dc->TextExtent(u"bbb ").cx;
  TRect drawn;
  d.DisplayAWideString(textcore::pra_screen, *canvas.dc, drawn, {0, 0, 300, 24},
                       textcore::left_aligned, false, true, false, u"aaa bbb ccc");
  const QImage &image = canvas.Done();
  // Row 1 is the top of the line, above every glyph: only the backgrounds are there.
  std::vector<int> want;
  for (int x = from; x < to; ++x)
    want.push_back(x);
  EXPECT_EQ(ColumnsOf(image, 1, qRgb(255, 0, 0)), want);
  EXPECT_EQ(image.pixel(from - 1, 1) & 0xFFFFFF, 0x000080u) << "the highlight background";
}

TEST(UnicodeDisplayerPixels, ACutLineShowsTheStripAtItsEdgeAndInkStaysInside) {
  TCanvas canvas(200);
  TUnicodeDisplayer d(textcore::typeface_set_type{}, kColours, false, 1033);
  TRect drawn;
  const TRect r{20, 0, 120, 20};
  d.DisplayAWideString(textcore::pra_screen, *canvas.dc, drawn, r, textcore::left_aligned, false,
                       false, false, u"a line of text much wider than its rectangle");
  const int strip = d.letter_i_size.cx;
  ASSERT_TRUE(d.didnt_fit);
  const QImage &image = canvas.Done();
  std::vector<int> want;
  for (int x = r.Right - strip; x < r.Right; ++x)
    want.push_back(x);
  EXPECT_EQ(ColumnsOf(image, 5, qRgb(128, 0, 128)), want);
  const auto [first, last] = InkSpan(image);
  EXPECT_GE(first, r.Left);
  EXPECT_LT(last, r.Right);
}

TEST(UnicodeDisplayerPixels, RightAlignedInkEndsInsideTheRectangle) {
  for (const char16_t *text : {u"Hello", u"Wavy WWW"}) {
    TCanvas canvas(200);
    TUnicodeDisplayer d(textcore::typeface_set_type{}, kColours, false, 1033);
    TRect drawn;
    d.DisplayAWideString(textcore::pra_screen, *canvas.dc, drawn, {10, 0, 150, 20},
                         textcore::right_aligned, false, false, false, text);
    const auto [first, last] = InkSpan(canvas.Done());
    EXPECT_LE(last, 149) << textcore::StringToUTF8(text);
    EXPECT_GT(first, 10) << textcore::StringToUTF8(text);
  }
}

TEST(UnicodeDisplayerPixels, TheCentreWordStartsAtTheCentreInRedAfterBlueContext) {
  TCanvas canvas(300);
  textcore::TExtraFontList runs;
  runs.AddOne(Background(0, 8, kBlue));
  runs.AddOne(Background(8, 12, kRed));
  TUnicodeDisplayer d(textcore::typeface_set_type{}, kColours, false, 1033);
  d.SetExtraFontList(&runs);
  d.at_file_edge = {true, true};
  const TRect r{0, 0, 300, 24};
  d.ConcordanceDisplayAWideString(textcore::pra_screen, *canvas.dc, r, false, false, 8, u"", u"",
                                  u"the old river runs");
  const int centre = r.Left + d.letter_i_size.cx + (r.Width() - 2 * d.letter_i_size.cx) / 2;
  // One line in the middle of the rectangle; its top row has backgrounds only.
  const int top = (r.Height() - d.HeightOfOneLine()) / 2;
  const QImage &image = canvas.Done();
  const std::vector<int> red = ColumnsOf(image, top, qRgb(255, 0, 0));
  const std::vector<int> blue = ColumnsOf(image, top, qRgb(0, 0, 255));
  ASSERT_FALSE(red.empty());
  ASSERT_FALSE(blue.empty());
  EXPECT_NEAR(red.front(), centre, 1);
  EXPECT_NEAR(blue.back(), centre - 1, 1);
}

TEST(UnicodeDisplayerPixels, HebrewIsDrawnRightToLeft) {
  testsupport::QtApplication();
  if (!QFontDatabase::writingSystems().contains(QFontDatabase::Hebrew))
    GTEST_SKIP() << "no font with Hebrew";
  for (const bool bidi : {false, true}) {
    TCanvas canvas(300, 24, "Noto Sans Hebrew");
    textcore::TExtraFontList runs;
    runs.AddOne(Background(0, 4, kRed)); // the first word
    TUnicodeDisplayer d(textcore::typeface_set_type{}, kColours, bidi, 1037);
    d.SetExtraFontList(&runs);
    TRect drawn;
    d.DisplayAWideString(textcore::pra_screen, *canvas.dc, drawn, {0, 0, 300, 24},
                         bidi ? textcore::right_aligned : textcore::left_aligned, false, false,
                         false, u"\u05E9\u05DC\u05D5\u05DD \u05E2\u05D5\u05DC\u05DD");
    const QImage &image = canvas.Done();
    const std::vector<int> red = ColumnsOf(image, 1, qRgb(255, 0, 0));
    ASSERT_FALSE(red.empty()) << bidi;
    // Black ink outside the first word's background lies to its left: the second word.
    int ink_right = -1;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < red.front(); ++x)
        if ((image.pixel(x, y) & 0xFFFFFF) == 0)
          ink_right = std::max(ink_right, x);
    EXPECT_GE(ink_right, 0) << bidi;
    EXPECT_LT(ink_right, red.front()) << bidi;
  }
}

TEST(UnicodeDisplayerPixels, UnidisplayHandsOutQPainterContextsOnceAnApplicationExists) {
  testsupport::QtApplication();
  EXPECT_NE(dynamic_cast<TQPainterDeviceContext *>(textcore::CreateDeviceContext().get()), nullptr);
  // A provider installed over ours survives ours going.
  const textcore::TDeviceContextProvider previous = textcore::SetDeviceContextProvider({});
  {
    const TQtDeviceContexts ours;
    textcore::SetDeviceContextProvider(
        [] { return std::make_unique<textcore::THeadlessDeviceContext>(); });
  }
  EXPECT_NE(dynamic_cast<textcore::THeadlessDeviceContext *>(textcore::CreateDeviceContext().get()),
            nullptr);
  { const TQtDeviceContexts ours; }
  EXPECT_NE(dynamic_cast<textcore::THeadlessDeviceContext *>(textcore::CreateDeviceContext().get()),
            nullptr);
  textcore::SetDeviceContextProvider(previous);
}

} // namespace
} // namespace unidisplay
