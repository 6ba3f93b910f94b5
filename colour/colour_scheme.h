// The colour scheme that every display of the suite shares: a foreground, a background and a
// typeface for each display role. The scheme is saved whole with the tools' settings, so its
// layout is fixed.
#pragma once

#include "platform/set.h"
#include "platform/strings.h"
#include "search/canvas_colour_rec.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace textcore {

static_assert(std::endian::native == std::endian::little, "the colour scheme is little-endian");

// The display roles. Arrays are indexed by them and settings hold their ordinals, so the order
// is part of the contract.
enum TQMcolourset : uint8_t {
  normalcolour,
  highlightcolour,
  tagcolour,
  searchwordcolour,
  mainsortcolour,
  secondsortcolour,
  contextwordcolour,
  deletedcolour,
  taghighlightedcolour,
  centrehighlightedcolour,
  mainsorthighlightedcolour,
  secondsorthighlightedcolour,
  contextwordhighlightedcolour,
  mostfreqcolloccolour,
  viewtextkeywordscolour,
  viewtextcolour,
  lemma_colour,
  wordcloud_shapecolour,
  wordcloud_windowcolour,
  wordcloud_wordcolour,
  spareX
};
constexpr int32_t qm_colour_roles = 21;
static_assert(spareX + 1 == qm_colour_roles);
// Older settings know the first 16 roles only (normalcolour to viewtextcolour).
using TOldQMColourSet = TQMcolourset;
constexpr int32_t old_qm_colour_roles = 16;
static_assert(viewtextcolour + 1 == old_qm_colour_roles);

enum typeface_type : uint8_t { normal, bold, italics, underline, strikeout };
using typeface_set_type = Set<typeface_type, 5>;
static_assert(sizeof(typeface_set_type) == 1);

#pragma pack(push, 1)
// Colours are the system's 32-bit values, red in the lowest byte.
struct TColourPair {
  int32_t foreground = 0;
  int32_t background = 0;
};

struct colour_and_typeface_rec {
  std::array<TColourPair, qm_colour_roles> cor{};
  std::array<typeface_set_type, qm_colour_roles> typefaces{};
  std::array<uint8_t, 3> padding{};
};
#pragma pack(pop)

static_assert(sizeof(TColourPair) == 8);
static_assert(sizeof(colour_and_typeface_rec) == 192);
static_assert(offsetof(colour_and_typeface_rec, typefaces) == 168);

// The four colours of a piece of text and its typeface.
struct TMyCanvasColourRecAndTypeface {
  TMyCanvasColourRec colours;
  typeface_set_type typeface;
};

// The scheme all displays use, shared by every caller on the user-interface thread.
extern colour_and_typeface_rec global_colours_and_typefaces;

// The display name of a role in the loaded translation; "" for the spare role and beyond.
String colour_and_typeface_strs(TQMcolourset role);
// The role whose display name is name, ignoring case, in the loaded translation or in English
// (so that settings written under another translation still read); false for none.
bool ColourRoleNamed(StringView name, TQMcolourset &role);

// Fills global_colours_and_typefaces with the defaults, from the system colours as they are now
// (stored as the colours they resolve to): text in the window colours, highlighted roles in the
// highlight colours, tags and deleted entries in grey text, deleted entries struck out. Run at
// start-up; a tool runs it again once its user interface (and so the real system colours) exists.
void SetDefaultColours();

// A typeface shows as other than plain when it has a member besides normal.
constexpr bool HasTypeface(typeface_set_type typeface) {
  return !(typeface - typeface_set_type{normal}).Empty();
}

} // namespace textcore
