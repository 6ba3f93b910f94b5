// How strongly two words are associated, from how often each occurs (f1, the node, and f2, the
// collocate), how often they occur together (joint) and the corpus size in running words (n).
//
// Arithmetic faults raise textcore::EMathError kinds (see stats/guarded_arithmetic.h). The
// measures are meant for pairs seen together at least once in a corpus larger than either word's
// frequency; outside that the logarithmic measures meet ln 0, and T and Z divide by (nearly) 0.
#pragma once

#include <cstdint>

namespace unidisplay {

// 2 joint / (a + b); 0 when a + b = 0.
float Dice_Coefficient(int32_t joint, int32_t a, int32_t b);

// joint / min(a, b); 0 when the smaller is 0.
float Overlap_Coefficient(int32_t joint, int32_t a, int32_t b);

// log2 of the observed joint frequency over the expected one, in double precision. joint = 0
// (ln 0) and f1, f2 or n = 0 (division by zero) raise.
float SpecificMutualInformation(int32_t f1, int32_t f2, int32_t joint, int32_t n);

// The same quantity in single precision: the observed over expected ratio is rounded to a Single
// before its logarithm is taken.
float MI_Durrant(int32_t f1, int32_t f2, int32_t joint, int32_t n);

// log2(joint^3 n / (f1 f2)) over the pair's contingency table, whose empty cells hold the double
// guard; joint = 0 cubes the guard to 0 and raises.
float MI3(int32_t f1, int32_t f2, int32_t joint, int32_t n);

// log2(joint n / (f1 f2)) over the contingency table in single-precision steps; joint = 0 raises.
float MI_Oakes171(int32_t f1, int32_t f2, int32_t joint, int32_t n);

// (joint - f1 f2 / n) / sqrt(joint). joint = 0 with f1 f2 > 0 divides by the square root of the
// guard and overflows the Single range.
float T_Score(int32_t f1, int32_t f2, int32_t joint, int32_t n);

// (joint - E) / sqrt(E (1 - p)) with p = f2 / (n - f1) the collocate's chance at one position and
// E = f1 p span the expected joint count over a window of span words. n = f1, f2 >= n - f1, and
// f2 = 0 with joint > 0 raise.
float Z_Score(int32_t f1, int32_t f2, int32_t joint, int32_t n, int32_t span);

} // namespace unidisplay
