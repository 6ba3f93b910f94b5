// The device context that textcore measures and draws wide text on: a surface with a selected
// font, text and background colours and a brush.
//
// textcore links no drawing library, so the surface is abstract. THeadlessDeviceContext measures
// with fixed character widths (a character takes the cells it takes in a monospaced column, each
// cell half the font's height wide), so layout needs no fonts and gives the same pixels on every
// machine; it draws nothing but keeps what it was asked to draw, for tests to look at. A library
// with a screen installs a provider of real surfaces into the user-interface services
// (platform/ui_services.h); CreateDeviceContext hands out one of those, or a headless one when
// none is installed.
#pragma once

#include "platform/rect.h"
#include "platform/strings.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace textcore {

// A font to select: its family, its height in pixels (the line height of its text) and its style.
struct TDeviceFont {
  String name;
  int32_t height = 16;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeout = false;
};

// The facts of the selected font that layout needs, in the Windows text metric's terms: the
// height of a line, how far the baseline lies below its top and the rest below it, and the width
// of an average character.
struct TTextMetric {
  int32_t tmHeight = 0;
  int32_t tmAscent = 0;
  int32_t tmDescent = 0;
  int32_t tmAveCharWidth = 0;
  friend constexpr bool operator==(const TTextMetric &, const TTextMetric &) = default;
};

class TDeviceContext {
public:
  virtual ~TDeviceContext() = default;

  // The width of text in the selected font and the height of its line.
  virtual TSize TextExtent(StringView text) = 0;
  // For each UTF-16 unit of text, the width of the text up to and including it: extents[i] is the
  // width of the first i + 1 units. extents has one entry per unit.
  virtual void PartialExtents(StringView text, std::span<int32_t> extents) = 0;

  virtual TTextMetric TextMetrics() = 0;

  // Draws text with its top left corner at (x, y), in the text colour on the background colour
  // (the background fills the text's extent). TextOut lays the text out left to right, as a
  // left-to-right paragraph; TextOutRightToLeft as a right-to-left one, so that its first
  // character is at the right end of the same extent.
  virtual void TextOut(int32_t x, int32_t y, StringView text) = 0;
  virtual void TextOutRightToLeft(int32_t x, int32_t y, StringView text) = 0;
  // Nothing is drawn outside rect until the clip is cleared.
  virtual void SetClipRect(const TRect &rect) = 0;
  virtual void ClearClipRect() = 0;
  // Fills rect (its Right and Bottom just outside) with the brush colour.
  virtual void FillRect(const TRect &rect) = 0;

  virtual void SelectFont(const TDeviceFont &font) = 0;
  // Colours are 0x00BBGGRR, red in the lowest byte.
  virtual void SetTextColour(int32_t colour) = 0;
  virtual void SetBackgroundColour(int32_t colour) = 0;
  virtual void SetBrushColour(int32_t colour) = 0;
};

class THeadlessDeviceContext final : public TDeviceContext {
public:
  struct TDrawnText {
    int32_t x, y;
    String text;
    int32_t colour, background;
    bool right_to_left = false;
  };
  struct TFilledRect {
    TRect rect;
    int32_t colour;
  };

  // A cell is half the font's height wide, at least one pixel: a 16-pixel font takes 8 pixels a
  // character, a wide (East Asian) character 16 and a combining mark none.
  int32_t CellWidth() const { return fFont.height > 1 ? fFont.height / 2 : 1; }

  TSize TextExtent(StringView text) override;
  void PartialExtents(StringView text, std::span<int32_t> extents) override;
  // A line is the font's height: three quarters above the baseline, the rest below; an average
  // character one cell.
  TTextMetric TextMetrics() override;
  void TextOut(int32_t x, int32_t y, StringView text) override;
  void TextOutRightToLeft(int32_t x, int32_t y, StringView text) override;
  void SetClipRect(const TRect &rect) override { fClip = rect; }
  void ClearClipRect() override { fClip.reset(); }
  void FillRect(const TRect &rect) override;
  void SelectFont(const TDeviceFont &font) override;
  void SetTextColour(int32_t colour) override { fTextColour = colour; }
  void SetBackgroundColour(int32_t colour) override { fBackground = colour; }
  void SetBrushColour(int32_t colour) override { fBrush = colour; }

  const TDeviceFont &Font() const { return fFont; }
  const std::vector<TDrawnText> &DrawnTexts() const { return fDrawnTexts; }
  const std::vector<TFilledRect> &FilledRects() const { return fFilledRects; }
  const std::optional<TRect> &ClipRect() const { return fClip; }

private:
  TDeviceFont fFont;
  int32_t fTextColour = 0;
  int32_t fBackground = 0xFFFFFF;
  int32_t fBrush = 0xFFFFFF;
  std::vector<TDrawnText> fDrawnTexts;
  std::vector<TFilledRect> fFilledRects;
  std::optional<TRect> fClip;
};

// The extended text-extent query in the Windows API's terms: the size of the first count units of
// text, and (when asked for) how many of them fit within max_extent pixels (fit) and the partial
// widths of the units measured (dx, count entries). A negative max_extent asks for no fit. False,
// with nothing written, for a null device context or text, or a negative count.
bool GetTextExtentExPointW(TDeviceContext *dc, const char16_t *text, int32_t count,
                           int32_t max_extent, int32_t *fit, int32_t *dx, TSize *size);

} // namespace textcore
