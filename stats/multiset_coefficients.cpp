// The multiset Dice and overlap coefficients of two sequences of word numbers.
#include "stats/multiset_coefficients.h"

#include <algorithm>
#include <cstddef>

namespace unidisplay {
namespace {

// The size of the multiset intersection. Pairing each x[i] with the first unused equal y[j]
// matches exactly min(count in x, count in y) of every value, so counting over sorted copies
// gives the same number in n log n rather than n^2.
std::size_t MatchedElements(std::vector<uint32_t> x, std::vector<uint32_t> y) {
  std::sort(x.begin(), x.end());
  std::sort(y.begin(), y.end());
  std::size_t matches = 0;
  auto i = x.begin(), j = y.begin();
  while (i != x.end() && j != y.end()) {
    if (*i < *j) {
      ++i;
    } else if (*j < *i) {
      ++j;
    } else {
      ++matches, ++i, ++j;
    }
  }
  return matches;
}

// The first unused element of y equal to value, or y's size when there is none.
std::size_t FirstFreeMatch(const std::vector<uint32_t> &y, const std::vector<bool> &used,
                           uint32_t value) {
  for (std::size_t j = 0; j < y.size(); ++j)
    if (!used[j] && y[j] == value)
      return j;
  return y.size();
}

// The run of equal elements from x[i] and y[j] on; every element it covers is marked used, even
// one already used by an earlier run, as the runs have always been counted.
std::size_t RunFrom(const std::vector<uint32_t> &x, const std::vector<uint32_t> &y, std::size_t i,
                    std::size_t j, std::vector<bool> &x_used, std::vector<bool> &y_used) {
  std::size_t run = 1;
  for (std::size_t k = 1; i + k < x.size() && j + k < y.size() && x[i + k] == y[j + k]; ++k) {
    ++run;
    x_used[i + k] = true;
    y_used[j + k] = true;
  }
  x_used[i] = true;
  y_used[j] = true;
  return run;
}

} // namespace

float Dice_Coefficient(const std::vector<uint32_t> &x, const std::vector<uint32_t> &y) {
  if (x.empty() || y.empty())
    return 0;
  const double matches = static_cast<double>(MatchedElements(x, y));
  return static_cast<float>(2 * matches / (double(x.size()) + double(y.size())));
}

float Overlap_Coefficient(const std::vector<uint32_t> &x, const std::vector<uint32_t> &y) {
  if (x.empty() || y.empty())
    return 0;
  std::vector<bool> x_used(x.size()), y_used(y.size());
  std::size_t longest = 0;
  for (std::size_t i = 0; i < x.size(); ++i) {
    if (x_used[i])
      continue;
    const std::size_t j = FirstFreeMatch(y, y_used, x[i]);
    if (j < y.size())
      longest = std::max(longest, RunFrom(x, y, i, j, x_used, y_used));
  }
  return static_cast<float>(double(longest) / double(std::min(x.size(), y.size())));
}

} // namespace unidisplay
