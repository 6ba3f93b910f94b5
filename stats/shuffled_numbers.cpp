// TShuffledNumbers: a Fisher-Yates shuffle over a generator owned by each object.
#include "stats/shuffled_numbers.h"

#include "core/yield.h"
#include "platform/exceptions.h"

#include <atomic>
#include <chrono>
#include <numeric>
#include <utility>

namespace unidisplay {
namespace {

// The clock, with a count of the seeds taken so that two objects made within one tick of a coarse
// clock still shuffle differently.
uint64_t ClockSeed() {
  static std::atomic<uint64_t> seeds_taken{0};
  const uint64_t ticks =
      static_cast<uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
  return ticks ^ (seeds_taken.fetch_add(1) * 0x9E3779B97F4A7C15u);
}

} // namespace

TShuffledNumbers::TShuffledNumbers(int32_t n) : TShuffledNumbers(n, ClockSeed()) {}

TShuffledNumbers::TShuffledNumbers(int32_t n, uint64_t seed)
    : fUpperLimit(n < 0 ? 0 : n), fGenerator(seed) {
  ComputeShuffledNonRepeatedNumbers();
}

// Uniform in 0 ... bound - 1 for bound >= 1, by rejecting the draws that would favour the low
// values; done here rather than by std::uniform_int_distribution so that a seed gives the same
// permutation with every standard library.
uint64_t TShuffledNumbers::Below(uint64_t bound) {
  const uint64_t rejected = (0 - bound) % bound; // 2^64 mod bound
  uint64_t r;
  do
    r = fGenerator();
  while (r < rejected);
  return r % bound;
}

void TShuffledNumbers::ComputeShuffledNonRepeatedNumbers() {
  fNumbers.assign(static_cast<size_t>(fUpperLimit), 0);
  std::iota(fNumbers.begin(), fNumbers.end(), 0);
  for (int32_t i = fUpperLimit - 1; i >= 0; --i) {
    textcore::MyYieldProcess();
    if (i > 0)
      std::swap(fNumbers[i], fNumbers[Below(static_cast<uint64_t>(i) + 1)]);
  }
}

int32_t TShuffledNumbers::GetANumber(int32_t index) const {
  if (index < 0 || index >= fUpperLimit)
    throw textcore::EListError(u"List index out of bounds (" + textcore::IntToStr(index) + u")");
  return fNumbers[index];
}

} // namespace unidisplay
