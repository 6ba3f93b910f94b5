// The pieces of a concordance line taken from the text around a hit: the left and right
// contexts, the hit itself, and the words that the sort keys L1..L5 and R1..R5 name. None of
// them reaches more than reach units from the hit, so that a window of the text holding that much
// either side of a hit makes the same line as the whole text.
//
// Widths count display cells: East Asian wide characters take two, combining marks none. With
// markup, characters carrying the markup bit are left out of everything shown and are never part
// of a word.
#pragma once

#include "platform/strings.h"
#include "tools/qmark/concord_search.h"

#include <cstdint>

namespace qmark {

// The pieces of a hit's line: views of the text, or of the shown characters kept here when
// markup is left out of them (the struct is reused from hit to hit and never copied).
struct ConcordPieces {
  textcore::StringView left, hit, right;
  textcore::String shown[3];
};

// A stretch of the shown line "left hit right": the characters before it, and its own.
struct ConcordSpan {
  int32_t at = 0;
  int32_t length = 0;
};

class ConcordContext {
public:
  // text and classes (one class word per character) must outlive this object.
  ConcordContext(textcore::StringView text, const uint16_t *classes, bool markup, int32_t width,
                 int32_t reach);

  // The width characters before the hit, the hit, and the width characters after it.
  void Pieces(const ConcordHit &hit, ConcordPieces &pieces) const;
  // The n-th word (from 1) before position or from position on; empty past the text's edge.
  textcore::StringView WordBefore(int32_t position, int32_t n) const;
  textcore::StringView WordAfter(int32_t position, int32_t n) const;
  // Where the n-th word before (n < 0) or after (n > 0) the hit lies in the line its Pieces
  // show; empty when the context does not reach it.
  ConcordSpan ShownWordSpan(const ConcordHit &hit, int32_t n) const;

private:
  bool Shown(size_t i) const { return !fMarkup || (fClasses[i] & kMarkupBit) == 0; }
  bool InWord(size_t i) const;
  // The display cells of the character at i as shown (markup shows nothing), and its units.
  int32_t ShownCells(size_t i, size_t &units) const;
  // A mark, a joiner or another character drawn on its neighbours.
  bool IsZeroWidth(size_t i) const;
  // Moves from back and to on over at most fWidth display cells each, whole characters only;
  // the left context never starts with a mark cut from its letter. start is the hit's start.
  void Bounds(size_t start, size_t &from, size_t &to) const;
  // The characters of text[from, to) that are shown: the text itself without markup, else a
  // copy in kept without the markup.
  textcore::StringView Shown(size_t from, size_t to, textcore::String &kept) const;

  static constexpr uint16_t kMarkupBit = 0x0800;
  textcore::StringView fText;
  const uint16_t *fClasses;
  bool fMarkup;
  int32_t fWidth;
  size_t fReach;
};

} // namespace qmark
