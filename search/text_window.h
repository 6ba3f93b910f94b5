// A window onto a text for the buffer matcher: a run of the text's UTF-16 units and the class
// word of each, fed in pieces and moved along the text, so that a text of any size is searched
// in memory bounded by the window.
//
// The classes are those a concordance reads: the locale's table (ClassifyUnits, which the search
// engine uses for its own buffers too); with markup, the markup bit on every unit from an opening
// character of a markup pair to the first closing character of that pair after it, when that one
// comes within reach units (an opening character with none so near is text, and so is one with
// none at all); and the middle characters (apostrophes, hyphens) joining the words either side of
// them, a neighbour being sought over at most reach units of markup. No class depends on text more
// than reach + 1 units away from it, which is what lets a window know when a class is final.
//
// Use: append decoded units to Units(), call Classify, read the classes below FinalEnd(); when
// the window is large enough, ContinueInto a fresh window from an index no later than Keep(),
// which carries the units still needed and the state of the markup pairs, and hand this one on.
#pragma once

#include "platform/strings.h"
#include "search/search_word_format.h"

#include <array>
#include <cstdint>
#include <vector>

namespace textcore {

// The class word of each of n units, from a locale's table of 65,536 words.
void ClassifyUnits(const uint16_t *table, const char16_t *units, size_t n, uint16_t *classes);

// How a text's units are classified.
struct TTextClassRules {
  uint32_t lcid = 0;
  String middles;                   // characters that join words either side of them
  bool markup = false;              // mark the units inside markup pairs
  TIgnore_tag_type pairs{};         // six opening characters, then the six closing ones (0: none)
  int32_t reach = int32_t{1} << 16; // see above; at least 1
  // False: the window holds units only, every one final at once, for a client that classifies
  // them itself where it needs to (only without markup, whose pairs carry from window to window).
  bool classify = true;
};

class TTextWindow {
public:
  explicit TTextWindow(const TTextClassRules &rules);

  // Starts the window at the beginning of a new text, or at its unit base with nothing before it
  // (a reader that passed over what went before).
  void Reset(int64_t base = 0);
  // Room for units units (and their classes) without growing: a window that grows by doubling
  // may hold twice what it needs.
  void Reserve(size_t units);
  // Append decoded units here; Classify takes them in.
  String &Units() { return fUnits; }
  const String &Units() const { return fUnits; }
  // One class word per unit, and two zero words after the last.
  const uint16_t *Classes() const { return fClasses.data(); }
  uint16_t *Classes() { return fClasses.data(); }
  size_t Size() const { return fUnits.size(); }
  // The position in the text of Units()[0].
  int64_t Base() const { return fBase; }
  bool TextEnded() const { return fEnded; }

  // Classifies the units appended since the last call; text_ends: none follow.
  void Classify(bool text_ends);
  bool Classifies() const { return fRules.classify; }
  // Turns classification on for a window made without it: the next Classify classifies every unit
  // held, the first with no character before it (which is text a reach away from any stretch).
  void StartClassifying();
  // The classes below this index are final.
  size_t FinalEnd() const { return fFinal; }
  // The earliest index that classification still needs in the window after this one.
  size_t Keep() const;
  // Makes next this window's continuation: the units from index from on (at most Keep()), their
  // classes, and the state of classification (an ended text stays ended).
  void ContinueInto(TTextWindow &next, size_t from) const;

private:
  static constexpr size_t kNone = static_cast<size_t>(-1);
  // One markup pair's progress through the units.
  struct PairState {
    size_t scan = 0;       // where the next opening character is sought (no opening pending)
    size_t open = kNone;   // an opening character still without its closing one
    size_t close_scan = 0; // where its closing character is sought
  };
  void MarkPair(size_t pair, bool text_ends);

  TTextClassRules fRules;
  const uint16_t *fTable;
  // Class words are written before they are read: no zero-fill when the array grows.
  struct NoFill : std::allocator<uint16_t> {
    template <typename U> struct rebind { using other = NoFill; };
    void construct(uint16_t *p) const noexcept { static_cast<void>(p); }
    void construct(uint16_t *p, uint16_t value) const noexcept { *p = value; }
  };
  String fUnits;
  std::vector<uint16_t, NoFill> fClasses;
  int64_t fBase = 0;
  size_t fClassified = 0;  // units given their table classes
  size_t fMiddlesDone = 0; // units whose middle characters are marked
  size_t fFinal = 0;
  bool fEnded = false;
  std::array<PairState, 6> fPairs{};
};

} // namespace textcore
