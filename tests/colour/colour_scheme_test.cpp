#include "colour/colour_scheme.h"

#include "definitions/base_and_highlight_colours.h"

#include <gtest/gtest.h>

#include <cstring>

namespace textcore {
namespace {

TEST(ColourScheme, StoredFormAndTheColoursOfTwoRoles) {
  colour_and_typeface_rec scheme;
  scheme.cor[normalcolour] = {1, 2};
  scheme.cor[searchwordcolour] = {3, 4};
  scheme.cor[spareX] = {5, 6};
  scheme.typefaces[deletedcolour] = {strikeout};
  uint8_t bytes[sizeof scheme];
  std::memcpy(bytes, &scheme, sizeof scheme);
  EXPECT_EQ(bytes[3 * 8], 3);
  EXPECT_EQ(bytes[3 * 8 + 4], 4);
  EXPECT_EQ(bytes[168 + deletedcolour], 1 << strikeout);
  EXPECT_EQ(bytes[191], 0);

  const TMyCanvasColourRec c = GetBaseandHighlightColours(scheme, normalcolour, searchwordcolour);
  EXPECT_EQ(c.default_colour, 1);
  EXPECT_EQ(c.default_background, 2);
  EXPECT_EQ(c.highlight_colour, 3);
  EXPECT_EQ(c.highlight_background, 4);
  const TMyCanvasColourRec beyond =
      GetBaseandHighlightColours(scheme, spareX, static_cast<TQMcolourset>(21));
  EXPECT_EQ(beyond.default_colour, 5);
  EXPECT_EQ(beyond.highlight_colour, 0);
  EXPECT_EQ(beyond.highlight_background, 0);
}

} // namespace
} // namespace textcore
