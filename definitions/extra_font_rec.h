// One run of characters in a displayed line that is drawn in colours and a typeface of its own
// (a tag, a context word, a highlighted collocate, the centre word, a sort word), as the
// extra-font list holds it and writes it to a stream.
//
// Record (72 bytes, little-endian, laid out in memory as on the stream):
//   0   4   switch_on_at_char              the run's first character position
//   4   4   switch_off_at_char             where the run ends; negative when no end is given
//   8   16  colour_rec                     TMyCanvasColourRec
//   24  1   typeface                       typeface_set_type
//   25  3   padding                        written as zeros, ignored when read
//   28  1   Colouring_word_instead_of_tag  Boolean byte
//   29  1   is_default                     Boolean byte
//   30  1   applies_to                     TExtraFontCategory byte
//   31  1   spareBs                        reserved
//   32  40  spareInts                      reserved, ten 32-bit words
// Bytes 0 to 27 are TExtraFontRecOld, the whole record of the oldest stream version.
//
// The bytes after the old record come from disk, so they are held as bytes, never as bool or as
// the enumeration: a stored 2 or 9 is then a value the code can test, not undefined behaviour.
#pragma once

#include "colour/colour_scheme.h"
#include "search/canvas_colour_rec.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace textcore {

static_assert(std::endian::native == std::endian::little, "extra-font records are little-endian");

// What a run marks. The order is stored on disk.
enum TExtraFontCategory : uint8_t {
  efc_tag,
  efc_context_word,
  efc_colloc_highlight,
  efc_centre_word,
  efc_sort1,
  efc_sort2,
  efc_sort3,
  efc_unknown
};

#pragma pack(push, 1)
struct TExtraFontRecOld {
  int32_t switch_on_at_char = 0;
  int32_t switch_off_at_char = 0;
  TMyCanvasColourRec colour_rec;
  typeface_set_type typeface;
  std::array<uint8_t, 3> padding{};
};

struct TExtraFontRec {
  TExtraFontRecOld basics;
  uint8_t Colouring_word_instead_of_tag = 0;
  uint8_t is_default = 0;
  uint8_t applies_to = efc_tag; // a TExtraFontCategory; see ExtraFontCategory
  uint8_t spareBs = 0;
  std::array<int32_t, 10> spareInts{};
};
#pragma pack(pop)

static_assert(sizeof(TExtraFontRecOld) == 28);
static_assert(offsetof(TExtraFontRecOld, switch_on_at_char) == 0);
static_assert(offsetof(TExtraFontRecOld, switch_off_at_char) == 4);
static_assert(offsetof(TExtraFontRecOld, colour_rec) == 8);
static_assert(offsetof(TExtraFontRecOld, typeface) == 24);
static_assert(offsetof(TExtraFontRecOld, padding) == 25);

static_assert(sizeof(TExtraFontRec) == 72);
static_assert(offsetof(TExtraFontRec, basics) == 0);
static_assert(offsetof(TExtraFontRec, Colouring_word_instead_of_tag) == 28);
static_assert(offsetof(TExtraFontRec, is_default) == 29);
static_assert(offsetof(TExtraFontRec, applies_to) == 30);
static_assert(offsetof(TExtraFontRec, spareBs) == 31);
static_assert(offsetof(TExtraFontRec, spareInts) == 32);

// The category a record's byte names; a byte beyond the enumeration is efc_unknown.
constexpr TExtraFontCategory ExtraFontCategory(const TExtraFontRec &Rec) {
  return Rec.applies_to > efc_unknown ? efc_unknown
                                      : static_cast<TExtraFontCategory>(Rec.applies_to);
}

} // namespace textcore
