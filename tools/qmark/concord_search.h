// Searching a window of a text for the words of a qmark concord run with the search-and-do
// engine.
//
// The class array is the window's (search/text_window.h): the locale's classes, middle characters
// joining words only between word characters, so that "don't" and "well-known" are one word each
// while a hyphen at a word's end stays punctuation, and with markup the markup bit on every
// character from an opening character of a markup pair ("<" by default) to the next closing one:
// no hit starts there and the engine passes over it inside a hit.
#pragma once

#include "files/text_windows.h"
#include "platform/strings.h"
#include "search/text_window.h"
#include "tools/qmark/concord_words.h"

#include <cstdint>
#include <vector>

namespace qmark {

struct ConcordHit {
  int32_t position = 0; // index of the window's units
  int32_t length = 0;   // characters of the hit, markup inside it included
  int32_t word = 0;     // index into ConcordWords::Sought()
};

class ConcordSearch {
public:
  // longest_hit: the matcher's longest hit, which also bounds how far back a hit reaches to the
  // start of its word.
  ConcordSearch(const ConcordWords &words, textcore::LCID lcid, int32_t longest_hit,
                const textcore::String &middles, int32_t reach);

  // Once the words are parsed: with plain allowed (no markup, no sort by the words around a hit)
  // and every word a plain whole word, the search classifies the text itself, and only around
  // the places where a word could stand unless they are many; the windows need not be classified.
  void Prepare(bool plain_allowed);
  bool ClassifiesItself() const { return fPlain; }
  // A window came without classes and needed them all: later windows had better bring them.
  bool WantsClassifiedWindows() const { return fWantsClassified; }

  // Every hit of the words that starts in the window's stretch, in order of position (then
  // length). A hit of a word that need not start at a word's start is its whole word, as the
  // matcher makes the hit of a word that need not end at a word's end. Hits on the same stretch of
  // text are one, credited to the first word that found it; the result is how many were merged
  // that way. Hits that an exclusion word also finds (same place, same length) are left out.
  int64_t Run(const textcore::String &file_name, const textcore::TTextWindow &window,
              const textcore::TTextWindowSpan &span, std::vector<ConcordHit> &hits);

private:
  void WholeWords(const std::vector<textcore::TSearch_word_format_rec *> &words,
                  const uint16_t *classes, std::vector<ConcordHit> &hits) const;
  void RunWords(const textcore::String &file_name, const textcore::TTextWindow &window,
                const textcore::TTextWindowSpan &span, const uint16_t *classes,
                const std::vector<textcore::TSearch_word_format_rec *> &words,
                std::vector<ConcordHit> &hits);
  // Plain words: true, with the hits, when the places they could stand are few; else false.
  bool RunAtCandidates(const textcore::String &file_name, const textcore::TTextWindow &window,
                       const textcore::TTextWindowSpan &span,
                       const std::vector<textcore::TSearch_word_format_rec *> &words,
                       std::vector<ConcordHit> &hits);
  // The classes of a window that came without them, as the window would have made them.
  const uint16_t *ClassesOf(const textcore::TTextWindow &window);

  const ConcordWords &fWords;
  textcore::LCID fLCID;
  int32_t fLongestHit;
  textcore::String fMiddles;
  int32_t fReach;
  bool fPlain = false;
  bool fWantsClassified = false;
  std::vector<ConcordHit> fExcludedHits;
  std::vector<uint16_t> fClasses;                     // a window's, made here
  std::vector<uint16_t> fPatch;                       // around one candidate
  std::vector<size_t> fCandidates;                    // of one word
  const textcore::TTextWindow *fClassified = nullptr; // whose classes fClasses holds
};

} // namespace qmark
