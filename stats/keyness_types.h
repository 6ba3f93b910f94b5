// The small types that name a key word's frequencies, the keyness statistics and the orders of a
// key-word list.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

namespace unidisplay {

static_assert(std::endian::native == std::endian::little,
              "the key-word settings hold these pairs as little-endian integers");

// Which side of a comparison a value belongs to: the text being studied or the reference corpus.
enum kw_fnames_order : uint8_t { little_text, reference_corpus };

// A pair of Integers indexed by kw_fnames_order: a word's two frequencies, or the two sizes in
// running words. Saved settings hold it as two little-endian 32-bit values.
using two_KWlongints_type = std::array<int32_t, 2>;
static_assert(sizeof(two_KWlongints_type) == 8);

// The keyness statistics a key-word list can be scored by.
enum keyness_procedure_type : uint8_t {
  chi_square_proc,
  log_likelihood_proc,
  log_ratio_proc,
  percent_diff_proc
};

// The orders in which a key-word list can be shown; the tools do the sorting.
enum keyword_sort_system : uint8_t {
  keywords_alphabetical,
  keywords_case_sensitive,
  keywords_reverse_alphabetical,
  keywords_word_length,
  keywords_freq_current_text,
  keywords_freq_reference_corpus,
  keywords_log_likelihood,
  keywords_absolute_keyness,
  keywords_log_ratio,
  keywords_prefix,
  keywords_suffix,
  keywords_nTexts,
  keywords_category,
  keywords_lemmas,
  keywords_customsort
};

// Exchanges the two values of the pair in place.
void SwapAround(two_KWlongints_type &pair);

} // namespace unidisplay
