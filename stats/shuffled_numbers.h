// A shuffled permutation of 0 ... n - 1, for taking items in random order.
#pragma once

#include "platform/object.h"

#include <cstdint>
#include <random>
#include <vector>

namespace unidisplay {

// Each object draws from its own generator, so that shuffles made anywhere else in the program
// (on other threads too) neither disturb nor are disturbed by it. Every permutation of 0 ... n - 1
// is equally likely.
class TShuffledNumbers : public textcore::TObject {
public:
  // Seeds the generator from the clock and shuffles n numbers (none when n <= 0).
  explicit TShuffledNumbers(int32_t n);
  // Seeds it with seed instead, so that the shuffle can be repeated.
  TShuffledNumbers(int32_t n, uint64_t seed);

  // Starts again from 0, 1, ... n - 1 in order and shuffles it, drawing on from the generator
  // without reseeding. Calls the yield hook once per number.
  void ComputeShuffledNonRepeatedNumbers();

  // The number at index, 0 ... n - 1; any other index raises textcore::EListError.
  int32_t GetANumber(int32_t index) const;

  int32_t UpperLimit() const { return fUpperLimit; }

private:
  uint64_t Below(uint64_t bound);

  int32_t fUpperLimit;
  std::vector<int32_t> fNumbers;
  std::mt19937_64 fGenerator;
};

} // namespace unidisplay
