// qmark concord --png end to end: where the hit's colours and a sort word's fall in the picture
// (right of the centre for left-to-right lines, left of it for right-to-left ones), the picture's
// size and its cap on lines, and bad usage.
#include "tools/qmark/concord.h"
#include "tools/qmark/concord_picture.h"

#include "colour/colour_scheme.h"
#include "colour/colour_utils.h"
#include "definitions/base_and_highlight_colours.h"
#include "qmark/command_runs.h"
#include "support/qt_application.h"

#include <QFontDatabase>
#include <QImage>

#include <gtest/gtest.h>

#include <string>

namespace qmark {
namespace {

QRgb RgbOf(int32_t colour) {
  const int32_t c = textcore::MyColourToRGB(colour);
  return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

// The leftmost and rightmost x of row's pixels in colour; -1, -1 when there are none.
std::pair<int, int> Extent(const QImage &image, int top, int bottom, QRgb colour) {
  int first = -1, last = -1;
  for (int y = top; y < bottom; ++y)
    for (int x = 0; x < image.width(); ++x)
      if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) {
        first = first < 0 ? x : std::min(first, x);
        last = std::max(last, x);
      }
  return {first, last};
}

TEST(ConcordPicture, DrawsEachLineSplitAtItsHitInTheSchemesColours) {
  testsupport::QtApplication();
  InFolder folder;
  // Line 1 reads left to right, line 2 (its hit Hebrew) right to left; R1 is the sort key.
  WriteFile("a.txt", "by the river bank we sat\n"
                     "\xd7\x90\xd7\xa0\xd7\x94 \xd7\x94\xd7\xa0\xd7\x94\xd7\xa8 "
                     "\xd7\x94\xd7\x92\xd7\xa9\xd7\xa8\n");
  WriteFile("scheme.txt", "[Colours]\nmain sort word=White on 255,0,0; typeface:\n");
  const Result drawn =
      RunCommand(RunConcord, {"--png", "out.png", "--png-width", "600", "--scheme", "scheme.txt",
                              "--sort", "R1", "river/\xd7\x94\xd7\xa0\xd7\x94\xd7\xa8", "a.txt"});
  ASSERT_EQ(drawn.status, 0) << drawn.err;
  EXPECT_EQ(drawn.out, "out.png\n");
  const QImage picture("out.png");
  ASSERT_FALSE(picture.isNull());
  EXPECT_EQ(picture.width(), 600);
  ASSERT_EQ(picture.height() % 2, 0);
  const int row = picture.height() / 2;
  const int centre = 300;

  const textcore::TMyCanvasColourRec hit = textcore::GetBaseandHighlightColours(
      textcore::global_colours_and_typefaces, textcore::centrehighlightedcolour,
      textcore::highlightcolour);
  const QRgb hit_background = RgbOf(hit.default_background);
  const QRgb red = qRgb(255, 0, 0);
  // Sorted on R1: "bank" before the Hebrew word.
  const auto [hit_from, hit_to] = Extent(picture, 0, row, hit_background);
  const auto [sort_from, sort_to] = Extent(picture, 0, row, red);
  EXPECT_GE(hit_from, centre - 1);
  EXPECT_GT(sort_from, hit_to);
  if (!QFontDatabase::writingSystems().contains(QFontDatabase::Hebrew))
    GTEST_SKIP() << "no Hebrew font";
  const auto [rtl_from, rtl_to] = Extent(picture, row, 2 * row, hit_background);
  const auto [rtl_sort_from, rtl_sort_to] = Extent(picture, row, 2 * row, red);
  EXPECT_LE(rtl_to, centre + 1);
  EXPECT_GE(rtl_from, 0);
  EXPECT_LT(rtl_sort_to, rtl_from);
  EXPECT_GE(rtl_sort_from, 0);
}

TEST(ConcordPicture, DrawsTheFirstLinesOnlyAndRefusesWhatDoesNotGoWithIt) {
  testsupport::QtApplication();
  InFolder folder;
  std::string many;
  for (int64_t i = 0; i <= ConcordPicture::kMaxLines; ++i)
    many += "a river\n";
  WriteFile("many.txt", many);
  const Result capped = RunCommand(RunConcord, {"--png", "many.png", "river", "many.txt"});
  ASSERT_EQ(capped.status, 0) << capped.err;
  EXPECT_NE(capped.err.find("the picture shows the first 500 of 501 lines"), std::string::npos)
      << capped.err;
  const QImage one_row = [&] {
    WriteFile("one.txt", "a river\n");
    EXPECT_EQ(RunCommand(RunConcord, {"--png", "one.png", "river", "one.txt"}).status, 0);
    return QImage("one.png");
  }();
  EXPECT_EQ(QImage("many.png").height(), 500 * one_row.height());
  EXPECT_EQ(one_row.width(), 1000);

  const Result unwritable = RunCommand(RunConcord, {"--png", "no/such/x.png", "river", "one.txt"});
  EXPECT_EQ(unwritable.status, 1);
  EXPECT_NE(unwritable.err.find("qmark concord: "), std::string::npos);
  EXPECT_EQ(
      RunCommand(RunConcord, {"--png", "x.png", "--format", "tsv", "river", "one.txt"}).status, 2);
  EXPECT_EQ(RunCommand(RunConcord, {"--png", "x.png", "--count", "river", "one.txt"}).status, 2);
  EXPECT_EQ(RunCommand(RunConcord, {"--png-width", "100", "river", "one.txt"}).status, 2);
}

} // namespace
} // namespace qmark
