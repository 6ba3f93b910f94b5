// One entry of a key-word list, and KWStatsCalculated, which scores a word and makes its entry.
#pragma once

#include "definitions/streamable_string_list.h"
#include "stats/keyness_types.h"

#include <array>
#include <cstdint>
#include <memory>

namespace unidisplay {

// The lemma forms are textcore's streamable string list, whose stream form the saved key-word
// lists carry; the name stays reachable here for callers that spelt it unidisplay's.
using textcore::TMyStreamableStringlist;

// A key word with its scores. The entry owns its lemma forms; w, prefix and suffix point at text
// owned elsewhere (an entry fresh from KWStatsCalculated points them at one shared empty string).
struct TKeyword_entry_rec {
  two_KWlongints_type f{}; // frequencies in the text and the reference corpus, never negative
  float LL = 0;            // log-likelihood; negative where the word is rarer than expected
  int32_t n_texts = 0;     // texts in which the word is key, counted by the tools
  float unused_chi_sq = 0;
  float unused_Percentdiff = 0;
  float LogRatio = 0;
  bool negative_score = false; // LL was negated
  std::array<uint8_t, 3> spareBs{};
  std::array<uint8_t, 12> spare{};
  std::unique_ptr<textcore::TMyStreamableStringlist> lemma_words;
  const void *w = nullptr;
  const void *prefix = nullptr;
  const void *suffix = nullptr;
};

// The entry of the older list formats, scored by chi-square.
struct keyword_entry_rec_old {
  two_KWlongints_type f{};
  float x2 = 0;
  const void *w = nullptr;
};

// Scores a word with frequencies f in a text and a reference corpus of running_words each: LL by
// log-likelihood (negated, with negative_score set, where f[little_text] is below its expected
// value) and LogRatio. An arithmetic fault gives the fallback entry with LL, LogRatio and
// unused_chi_sq all 1.0; the entry's f and its new, empty lemma list are kept either way.
TKeyword_entry_rec KWStatsCalculated(two_KWlongints_type f, two_KWlongints_type running_words);

} // namespace unidisplay
