// Drawing the items of a colour wide-string list: the selection's fill, the item's own colours,
// numbers before the text, and indexes outside the list.
#include "fonts/colour_wide_string_list.h"

#include "fonts/recording_device_context.h"
#include "platform/ui_services.h"

#include <gtest/gtest.h>

namespace unidisplay {
namespace {

using testing::TRecordingDeviceContext;

TEST(ColourWideStringList, ItemsDrawInTheirOwnColoursAfterTheirNumbers) {
  TColourWideStringList list;
  list.AddObject(u"plain", nullptr);
  list.AddObject(u"own", new TItemColours(0x0000FF, -1, 0x00FF00, -1));
  const struct {
    int32_t index;
    uint32_t state;
    bool numbers;
    int32_t fill;
    std::vector<std::tuple<textcore::String, int32_t, int32_t, int32_t>> drawn;
  } cases[] = {
      {0,
       0,
       false,
       textcore::COLOR_WINDOW,
       {{u"plain", 2, list.mydefault_colours.default_colour,
         list.mydefault_colours.default_background}}},
      {1,
       0,
       true,
       textcore::COLOR_WINDOW,
       {{u"2 ", 2, list.mydefault_colours.default_colour,
         list.mydefault_colours.default_background},
        {u"own", 22, 0x0000FF, 0x00FF00}}},
      {1,
       odSelected,
       false,
       textcore::COLOR_HIGHLIGHT,
       {{u"own", 2, list.unicode_displayer->HighlightColour(),
         list.unicode_displayer->HighlightBackground()}}},
  };
  for (const auto &c : cases) {
    TRecordingDeviceContext dc;
    list.with_numbers = c.numbers;
    list.DrawItem(textcore::pra_screen, dc, Qt::LeftToRight, c.state, {0, 0, 200, 18}, 0, -1,
                  c.index);
    ASSERT_FALSE(dc.filled.empty());
    EXPECT_EQ(dc.filled[0].colour, textcore::SystemColour(c.fill));
    std::vector<std::tuple<textcore::String, int32_t, int32_t, int32_t>> got;
    for (const auto &t : dc.drawn)
      got.emplace_back(t.text, t.x, t.colour, t.background);
    EXPECT_EQ(got, c.drawn) << c.index << " " << c.state;
  }
  // A right-to-left list aligns its text right; an index outside the list draws nothing.
  TRecordingDeviceContext dc;
  list.with_numbers = false;
  list.DrawItem(textcore::pra_screen, dc, Qt::RightToLeft, 0, {0, 0, 200, 18}, 0, -1, 0);
  ASSERT_EQ(dc.drawn.size(), 1u);
  EXPECT_EQ(dc.drawn[0].x, 200 - 44); // "plain" is 44 pixels wide
  TRecordingDeviceContext none;
  list.DrawItem(textcore::pra_screen, none, Qt::LeftToRight, 0, {0, 0, 200, 18}, 0, -1, 2);
  list.DrawItem(textcore::pra_screen, none, Qt::LeftToRight, 0, {0, 0, 200, 18}, 0, -1, -1);
  EXPECT_TRUE(none.drawn.empty() && none.filled.empty());
}

} // namespace
} // namespace unidisplay
