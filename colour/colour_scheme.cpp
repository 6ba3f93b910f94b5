// The shared colour scheme and its defaults.
#include "colour/colour_scheme.h"

#include "messages/message_names.h"
#include "platform/locale_strings.h"
#include "platform/textcore_lifetime.h"
#include "platform/ui_services.h"

namespace textcore {

colour_and_typeface_rec global_colours_and_typefaces;

namespace {

constexpr TMessage kRoleNames[] = {
    _QMNormalColour,
    _QMHighlightColour,
    _QMTagColour,
    _QMSearchWordColour,
    _QMMainSortWordColour,
    _QMSecondSortWordColour,
    _QMContextWordColour,
    _QMDeletedColour,
    _QMTagsHighlightedColour,
    _QMSearchWordHighlightedColour,
    _QMMainSortHighlightedColour,
    _QMSecondSortHighlightedColour,
    _QMContextWordHighlightedColour,
    _QMMostFreqCollocColour,
    _QMViewTextKeyWordsColour,
    _QMViewTextsColour,
    _QMLemmaColour,
    _QMWordcloud_boxcolour,
    _QMwordcloud_windowcolour,
    _QMWordcloud_wordcolour,
};
static_assert(std::size(kRoleNames) == spareX);

} // namespace

String colour_and_typeface_strs(TQMcolourset role) {
  return role < spareX ? String(kRoleNames[role].Text()) : String();
}

bool ColourRoleNamed(StringView name, TQMcolourset &role) {
  for (int32_t r = 0; r < spareX; ++r)
    if (AnsiSameText(name, kRoleNames[r].Text()) ||
        AnsiSameText(name, kRoleNames[r].BuiltinText())) {
      role = static_cast<TQMcolourset>(r);
      return true;
    }
  return false;
}

void SetDefaultColours() {
  const TColourPair normal_pair{SystemColour(COLOR_WINDOWTEXT), SystemColour(COLOR_WINDOW)};
  const TColourPair highlight_pair{SystemColour(COLOR_HIGHLIGHTTEXT),
                                   SystemColour(COLOR_HIGHLIGHT)};
  colour_and_typeface_rec &scheme = global_colours_and_typefaces;
  scheme = colour_and_typeface_rec{};
  for (int32_t role = 0; role < qm_colour_roles; ++role) {
    const bool highlighted = role == highlightcolour ||
                             (role >= taghighlightedcolour && role <= contextwordhighlightedcolour);
    scheme.cor[static_cast<size_t>(role)] = highlighted ? highlight_pair : normal_pair;
  }
  const int32_t grey = SystemColour(COLOR_GRAYTEXT);
  scheme.cor[tagcolour].foreground = grey;
  scheme.cor[deletedcolour].foreground = grey;
  scheme.typefaces[deletedcolour] = {strikeout};
}

void StartColours() { SetDefaultColours(); }

} // namespace textcore
