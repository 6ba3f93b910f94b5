// A device context of fixed widths that records what it is asked: "i" is 4 pixels wide, "m" 12,
// a combining mark and the second half of a surrogate pair nothing, every other unit 10; a line is
// 16 high. Layout tests assert exact positions with it.
#pragma once

#include "platform/device_context.h"
#include "platform/nls_char_types.h"

#include <optional>
#include <vector>

namespace unidisplay::testing {

class TRecordingDeviceContext final : public textcore::TDeviceContext {
public:
  struct TDrawn {
    int32_t x, y;
    textcore::String text;
    int32_t colour, background;
    bool right_to_left;
    std::optional<textcore::TRect> clip;
  };
  struct TFilled {
    textcore::TRect rect;
    int32_t colour;
  };

  // Every unit the same width: a fixed-pitch font.
  bool fixed_pitch = false;

  static int32_t UnitWidth(const textcore::String &text, size_t i, bool fixed) {
    const char16_t c = text[i];
    if (i > 0 && c >= 0xDC00 && c <= 0xDFFF && text[i - 1] >= 0xD800 && text[i - 1] <= 0xDBFF)
      return 0;
    if (fixed)
      return 10;
    if (textcore::UnicodeCategoryOf(c) == textcore::ucMn)
      return 0;
    return c == u'i' ? 4 : c == u'm' ? 12 : 10;
  }

  textcore::TSize TextExtent(textcore::StringView text) override {
    measured.push_back(static_cast<int32_t>(text.size()));
    const textcore::String s(text);
    int32_t width = 0;
    for (size_t i = 0; i < s.size(); ++i)
      width += UnitWidth(s, i, fixed_pitch);
    return {width, 16};
  }
  void PartialExtents(textcore::StringView text, std::span<int32_t> extents) override {
    const textcore::String s(text);
    int32_t width = 0;
    for (size_t i = 0; i < s.size() && i < extents.size(); ++i)
      extents[i] = width += UnitWidth(s, i, fixed_pitch);
  }
  textcore::TTextMetric TextMetrics() override { return {16, 12, 4, 10}; }
  void TextOut(int32_t x, int32_t y, textcore::StringView text) override {
    drawn.push_back({x, y, textcore::String(text), colour, background, false, clip});
  }
  void TextOutRightToLeft(int32_t x, int32_t y, textcore::StringView text) override {
    drawn.push_back({x, y, textcore::String(text), colour, background, true, clip});
  }
  void SetClipRect(const textcore::TRect &rect) override { clip = rect; }
  void ClearClipRect() override { clip.reset(); }
  void FillRect(const textcore::TRect &rect) override { filled.push_back({rect, brush}); }
  void SelectFont(const textcore::TDeviceFont &) override {}
  void SetTextColour(int32_t c) override { colour = c; }
  void SetBackgroundColour(int32_t c) override { background = c; }
  void SetBrushColour(int32_t c) override { brush = c; }

  // The texts drawn, in order.
  std::vector<textcore::String> Texts() const {
    std::vector<textcore::String> texts;
    for (const TDrawn &d : drawn)
      texts.push_back(d.text);
    return texts;
  }

  std::vector<int32_t> measured; // the length of every text measured
  std::vector<TDrawn> drawn;
  std::vector<TFilled> filled;
  std::optional<textcore::TRect> clip;
  int32_t colour = 0, background = 0, brush = 0;
};

} // namespace unidisplay::testing
