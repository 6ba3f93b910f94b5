// TWebColourListBox: the order of its colours, the selection, and its rows drawn into an image,
// which also guards the one conversion of colours to Qt (red drawn reads back as red).
#include "colourbox/web_colour_list_box.h"

#include "platform/qt_colours.h"
#include "support/qt_application.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

namespace colourbox {
namespace {

constexpr int32_t Rgb(int r, int g, int b) { return r | g << 8 | b << 16; }

class WebColourListBox : public ::testing::Test {
protected:
  WebColourListBox() { testsupport::QtApplication(); }
};

TEST_F(WebColourListBox, RowsRunDarkestFirstOrReversedAndNoneOutside) {
  TWebColourListBox box;
  EXPECT_EQ(box.size(), QSize(40, 70));
  EXPECT_EQ(box.model()->rowCount(), 214);
  const struct {
    int32_t row, colour;
  } darkest_first[] = {{0, Rgb(0, 0, 0)},
                       {5, Rgb(255, 0, 0)},
                       {6, Rgb(0, 0, 51)},
                       {49, Rgb(51, 51, 102)},
                       {50, Rgb(153, 51, 102)},
                       {53, Rgb(0, 51, 153)},
                       {54, Rgb(102, 51, 153)},
                       {213, Rgb(255, 255, 255)},
                       {-1, 0},
                       {214, 0}};
  for (const auto &c : darkest_first)
    EXPECT_EQ(box.GetAColour(c.row), c.colour) << c.row;
  box.SetLightestAtTop(true);
  EXPECT_EQ(box.IndexConverted(0), 213);
  EXPECT_EQ(box.GetAColour(0), Rgb(255, 255, 255));
  EXPECT_EQ(box.GetAColour(213), 0);
  EXPECT_EQ(box.GetAColour(208), Rgb(255, 0, 0));
  EXPECT_EQ(box.GetAColour(-1), 0);
}

TEST_F(WebColourListBox, NothingSelectedIsBlackButNoSelection) {
  TWebColourListBox box;
  EXPECT_FALSE(box.HasSelection());
  EXPECT_EQ(box.SelectedColour(), 0);
  box.setCurrentIndex(box.model()->index(0, 0));
  EXPECT_TRUE(box.HasSelection());
  EXPECT_EQ(box.SelectedColour(), 0);
  box.setCurrentIndex(box.model()->index(5, 0));
  EXPECT_EQ(box.SelectedColour(), Rgb(255, 0, 0));
}

TEST_F(WebColourListBox, ARowIsAWhiteMarginASwatchAndItsNumber) {
  TWebColourListBox box;
  const QRect row(0, 0, 60, TWebColourListBox::kItemHeight);
  const auto drawn = [&](int32_t index, bool selected) {
    QImage image(row.size(), QImage::Format_RGB32);
    image.fill(Qt::gray);
    QPainter painter(&image);
    box.MyDrawItem(painter, index, row, selected);
    return image;
  };
  // Red drawn through the conversion reads back as red, not blue.
  const QImage red = drawn(5, false);
  EXPECT_EQ(red.pixelColor(2, 8), QColor(255, 255, 255));
  EXPECT_EQ(red.pixelColor(8, 8), QColor(255, 0, 0));
  EXPECT_EQ(drawn(5, true).pixelColor(2, 8), QColor(255, 0, 0));
  EXPECT_EQ(textcore::FromQColor(textcore::ToQColor(Rgb(1, 2, 3))), Rgb(1, 2, 3));
  EXPECT_EQ(textcore::ToQColor(0x1FFFFFFF), QColor(255, 255, 255));

  // The number "214" in black on the white swatch, right-aligned 6 pixels inside the row.
  const QImage white = drawn(213, false);
  const int right = row.right() - 6;
  const int width = QFontMetrics(box.font()).horizontalAdvance(QStringLiteral("214"));
  int inked = 0;
  for (int y = 0; y < white.height(); ++y)
    for (int x = 6; x < white.width(); ++x)
      if (white.pixelColor(x, y).lightness() < 128) {
        ++inked;
        EXPECT_GE(x, right - width) << x << "," << y;
        EXPECT_LE(x, right) << x << "," << y;
        EXPECT_GE(y, 2) << x << "," << y;
      }
  EXPECT_GT(inked, 0);
  // A row that does not exist leaves the image as it was.
  EXPECT_EQ(drawn(214, true).pixelColor(2, 8), QColor(Qt::gray));
}

TEST_F(WebColourListBox, SystemColoursComeFromTheApplicationPalette) {
  EXPECT_EQ(textcore::SystemColour(textcore::COLOR_WINDOW),
            textcore::FromQColor(QGuiApplication::palette().color(QPalette::Base)));
  EXPECT_EQ(textcore::SystemColour(textcore::COLOR_HIGHLIGHT),
            textcore::FromQColor(QGuiApplication::palette().color(QPalette::Highlight)));
}

} // namespace
} // namespace colourbox
