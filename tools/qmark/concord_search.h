// Searching one text for the words of a qmark concord run with the search-and-do engine.
//
// The class array is built here rather than by the engine: the engine measures a buffer it
// classifies itself up to its first NUL, and a text file may hold one; built here, the length is
// the text's. Middle characters join words only between word characters
// (HandleMiddleChars with may_end_word and may_start_word false), so "don't" and "well-known"
// are one word each while a hyphen at a word's end stays punctuation. With markup, every character
// from an opening character of a markup pair ("<" by default) to the next closing one carries the
// markup bit: no hit starts there and the engine passes over it inside a hit.
#pragma once

#include "platform/nls_locale_ids.h"
#include "platform/strings.h"
#include "tools/qmark/concord_words.h"

#include <cstdint>
#include <vector>

namespace qmark {

// The longest hit, in characters: the matcher's cap.
constexpr int32_t kMaxHitCharacters = 0xFFFF;

struct ConcordHit {
  int32_t position = 0; // characters (UTF-16 units) from the start of the text
  int32_t length = 0;   // characters of the hit, markup inside it included
  int32_t word = 0;     // index into ConcordWords::Sought()
};

class ConcordSearch {
public:
  ConcordSearch(const ConcordWords &words, textcore::LCID lcid, const textcore::String &middles,
                bool markup, const textcore::TIgnore_tag_type &pairs);

  // Every hit of the words in text, in order of position (then length). A hit of a word that
  // need not start at a word's start is its whole word, as the matcher makes the hit of a word
  // that need not end at a word's end. Hits on the same stretch of text are one, credited to the
  // first word that found it; the result is how many were merged that way. Hits that an exclusion
  // word also finds (same place, same length) are left out. The class array stays valid, and
  // describes text, until the next call.
  int64_t Run(const textcore::String &file_name, const textcore::String &text,
              std::vector<ConcordHit> &hits);

  // One class word per character of the last text searched, and two more that are zero.
  const uint16_t *Classes() const { return fClasses.data(); }

private:
  void Classify(const textcore::String &text);
  void WholeWords(const std::vector<textcore::TSearch_word_format_rec *> &words,
                  std::vector<ConcordHit> &hits) const;
  void RunWords(const textcore::String &file_name, const textcore::String &text,
                const std::vector<textcore::TSearch_word_format_rec *> &words,
                std::vector<ConcordHit> &hits);

  const ConcordWords &fWords;
  textcore::LCID fLCID;
  textcore::String fMiddles;
  bool fMarkup;
  textcore::TIgnore_tag_type fPairs;
  std::vector<uint16_t> fClasses;
  std::vector<ConcordHit> fExcludedHits;
};

} // namespace qmark
