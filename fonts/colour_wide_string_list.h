// TColourWideStringList: a string list whose items are drawn (as the items of an owner-drawn list
// box are) through a Unicode displayer, each item in its own colours when it carries them.
#pragma once

#include "fonts/unicode_displayer.h"
#include "platform/string_list.h"

#include <QImage>
#include <Qt>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace unidisplay {

// The colours an item may carry: the first value is its text colour and the third its
// background, each used when it is 0 or more (the second and fourth are kept, not drawn with).
class TItemColours : public textcore::TObject {
public:
  TItemColours() = default;
  TItemColours(int32_t text_colour, int32_t second, int32_t background, int32_t fourth)
      : values{text_colour, second, background, fourth} {}
  std::array<int32_t, 4> values{-1, -1, -1, -1};
};

// The first bit of an item's drawing state: the item is selected.
constexpr uint32_t odSelected = 1;

class TColourWideStringList : public textcore::TStringList {
public:
  // The base and highlight roles of the colour scheme, a left-to-right displayer in the user's
  // locale; the list owns its items' objects.
  TColourWideStringList();

  // Base background, then base text colour of the displayer.
  void ChangeColour(int32_t new_foreground_colour, int32_t new_background_colour);
  // The displayer's base pair back to the list's defaults.
  void RestoreColours();

  // Draws item Index into Rect of ACanvas: the rectangle in the highlight colour when the item is
  // selected (State & odSelected), else in the window colour; then its number (with_numbers, no
  // image) and its text in its own colours, right-aligned for a right-to-left BidiMode. An image
  // of the image list is drawn when the canvas is a QPainter one. An index outside the list
  // draws nothing. TabPosition is accepted for callers that pass one.
  void DrawItem(textcore::TQMoutput fOutputting, textcore::TDeviceContext &ACanvas,
                Qt::LayoutDirection BidiMode, uint32_t State, const textcore::TRect &Rect,
                int32_t TabPosition, int32_t ImageIndex, int32_t Index);

  textcore::TMyCanvasColourRec mydefault_colours;
  std::unique_ptr<TUnicodeDisplayer> unicode_displayer;
  const std::vector<QImage> *imagelist = nullptr; // the caller's; may be null
  bool with_numbers = false;
};

} // namespace unidisplay
