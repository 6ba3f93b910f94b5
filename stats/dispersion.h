// How evenly a word is spread over the parts of a text (or the texts of a corpus), from its
// frequency in each part.
#pragma once

#include <cstdint>
#include <vector>

namespace unidisplay {

// 1 - (s / m) / sqrt(k) for the k values with mean m and sample standard deviation s: 1 for
// values spread evenly, 0 for values all in one part. Two values or fewer, or a mean of 0, give 0.
// A NaN or infinite value is an error (textcore::EInvalidOp); every finite value is scored.
double DispersionValue(const std::vector<double> &values);

// The same score for counts, rounded to a Single.
float DispersionValue(const std::vector<int32_t> &values);

} // namespace unidisplay
