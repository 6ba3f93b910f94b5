// The headless device context's fixed widths, the extended extent query, and the provider that
// a library with a screen installs.
#include "platform/device_context.h"

#include "platform/ui_services.h"
#include "strings/text_extent.h"

#include <gtest/gtest.h>

#include <tuple>

namespace textcore {
namespace {

TEST(DeviceContext, HeadlessWidthsAreCellsOfHalfTheFontHeight) {
  THeadlessDeviceContext dc;
  const std::tuple<int32_t, const char16_t *, TSize> cases[] = {
      {16, u"abc", {24, 16}},
      {16, u"\u65E5\u672C", {32, 16}}, // wide characters take two cells
      {16, u"e\u0301", {8, 16}},       // a combining mark none
      {16, u"\U0001F600", {16, 16}},   // a pair is one character
      {9, u"ab", {8, 9}},
      {0, u"ab", {2, 1}}, // never narrower than a pixel
  };
  for (const auto &[height, text, size] : cases) {
    dc.SelectFont(TDeviceFont{u"any", height});
    EXPECT_EQ(dc.TextExtent(text), size) << StringToUTF8(text);
  }
}

TEST(DeviceContext, ExtendedExtentsTellWhatFitsAndCopeWithNoContext) {
  THeadlessDeviceContext dc;
  const char16_t text[] = u"ab\u65E5c";
  const std::pair<int32_t, int32_t> cases[] = {{0, 0}, {7, 0}, {8, 1}, {31, 2}, {32, 3}, {99, 4}};
  for (const auto &[max_extent, want_fit] : cases) {
    int32_t fit = -1, dx[4] = {};
    TSize size;
    ASSERT_TRUE(MyGetTextExtentExPointW(&dc, text, 4, max_extent, &fit, dx, &size));
    EXPECT_EQ(fit, want_fit) << max_extent;
    EXPECT_EQ(size, (TSize{40, 16}));
    EXPECT_EQ(std::vector(dx, dx + 4), (std::vector{8, 16, 32, 40}));
  }
  TSize size{5, 5};
  EXPECT_FALSE(GetTextExtentExPointW(nullptr, text, 4, 10, nullptr, nullptr, &size));
  EXPECT_FALSE(GetTextExtentExPointW(&dc, text, -1, 10, nullptr, nullptr, &size));
  EXPECT_EQ(size, (TSize{5, 5}));
  EXPECT_EQ(GetTextExtentW(&dc, text, 2), (TSize{16, 16}));
  EXPECT_EQ(GetTextExtentW(&dc, text, 0), TSize{});
  EXPECT_EQ(GetTextExtentW(nullptr, text, 2), TSize{});
  EXPECT_EQ(TextSizeOfString(&dc, StringView(text, 2)), (TSize{16, 16}));
  EXPECT_EQ(TextSizeOfString(&dc, u""), TSize{});
  EXPECT_EQ(TextWidthOfWideString(&dc, StringView(text, 2)), 16);
  EXPECT_EQ(TextWidthOfWideString(nullptr, StringView(text, 2)), 0);
}

TEST(DeviceContext, AFailingProviderGivesAHeadlessContextThatKeepsWhatItDraws) {
  const TDeviceContextProvider previous =
      SetDeviceContextProvider([]() -> std::unique_ptr<TDeviceContext> { throw 1; });
  const std::unique_ptr<TDeviceContext> dc = CreateDeviceContext();
  SetDeviceContextProvider(previous);
  auto *headless = dynamic_cast<THeadlessDeviceContext *>(dc.get());
  ASSERT_NE(headless, nullptr);
  dc->SetTextColour(0xFF);
  dc->SetBackgroundColour(0xFF00);
  dc->TextOut(3, 4, u"hit");
  dc->SetBrushColour(0x800080);
  dc->FillRect({0, 0, 5, 16});
  ASSERT_EQ(headless->DrawnTexts().size(), 1u);
  EXPECT_EQ(headless->DrawnTexts()[0].text, u"hit");
  EXPECT_EQ(headless->DrawnTexts()[0].background, 0xFF00);
  ASSERT_EQ(headless->FilledRects().size(), 1u);
  EXPECT_EQ(headless->FilledRects()[0].colour, 0x800080);
  // Its metrics are fixed by the font's height, and right-to-left runs and clips are kept.
  dc->SelectFont(TDeviceFont{u"any", 16});
  EXPECT_EQ(dc->TextMetrics(), (TTextMetric{16, 12, 4, 8}));
  dc->SetClipRect({1, 2, 3, 4});
  EXPECT_EQ(headless->ClipRect(), (TRect{1, 2, 3, 4}));
  dc->ClearClipRect();
  EXPECT_FALSE(headless->ClipRect().has_value());
  dc->TextOutRightToLeft(0, 0, u"\u05D0");
  EXPECT_TRUE(headless->DrawnTexts().back().right_to_left);
}

} // namespace
} // namespace textcore
