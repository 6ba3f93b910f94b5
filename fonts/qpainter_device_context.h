// The device context on Qt: measuring and drawing wide text with a QPainter on any paint device
// (a QImage, a widget, a QPrinter, a QPicture), in the device's own resolution, so text measured
// for a printer is laid out for the printer.
//
// While unidisplay is loaded, CreateDeviceContext (platform/ui_services.h) hands out contexts of
// this kind that measure on a small image of their own once a QGuiApplication exists; without one
// it stays headless, since Qt has no fonts before its application.
#pragma once

#include "platform/device_context.h"

#include <QFont>
#include <QImage>
#include <QPainter>

#include <memory>

namespace unidisplay {

class TQPainterDeviceContext final : public textcore::TDeviceContext {
public:
  // Paints on device with a painter of its own, begun here and ended when the context goes.
  explicit TQPainterDeviceContext(QPaintDevice &device);
  // Paints with painter, which stays the caller's and must outlive the context; its state (pen,
  // brush, clip, font) is saved here and restored when the context goes.
  explicit TQPainterDeviceContext(QPainter &painter);
  ~TQPainterDeviceContext() override;
  TQPainterDeviceContext(const TQPainterDeviceContext &) = delete;
  TQPainterDeviceContext &operator=(const TQPainterDeviceContext &) = delete;

  textcore::TSize TextExtent(textcore::StringView text) override;
  void PartialExtents(textcore::StringView text, std::span<int32_t> extents) override;
  textcore::TTextMetric TextMetrics() override;
  void TextOut(int32_t x, int32_t y, textcore::StringView text) override;
  void TextOutRightToLeft(int32_t x, int32_t y, textcore::StringView text) override;
  void SetClipRect(const textcore::TRect &rect) override;
  void ClearClipRect() override;
  void FillRect(const textcore::TRect &rect) override;
  // The family, a pixel size of the font's height, and the style. The font keeps the
  // antialiasing chosen by SetAntialiasing.
  void SelectFont(const textcore::TDeviceFont &font) override;
  void SetTextColour(int32_t colour) override { fTextColour = colour; }
  void SetBackgroundColour(int32_t colour) override { fBackground = colour; }
  void SetBrushColour(int32_t colour) override { fBrush = colour; }

  // Glyphs without antialiasing have only the text colour and the background in them, which is
  // what a picture compared pixel by pixel wants.
  void SetAntialiasing(bool antialiased);
  // Draws image with its top left corner at (x, y).
  void DrawImage(int32_t x, int32_t y, const QImage &image);

  QPainter &Painter() { return *fPainter; }
  const QFont &Font() const { return fFont; }

private:
  struct TOwnImage {};
  TQPainterDeviceContext(TOwnImage, std::unique_ptr<QImage> image);
  friend std::unique_ptr<textcore::TDeviceContext> NewQtMeasuringDeviceContext();

  void DrawLaidOut(int32_t x, int32_t y, textcore::StringView text, Qt::LayoutDirection direction);

  std::unique_ptr<QImage> fOwnImage; // outlives the painter on it
  std::unique_ptr<QPainter> fOwnPainter;
  QPainter *fPainter;
  QFont fFont;
  int32_t fTextColour = 0;
  int32_t fBackground = 0xFFFFFF;
  int32_t fBrush = 0xFFFFFF;
};

// A context that measures (and draws, to no one) on an image of its own; null before a
// QGuiApplication exists. What unidisplay's provider hands out.
std::unique_ptr<textcore::TDeviceContext> NewQtMeasuringDeviceContext();

// While it lives, CreateDeviceContext hands out NewQtMeasuringDeviceContext's contexts (headless
// ones until an application exists). When it goes, the provider is removed only if it is still
// this one, as the system colours' provider is.
class TQtDeviceContexts {
public:
  TQtDeviceContexts();
  ~TQtDeviceContexts();
  TQtDeviceContexts(const TQtDeviceContexts &) = delete;
  TQtDeviceContexts &operator=(const TQtDeviceContexts &) = delete;
};

} // namespace unidisplay
