// Dice and overlap coefficients of two short sequences of word numbers (the words of two clusters
// or phrases), where a word may occur more than once.
#pragma once

#include <cstdint>
#include <vector>

namespace unidisplay {

// 2 m / (|x| + |y|), where m is how many elements can be paired off with an equal element of the
// other sequence, each element used at most once; 0 when either is empty.
float Dice_Coefficient(const std::vector<uint32_t> &x, const std::vector<uint32_t> &y);

// The longest run of consecutive elements of x found again in y, over the shorter length; 0 when
// either is empty. Each element of x that is still unused starts a run at the first unused equal
// element of y only; the elements a run covers are used up.
float Overlap_Coefficient(const std::vector<uint32_t> &x, const std::vector<uint32_t> &y);

} // namespace unidisplay
