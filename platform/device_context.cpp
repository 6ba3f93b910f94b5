// The headless device context and the extended text-extent query; see device_context.h.
#include "platform/device_context.h"

#include "platform/display_cells.h"

#include <algorithm>

namespace textcore {

TSize THeadlessDeviceContext::TextExtent(StringView text) {
  return TSize{static_cast<int32_t>(DisplayCells(text)) * CellWidth(), fFont.height};
}

void THeadlessDeviceContext::PartialExtents(StringView text, std::span<int32_t> extents) {
  int32_t width = 0;
  for (size_t i = 0; i < text.size() && i < extents.size(); ++i) {
    size_t units = 1;
    width += DisplayCellsAt(text, i, units) * CellWidth();
    extents[i] = width;
  }
}

TTextMetric THeadlessDeviceContext::TextMetrics() {
  const int32_t below = fFont.height / 4;
  return TTextMetric{fFont.height, fFont.height - below, below, CellWidth()};
}

void THeadlessDeviceContext::TextOut(int32_t x, int32_t y, StringView text) {
  fDrawnTexts.push_back({x, y, String(text), fTextColour, fBackground, false});
}

void THeadlessDeviceContext::TextOutRightToLeft(int32_t x, int32_t y, StringView text) {
  fDrawnTexts.push_back({x, y, String(text), fTextColour, fBackground, true});
}

void THeadlessDeviceContext::FillRect(const TRect &rect) { fFilledRects.push_back({rect, fBrush}); }

void THeadlessDeviceContext::SelectFont(const TDeviceFont &font) {
  fFont = font;
  if (fFont.height < 1)
    fFont.height = 1;
}

bool GetTextExtentExPointW(TDeviceContext *dc, const char16_t *text, int32_t count,
                           int32_t max_extent, int32_t *fit, int32_t *dx, TSize *size) {
  if (dc == nullptr || count < 0 || (text == nullptr && count > 0))
    return false;
  const StringView measured(text == nullptr ? u"" : text, static_cast<size_t>(count));
  const TSize extent = dc->TextExtent(measured);
  if (size != nullptr)
    *size = extent;
  if ((fit != nullptr && max_extent >= 0) || dx != nullptr) {
    std::vector<int32_t> partial(measured.size());
    dc->PartialExtents(measured, partial);
    if (dx != nullptr)
      std::copy(partial.begin(), partial.end(), dx);
    if (fit != nullptr && max_extent >= 0) {
      int32_t n = 0;
      while (n < count && partial[static_cast<size_t>(n)] <= max_extent)
        ++n;
      *fit = n;
    }
  }
  return true;
}

} // namespace textcore
