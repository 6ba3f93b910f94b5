// The colours of the n-th search word, negative n included, and the text colour by role.
#include "strings/search_found_colours.h"

#include "colour/colour_utils.h"
#include "platform/ui_services.h"

#include <gtest/gtest.h>

#include <utility>

namespace textcore {
namespace {

constexpr int32_t kWhite = 0xFFFFFF, kCream = 0xF0FBFF, kVeryDarkGreen = 0x003300,
                  kVeryDarkBlue = 0x660000, kPurple = 0x800080, kMaroon = 0x000080,
                  kNavy = 0x800000;

TEST(SearchFoundColours, FivePairsByNumberWithNegativesOnTheLast) {
  struct Row {
    int32_t colour, highlight, background, highlight_background;
  };
  const Row rows[5] = {
      {kWhite, kVeryDarkGreen, kVeryDarkGreen, kWhite},
      {kCream, kVeryDarkBlue, kVeryDarkBlue, kCream},
      {kWhite, kWhite, kPurple, kPurple},
      {kCream, kMaroon, kMaroon, kCream},
      {kWhite, kNavy, kNavy, kWhite},
  };
  for (int32_t n = -6; n <= 6; ++n) {
    const Row &want = rows[n % 5 < 0 ? 4 : n % 5];
    const TColourRecAndFontStyle got = SearchFoundColoursAndFontStyleFromNumber(n);
    EXPECT_EQ(got.colours.default_colour, want.colour) << n;
    EXPECT_EQ(got.colours.highlight_colour, want.highlight) << n;
    EXPECT_EQ(got.colours.default_background, want.background) << n;
    EXPECT_EQ(got.colours.highlight_background, want.highlight_background) << n;
    EXPECT_EQ(got.fntstyle, typeface_set_type{bold});
    EXPECT_EQ(SearchFoundColoursFromNumber(n).highlight_colour, want.highlight) << n;
  }
}

TEST(SearchFoundColours, TextColoursFollowTheSchemeAndTheSystem) {
  const colour_and_typeface_rec saved = global_colours_and_typefaces;
  const TQMcolourset roles[] = {searchwordcolour, mainsortcolour, secondsortcolour,
                                contextwordcolour};
  for (int32_t i = 0; i < 4; ++i)
    global_colours_and_typefaces.cor[roles[i]].foreground = 0x10 + i;
  const TSystemColourProvider previous =
      SetSystemColourProvider([](int32_t index) -> std::optional<int32_t> {
        return index == COLOR_WINDOWTEXT ? std::optional<int32_t>(0x123456) : std::nullopt;
      });
  const int32_t want[] = {0x123456, 0x10, 0x11, 0x12, 0x13};
  for (int32_t n = -6; n <= 6; ++n)
    EXPECT_EQ(TextColourFromNumber(n), n % 5 <= 0 ? 0x123456 : want[n % 5]) << n;
  SetSystemColourProvider(previous);
  global_colours_and_typefaces = saved;
  EXPECT_EQ(TextColourFromNumber(5), 0); // headless: black text
}

} // namespace
} // namespace textcore
