#include "stats/shuffled_numbers.h"

#include "core/yield.h"
#include "platform/exceptions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>
#include <vector>

namespace unidisplay {
namespace {

std::vector<int32_t> NumbersOf(const TShuffledNumbers &s) {
  std::vector<int32_t> out;
  for (int32_t i = 0; i < s.UpperLimit(); ++i)
    out.push_back(s.GetANumber(i));
  return out;
}

bool IsPermutation(std::vector<int32_t> v) {
  std::vector<int32_t> identity(v.size());
  std::iota(identity.begin(), identity.end(), 0);
  std::sort(v.begin(), v.end());
  return v == identity;
}

TEST(ShuffledNumbers, GivesAPermutationYieldsOncePerNumberAndChecksIndexes) {
  int yields = 0;
  textcore::AYieldProcessProc() = [&yields] { ++yields; };
  for (int32_t n : {0, 1, 2, 5, 1000}) {
    yields = 0;
    TShuffledNumbers s(n);
    EXPECT_EQ(s.UpperLimit(), n);
    EXPECT_TRUE(IsPermutation(NumbersOf(s))) << n;
    EXPECT_EQ(yields, n);
  }
  textcore::AYieldProcessProc() = nullptr;
  EXPECT_EQ(TShuffledNumbers(-3).UpperLimit(), 0);
  TShuffledNumbers s(5);
  EXPECT_THROW(s.GetANumber(5), textcore::EListError);
  EXPECT_THROW(s.GetANumber(-1), textcore::EListError);
}

TEST(ShuffledNumbers, ASeedRepeatsAShuffleAndAReshuffleDrawsOn) {
  TShuffledNumbers a(50, 42), b(50, 42);
  const std::vector<int32_t> first = NumbersOf(a);
  EXPECT_EQ(first, NumbersOf(b));
  a.ComputeShuffledNonRepeatedNumbers();
  EXPECT_NE(NumbersOf(a), first);
  EXPECT_TRUE(IsPermutation(NumbersOf(a)));
}

TEST(ShuffledNumbers, EveryOrderOfThreeOccurs) {
  // A shuffle that never drew the last place, or always swapped two numbers, would miss some.
  std::set<std::vector<int32_t>> seen2, seen3;
  for (uint64_t seed = 0; seed < 200; ++seed) {
    seen2.insert(NumbersOf(TShuffledNumbers(2, seed)));
    seen3.insert(NumbersOf(TShuffledNumbers(3, seed)));
  }
  EXPECT_EQ(seen2.size(), 2u);
  EXPECT_EQ(seen3.size(), 6u);
}

} // namespace
} // namespace unidisplay
