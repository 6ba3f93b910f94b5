// The keyness scores of a word between a text and a reference corpus: log-likelihood, log ratio
// and percentage difference. Arithmetic faults raise textcore::EMathError kinds.
#pragma once

#include "stats/keyness_types.h"

#include <cstdint>

namespace unidisplay {

// Log-likelihood of a word seen a times in a text of c running words and b times in a reference
// corpus of d running words. A count or size <= 0 is replaced by the double guard, so the score is
// defined (and >= 0 apart from rounding) for every input.
float Log_Likelihood_Lancaster(int32_t a, int32_t b, int32_t c, int32_t d);

// log2 of the ratio of the two relative frequencies f[i] / totals[i]. A relative frequency of 0,
// or a size <= 0, is replaced by the single guard; a negative frequency is an error.
float Log_Ratio(two_KWlongints_type f, two_KWlongints_type totals);

// How far the text's relative frequency lies above the reference corpus's, in percent. A
// reference frequency of 0 divides by zero and raises.
float PercentDiff(two_KWlongints_type f, two_KWlongints_type running_words);

} // namespace unidisplay
