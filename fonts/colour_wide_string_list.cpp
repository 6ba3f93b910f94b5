// The colour wide-string list; see colour_wide_string_list.h.
#include "fonts/colour_wide_string_list.h"

#include "colour/colour_scheme.h"
#include "definitions/base_and_highlight_colours.h"
#include "fonts/qpainter_device_context.h"
#include "platform/ui_services.h"
#include "strings/text_extent.h"

namespace unidisplay {

TColourWideStringList::TColourWideStringList()
    : textcore::TStringList(true),
      mydefault_colours(textcore::GetBaseandHighlightColours(textcore::global_colours_and_typefaces,
                                                             textcore::normalcolour,
                                                             textcore::highlightcolour)),
      unicode_displayer(std::make_unique<TUnicodeDisplayer>(
          textcore::typeface_set_type{}, mydefault_colours, false, textcore::LOCALE_USER_DEFAULT)) {
}

void TColourWideStringList::ChangeColour(int32_t new_foreground_colour,
                                         int32_t new_background_colour) {
  unicode_displayer->SetBaseBackground(new_background_colour);
  unicode_displayer->SetBaseColour(new_foreground_colour);
}

void TColourWideStringList::RestoreColours() {
  unicode_displayer->SetBaseColour(mydefault_colours.default_colour);
  unicode_displayer->SetBaseBackground(mydefault_colours.default_background);
}

void TColourWideStringList::DrawItem(textcore::TQMoutput fOutputting,
                                     textcore::TDeviceContext &ACanvas,
                                     Qt::LayoutDirection BidiMode, uint32_t State,
                                     const textcore::TRect &Rect, int32_t, int32_t ImageIndex,
                                     int32_t Index) {
  if (Index < 0 || Index >= Count())
    return;
  // Plain items are drawn too, in the base colours; only an item's own colours need an object.
  const auto *own = dynamic_cast<const TItemColours *>(Objects(Index));
  TUnicodeDisplayer &displayer = *unicode_displayer;
  displayer.SetDefaultColours(mydefault_colours);
  const bool selected = (State & odSelected) != 0;
  ACanvas.SetBrushColour(
      textcore::SystemColour(selected ? textcore::COLOR_HIGHLIGHT : textcore::COLOR_WINDOW));
  ACanvas.FillRect(Rect);
  const textcore::alignment_type alignment =
      BidiMode != Qt::LeftToRight ? textcore::right_aligned : textcore::left_aligned;
  int32_t text_left = Rect.Left + 2;
  const int32_t text_colour = own != nullptr ? own->values[0] : -1;
  if (imagelist != nullptr && ImageIndex >= 0 &&
      ImageIndex < static_cast<int32_t>(imagelist->size())) {
    const QImage &image = (*imagelist)[static_cast<size_t>(ImageIndex)];
    if (auto *painter = dynamic_cast<TQPainterDeviceContext *>(&ACanvas))
      painter->DrawImage(text_left, Rect.Top, image);
    text_left = text_colour < -1 ? text_left + image.width() + 4 : Rect.Left + 22;
  } else if (with_numbers) {
    // The number goes first and the text after it, never over it.
    const textcore::String number = textcore::IntToStr(Index + 1) + u" ";
    displayer.ResetOriginalColour(ACanvas, selected);
    ACanvas.TextOut(text_left, Rect.Top + 1, number);
    text_left += textcore::TextWidthOfWideString(&ACanvas, number);
  }
  if (own != nullptr && own->values[0] >= 0)
    displayer.SetBaseColour(own->values[0]);
  if (own != nullptr && own->values[2] >= 0)
    displayer.SetBaseBackground(own->values[2]);
  textcore::TRect drawn;
  displayer.DisplayAWideString(fOutputting, ACanvas, drawn,
                               {text_left, Rect.Top, Rect.Right, Rect.Bottom}, alignment, false,
                               selected, false, Strings(Index));
}

} // namespace unidisplay
