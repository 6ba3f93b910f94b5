// The QPainter device context and the provider that hands it out; see qpainter_device_context.h.
#include "fonts/qpainter_device_context.h"

#include "platform/qt_colours.h"
#include "platform/qt_strings.h"
#include "platform/ui_services.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QTextLayout>

#include <algorithm>
#include <limits>

namespace unidisplay {

using textcore::StringView;
using textcore::ToQColor;
using textcore::ToQString;

TQPainterDeviceContext::TQPainterDeviceContext(QPaintDevice &device)
    : fOwnPainter(std::make_unique<QPainter>(&device)), fPainter(fOwnPainter.get()),
      fFont(fPainter->font()) {}

TQPainterDeviceContext::TQPainterDeviceContext(QPainter &painter)
    : fPainter(&painter), fFont(painter.font()) {
  fPainter->save();
}

TQPainterDeviceContext::TQPainterDeviceContext(TOwnImage, std::unique_ptr<QImage> image)
    : fOwnImage(std::move(image)), fOwnPainter(std::make_unique<QPainter>(fOwnImage.get())),
      fPainter(fOwnPainter.get()), fFont(fPainter->font()) {}

TQPainterDeviceContext::~TQPainterDeviceContext() {
  if (fOwnPainter)
    fOwnPainter->end();
  else
    fPainter->restore();
}

textcore::TSize TQPainterDeviceContext::TextExtent(StringView text) {
  const QFontMetrics metrics(fFont, fPainter->device());
  return {metrics.horizontalAdvance(ToQString(text)), metrics.height()};
}

void TQPainterDeviceContext::PartialExtents(StringView text, std::span<int32_t> extents) {
  // One layout of the whole text, so that the widths are those of the text as it is shaped, not
  // of its pieces one by one.
  QTextLayout layout(ToQString(text), fFont, fPainter->device());
  layout.beginLayout();
  QTextLine line = layout.createLine();
  if (line.isValid())
    line.setLineWidth(std::numeric_limits<int>::max() / 4);
  layout.endLayout();
  for (size_t i = 0; i < text.size() && i < extents.size(); ++i)
    extents[i] =
        line.isValid() ? static_cast<int32_t>(line.cursorToX(static_cast<int>(i + 1)) + 0.5) : 0;
}

textcore::TTextMetric TQPainterDeviceContext::TextMetrics() {
  const QFontMetrics metrics(fFont, fPainter->device());
  return {metrics.height(), metrics.ascent(), metrics.descent(), metrics.averageCharWidth()};
}

void TQPainterDeviceContext::DrawLaidOut(int32_t x, int32_t y, StringView text,
                                         Qt::LayoutDirection direction) {
  if (text.empty())
    return;
  const textcore::TSize extent = TextExtent(text);
  fPainter->fillRect(QRect(x, y, extent.cx, extent.cy), ToQColor(fBackground));
  QTextLayout layout(ToQString(text), fFont, fPainter->device());
  QTextOption option;
  option.setTextDirection(direction);
  // Absolute left: a right-to-left line starts at x as a left-to-right one does, its first
  // character at the right end.
  option.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
  option.setWrapMode(QTextOption::NoWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  if (line.isValid())
    line.setLineWidth(extent.cx);
  layout.endLayout();
  fPainter->setPen(ToQColor(fTextColour));
  layout.draw(fPainter, QPointF(x, y));
}

void TQPainterDeviceContext::TextOut(int32_t x, int32_t y, StringView text) {
  DrawLaidOut(x, y, text, Qt::LeftToRight);
}

void TQPainterDeviceContext::TextOutRightToLeft(int32_t x, int32_t y, StringView text) {
  DrawLaidOut(x, y, text, Qt::RightToLeft);
}

void TQPainterDeviceContext::SetClipRect(const textcore::TRect &rect) {
  fPainter->setClipRect(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()));
}

void TQPainterDeviceContext::ClearClipRect() { fPainter->setClipping(false); }

void TQPainterDeviceContext::FillRect(const textcore::TRect &rect) {
  fPainter->fillRect(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()), ToQColor(fBrush));
}

void TQPainterDeviceContext::SelectFont(const textcore::TDeviceFont &font) {
  const QFont::StyleStrategy strategy = fFont.styleStrategy();
  fFont = font.name.empty() ? QFont() : QFont(ToQString(font.name));
  fFont.setPixelSize(std::max(font.height, 1));
  fFont.setBold(font.bold);
  fFont.setItalic(font.italic);
  fFont.setUnderline(font.underline);
  fFont.setStrikeOut(font.strikeout);
  fFont.setStyleStrategy(strategy);
  fPainter->setFont(fFont);
}

void TQPainterDeviceContext::SetAntialiasing(bool antialiased) {
  fFont.setStyleStrategy(antialiased ? QFont::PreferDefault : QFont::NoAntialias);
  fPainter->setRenderHint(QPainter::TextAntialiasing, antialiased);
  fPainter->setRenderHint(QPainter::Antialiasing, antialiased);
  fPainter->setFont(fFont);
}

void TQPainterDeviceContext::DrawImage(int32_t x, int32_t y, const QImage &image) {
  fPainter->drawImage(QPoint(x, y), image);
}

std::unique_ptr<textcore::TDeviceContext> NewQtMeasuringDeviceContext() {
  if (qGuiApp == nullptr)
    return nullptr;
  auto image = std::make_unique<QImage>(8, 8, QImage::Format_ARGB32_Premultiplied);
  return std::unique_ptr<textcore::TDeviceContext>(
      new TQPainterDeviceContext(TQPainterDeviceContext::TOwnImage{}, std::move(image)));
}

TQtDeviceContexts::TQtDeviceContexts() {
  textcore::SetDeviceContextProvider(NewQtMeasuringDeviceContext);
}

TQtDeviceContexts::~TQtDeviceContexts() {
  textcore::TDeviceContextProvider current = textcore::SetDeviceContextProvider({});
  using Function = std::unique_ptr<textcore::TDeviceContext> (*)();
  const Function *installed = current.target<Function>();
  if (installed == nullptr || *installed != &NewQtMeasuringDeviceContext)
    textcore::SetDeviceContextProvider(std::move(current));
}

} // namespace unidisplay
