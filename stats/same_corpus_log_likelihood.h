// Log-likelihood of two words in one corpus, from the 2 x 2 table of their joint and separate
// occurrences, in the entropy forms the relationship measures use. Arithmetic faults raise
// textcore::EMathError kinds.
#pragma once

#include "stats/contingency_tables.h"

#include <cstdint>

namespace unidisplay {

// x ln x, with 0 for x = 0; a negative x is an error.
double XLnX(double x);

// Words seen f1 and f2 times, joint times together, in n running words. The table's cells
// (joint, f1 - joint, f2 - joint, n - f1 - f2 + joint) must not be negative.
float Log_Likelihood_SameCorpus_Dunning(int32_t f1, int32_t f2, int32_t joint, int32_t n);

// The same statistic, but 0 wherever rounding would make it negative.
float Log_likelihood_from_Java(int32_t f1, int32_t f2, int32_t joint, int32_t n);

// The statistic for a collocation window of span words: each occurrence of the first word offers
// span positions to the second.
float Log_Likelihood_SameCorpus_Everts(int32_t f1, int32_t f2, int32_t joint, int32_t n,
                                       int32_t span);

// The log-likelihood ratio of a 2 x 2 table of Doubles, not clamped; cells <= 0 add nothing.
// A table that sums to 0 is an error.
double LogLikelihoodRatio(const TMatrix2Vector2Doubles &k);

} // namespace unidisplay
