// The small types that name a key word's frequencies, the keyness statistics and the orders of a
// key-word list. The first three are textcore's, since the tools' saved settings hold them.
#pragma once

#include "definitions/keyness_settings_types.h"

#include <cstdint>

namespace unidisplay {

// The settings' types, under the names the statistics have always used.
using textcore::kw_fnames_order;
using enum textcore::kw_fnames_order;
using textcore::keyness_procedure_type;
using textcore::two_KWlongints_type;
using enum textcore::keyness_procedure_type;

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
