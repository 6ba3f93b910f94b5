// The pieces a wide-text display is laid out from: where colours change along a text (one entry
// per character, from the runs of an extra-font list), and the word chunks a line is broken into
// (a word with the separator after it, and the direction it is written in).
#pragma once

#include "definitions/extra_font_list.h"
#include "platform/list.h"
#include "platform/nls_locale_ids.h"
#include "platform/strings.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace unidisplay {

enum TSwitch_type : uint8_t { no_switch, switch_on, switch_off };

struct TChangeColourRec {
  TSwitch_type switch_ = no_switch;
  // The 1-based number of the run that colours the character. 32-bit: a list may hold more
  // runs than 16 bits count, and the record is never stored.
  int32_t extrafont_num = 0;
  friend bool operator==(const TChangeColourRec &, const TChangeColourRec &) = default;
};

class TChangeColourList {
public:
  // Every entry back to no_switch and run 0, fstarts_at 0.
  void Clear();
  // ALength + 1 cleared entries.
  void InitialiseAndClear(int32_t ALength);

  // Marks the characters of a text of length characters whose first is character offset of the
  // whole line: each run of runs, in list order, switches on the entries it covers and off the
  // entry where it ends; later runs overwrite earlier ones. Runs without an end, ending before
  // the text or starting after it are left out. True when some run touches the text.
  bool MarkRuns(const textcore::TExtraFontList &runs, int32_t length, int32_t offset);

  const std::vector<TChangeColourRec> &fpositions() const { return fPositions; }
  int32_t fstarts_at = 0;

private:
  std::vector<TChangeColourRec> fPositions;
};

// Characters starts..ends (both included) written in one direction: 1 left to right, 2 right to
// left.
struct TWordChunk {
  int32_t starts = 0;
  int32_t ends = 0;
  int16_t direction = 1;
  friend bool operator==(const TWordChunk &, const TWordChunk &) = default;
};

struct TWordChunkHolder {
  TWordChunk data;
};

// A list that owns its chunks.
class TWordChunkList {
public:
  int32_t Count() const { return static_cast<int32_t>(fChunks.size()); }
  const TWordChunk &Chunk(int32_t Index) const {
    return fChunks.at(static_cast<size_t>(Index))->data;
  }
  void Add(const TWordChunk &chunk);
  void Clear() { fChunks.clear(); }

private:
  std::vector<std::unique_ptr<TWordChunkHolder>> fChunks;
};

// The lines of a wrapped or concordance display, each chunk its first and last character.
class TLineChunkList : public TWordChunkList {};

// The word chunks of text by the bidirectional classes of its characters in the locale: letters,
// numbers and their separators make words; a separator, space or other neutral after a word ends
// its chunk (and is part of it), and neutrals before a word lead its chunk. Characters without a
// class (combining marks, joiners, each half of a surrogate pair) continue whatever they follow,
// so no word is cut inside a character or before its marks.
std::unique_ptr<TWordChunkList> BuildAWordList(textcore::StringView text, textcore::LCID lcid);

} // namespace unidisplay
