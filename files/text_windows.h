// Reading a text of any size as a run of windows for the buffer matcher: the bytes are read once
// to decide their encoding (as ReadTextOfBytes decides) and once more to decode and classify
// them a window at a time, so that memory is bounded by the window, not by the text. A small text
// is kept from the first reading instead of being read again.
//
// Each window holds the units of a stretch of the text and their final classes, with enough text
// either side of that stretch for everything a concordance line takes from around a hit that
// starts in it: a hit may be up to longest_hit units long (and a hit of a word that need not start
// at a word's start reaches back as far again to the word's start), and its context, its
// neighbouring words, markup and middle characters reach at most reach units further (see
// TTextWindow). So a hit, its context and its line come out of the window exactly as they would
// out of the whole text, and the stretches of successive windows tile the text.
#pragma once

#include "files/text_decoding.h"
#include "platform/streams.h"
#include "platform/strings.h"
#include "search/text_window.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace textcore {

struct TTextWindowSizes {
  size_t window_units = size_t{2} << 20; // new units a window takes in, at least 1
  size_t read_bytes = size_t{1} << 20;   // bytes read at a time, at least 1
  int32_t longest_hit = 0xFFFF;          // the matcher's longest hit
  // A text of at most this many bytes is read once and kept while it is decoded.
  size_t kept_bytes = size_t{8} << 20;
};

// Line and column (both from 1) of positions visited in increasing order; lines end at LF and
// columns count characters (a surrogate pair is one). Linear in the units passed over.
class TLineCounter {
public:
  TLineCounter() = default;
  TLineCounter(int64_t line, int64_t characters_into_line)
      : fLine(line), fColumn(characters_into_line) {}
  // Passes over units (which start where the counter stands and do not end inside a pair).
  void Pass(StringView units);
  // Passes over ASCII bytes, a character each.
  void PassAscii(std::string_view bytes);
  int64_t Line() const { return fLine; }
  int64_t Column() const { return fColumn + 1; }

private:
  int64_t fLine = 1;
  int64_t fColumn = 0;
};

// What of a window is its own stretch of the text, in indices of the window's units.
struct TTextWindowSpan {
  size_t from = 0; // hits starting in [from, to) belong to this window
  size_t to = 0;
  size_t search_to = 0; // the matcher is given the units [from, search_to)
  TLineCounter at_from; // the line and column of from
  bool last = false;    // the text ends in this window
};

// The forms each place of a sought word may take (as PlainWordForms gives them).
using TWordForms = std::vector<std::array<char16_t, 3>>;

class TTextWindowReader {
public:
  TTextWindowReader(const TTextClassRules &rules, const TTextWindowSizes &sizes, uint32_t code_page,
                    bool binary_as_text);
  ~TTextWindowReader();
  TTextWindowReader(const TTextWindowReader &) = delete;
  TTextWindowReader &operator=(const TTextWindowReader &) = delete;

  // Reads all of source (from its start) to decide how to read it, and readies the first window
  // unless it is no text (encoding te_none). Read failures raise as the stream raises them.
  TTextDecision Begin(TStream &source);
  // The next window of the text begun: window (a spare window, or null for a new one) is
  // replaced by the window to search, span says what of it is this window's. False after the last.
  bool Next(std::unique_ptr<TTextWindow> &window, TTextWindowSpan &span);

  // Before Begin: the words the client seeks, when they are all plain whole words (none, as at
  // first, when it seeks anything else). A text kept whole (kept_bytes) in UTF-8 or an 8-bit code
  // page then has its long runs of ASCII that lie far from every place where one of the words
  // stands passed over undecoded: the windows leave them out (Base and the line counter move on
  // over them, an ASCII byte being one unit and one character), and every window ends or begins
  // beside such a run as at the end or start of a text. Far is more than twice reach and twice the
  // longest word away, so every unit within reach of a hit, and every class such a unit depends
  // on, is in the windows as it would be without the passing over. Words with forms outside ASCII
  // pass over nothing.
  void SkipFarFrom(std::vector<TWordForms> words) { fSkipWords = std::move(words); }

  // From any thread: windows made from now on are classified, also when the rules said not to
  // (a client that classifies only around what it seeks and finds it everywhere).
  void ClassifyFromNow() { fClassifyWanted = true; }

private:
  // Reads and decodes one more piece of bytes into the current window; false at the end of the
  // text or of what is decoded before a run passed over.
  bool ReadMore();
  // The runs of the kept bytes [begin, end) to pass over (see SkipFarFrom), into fSkips.
  void PlanSkips(size_t begin, size_t end);
  // The window given back after the one that ended at a run passed over; the next starts after it.
  void StartAfterSkip(const TTextWindow &ended);
  // The units to reserve in a window: what it comes to hold at most (bar a composition held back
  // at the end), and never more than 8 Mi, since the sizes asked for may be huge.
  size_t WindowUnits() const;

  TTextClassRules fRules;
  TTextWindowSizes fSizes;
  uint32_t fCodePage;
  bool fBinaryAsText;
  TStream *fSource = nullptr;
  struct Decoding;
  std::unique_ptr<Decoding> fDecoding;
  std::unique_ptr<TTextWindow> fCurrent;
  std::string fBytes;
  // A text read whole: its bytes [0, fKeptEnd) and where decoding stands (npos: read the source).
  std::unique_ptr<char[]> fKept; // kept_bytes + 1, made when first needed
  size_t fKeptAt = std::string::npos;
  size_t fKeptEnd = 0;
  TTextDecision fDecision;
  std::vector<TWordForms> fSkipWords;
  struct Skip {
    size_t from, to; // kept bytes
  };
  std::vector<Skip> fSkips;
  size_t fNextSkip = 0;
  bool fSkipReached = false; // the current window ends where fSkips[fNextSkip] starts
  size_t fFrom = 0;          // where the current window's stretch starts
  TLineCounter fLines;
  bool fDone = true;
  std::atomic<bool> fClassifyWanted{false};
};

} // namespace textcore
