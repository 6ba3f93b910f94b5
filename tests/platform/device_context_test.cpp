// The headless device context's fixed widths, the extended extent query, and the provider that
// a library with a screen installs.
#include "platform/device_context.h"

#include "platform/ui_services.h"
#include "strings/text_extent.h"

#include <gtest/gtest.h>

namespace textcore {
namespace {

TEST(DeviceContext, HeadlessWidthsAreCellsOfHalfTheFontHeight) {
  THeadlessDeviceContext dc;
  struct Case {
    int32_t height;
    const char16_t *text;
    TSize size;
  } cases[] = {
      {16, u"abc", {24, 16}},
      {16, u"\u65E5\u672C", {32, 16}}, // wide characters take two cells
      {16, u"e\u0301", {8, 16}},       // a combining mark none
      {16, u"\U0001F600", {16, 16}},   // a pair is one character
      {16, u"", {0, 16}},
      {9, u"ab", {8, 9}},
      {0, u"ab", {2, 1}}, // never narrower than a pixel
  };
  for (const Case &c : cases) {
    TDeviceFont font;
    font.height = c.height;
    dc.SelectFont(font);
    EXPECT_EQ(dc.TextExtent(c.text), c.size) << StringToUTF8(c.text);
  }
}

TEST(DeviceContext, ExtendedExtentsTellWhatFitsAndCopeWithNoContext) {
  THeadlessDeviceContext dc;
  const char16_t text[] = u"ab\u65E5c";
  struct Case {
    int32_t max_extent, fit;
  } cases[] = {{0, 0}, {7, 0}, {8, 1}, {31, 2}, {32, 3}, {1000, 4}};
  for (const Case &c : cases) {
    int32_t fit = -1, dx[4] = {};
    TSize size;
    ASSERT_TRUE(GetTextExtentExPointW(&dc, text, 4, c.max_extent, &fit, dx, &size));
    EXPECT_EQ(fit, c.fit) << c.max_extent;
    EXPECT_EQ(size, (TSize{40, 16}));
    EXPECT_EQ(dx[0], 8);
    EXPECT_EQ(dx[2], 32);
    EXPECT_EQ(dx[3], 40);
  }
  TSize size{5, 5};
  EXPECT_FALSE(GetTextExtentExPointW(nullptr, text, 4, 10, nullptr, nullptr, &size));
  EXPECT_FALSE(GetTextExtentExPointW(&dc, text, -1, 10, nullptr, nullptr, &size));
  EXPECT_EQ(size, (TSize{5, 5}));

  EXPECT_EQ(GetTextExtentW(&dc, text, 2), (TSize{16, 16}));
  EXPECT_EQ(GetTextExtentW(&dc, text, 0), TSize{});
  EXPECT_EQ(GetTextExtentW(nullptr, text, 2), TSize{});
  ASSERT_NE(MyGetTextExtentExPointW, nullptr); // set while the library is loaded
  int32_t fit = 0;
  EXPECT_TRUE(MyGetTextExtentExPointW(&dc, text, 4, 16, &fit, nullptr, nullptr));
  EXPECT_EQ(fit, 2);
}

TEST(DeviceContext, ProvidersReplaceTheHeadlessContextAndDrawingIsKept) {
  class Wide : public TDeviceContext {
  public:
    TSize TextExtent(StringView text) override { return {int32_t(text.size()) * 100, 1}; }
    void PartialExtents(StringView, std::span<int32_t>) override {}
    void TextOut(int32_t, int32_t, StringView) override {}
    void FillRect(const TRect &) override {}
    void SelectFont(const TDeviceFont &) override {}
    void SetTextColour(int32_t) override {}
    void SetBackgroundColour(int32_t) override {}
    void SetBrushColour(int32_t) override {}
  };
  const TDeviceContextProvider previous =
      SetDeviceContextProvider([] { return std::make_unique<Wide>(); });
  EXPECT_EQ(CreateDeviceContext()->TextExtent(u"ab").cx, 200);
  SetDeviceContextProvider([]() -> std::unique_ptr<TDeviceContext> { throw 1; });
  EXPECT_EQ(CreateDeviceContext()->TextExtent(u"ab").cx, 16); // a failing provider: headless
  SetDeviceContextProvider([] { return std::unique_ptr<TDeviceContext>(); });
  EXPECT_EQ(CreateDeviceContext()->TextExtent(u"ab").cx, 16);
  SetDeviceContextProvider(previous);

  THeadlessDeviceContext dc;
  dc.SetTextColour(0xFF);
  dc.SetBackgroundColour(0xFF00);
  dc.TextOut(3, 4, u"hit");
  dc.SetBrushColour(0x800080);
  dc.FillRect({0, 0, 5, 16});
  ASSERT_EQ(dc.DrawnTexts().size(), 1u);
  EXPECT_EQ(dc.DrawnTexts()[0].text, u"hit");
  EXPECT_EQ(dc.DrawnTexts()[0].colour, 0xFF);
  EXPECT_EQ(dc.DrawnTexts()[0].background, 0xFF00);
  ASSERT_EQ(dc.FilledRects().size(), 1u);
  EXPECT_EQ(dc.FilledRects()[0].colour, 0x800080);
  EXPECT_EQ(dc.FilledRects()[0].rect, (TRect{0, 0, 5, 16}));
}

} // namespace
} // namespace textcore
