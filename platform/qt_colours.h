// The system's colours in Qt: the one conversion between the system's 32-bit colour values (red in
// the lowest byte, negative values standing for system colours) and QColor, and the system colours
// read from the application's palette. Every library built on Qt uses these, and nothing else
// converts colours.
//
// Header-only, for the Qt libraries of this repository (textcore itself never includes it: it
// links no Qt). Everything here has internal linkage, so each library has its own copy and never
// calls into another library that may be unloaded before it.
#pragma once

#include "colour/colour_utils.h"
#include "platform/ui_services.h"

#include <QColor>
#include <QGuiApplication>
#include <QPalette>

#include <cstdint>
#include <optional>

namespace textcore {
namespace {

// A system colour value as Qt's colour: a negative value is the system colour it names; the top
// byte of a positive one is ignored (0x1FFFFFFF and the like are red 255, green 255, blue 255).
inline QColor ToQColor(int32_t colour) {
  const int32_t rgb = colour < 0 ? MyColourToRGB(colour) : colour;
  return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

// Qt's colour as a system colour value; alpha is dropped.
inline int32_t FromQColor(const QColor &colour) {
  return colour.red() | colour.green() << 8 | colour.blue() << 16;
}

// The system colour of index from the palette of the running application; nothing (the headless
// table) before a QGuiApplication exists, or for an index the palette has no role for.
inline std::optional<int32_t> QtSystemColour(int32_t index) {
  if (qGuiApp == nullptr)
    return std::nullopt;
  const QPalette palette = QGuiApplication::palette();
  const auto role = [&palette](QPalette::ColorGroup group, QPalette::ColorRole which) {
    return std::optional<int32_t>(FromQColor(palette.color(group, which)));
  };
  switch (index) {
  case COLOR_WINDOW:
    return role(QPalette::Active, QPalette::Base);
  case COLOR_WINDOWTEXT:
    return role(QPalette::Active, QPalette::Text);
  case COLOR_HIGHLIGHT:
    return role(QPalette::Active, QPalette::Highlight);
  case COLOR_HIGHLIGHTTEXT:
    return role(QPalette::Active, QPalette::HighlightedText);
  case COLOR_BTNFACE:
    return role(QPalette::Active, QPalette::Button);
  case COLOR_BTNTEXT:
    return role(QPalette::Active, QPalette::ButtonText);
  case COLOR_GRAYTEXT:
    return role(QPalette::Disabled, QPalette::Text);
  case COLOR_INFOBK:
    return role(QPalette::Active, QPalette::ToolTipBase);
  case COLOR_INFOTEXT:
    return role(QPalette::Active, QPalette::ToolTipText);
  default:
    return std::nullopt;
  }
}

// While it lives, system colours come from the Qt palette (once an application exists). A Qt
// library holds one in a static object, so the provider is installed when the library loads. When
// it unloads, the provider is removed only if it is still this library's own; the colours then
// fall back to the headless table, never to a provider of a library that may be gone.
class TQtSystemColours {
public:
  TQtSystemColours() { SetSystemColourProvider(QtSystemColour); }
  ~TQtSystemColours() {
    TSystemColourProvider current = SetSystemColourProvider({});
    using Function = std::optional<int32_t> (*)(int32_t);
    const Function *installed = current.target<Function>();
    if (installed == nullptr || *installed != &QtSystemColour)
      SetSystemColourProvider(std::move(current));
  }
  TQtSystemColours(const TQtSystemColours &) = delete;
  TQtSystemColours &operator=(const TQtSystemColours &) = delete;
};

} // namespace
} // namespace textcore
