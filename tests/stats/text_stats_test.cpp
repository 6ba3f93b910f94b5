#include "stats/text_stats.h"

#include "platform/exceptions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace unidisplay {
namespace {

// The summary of a sample measured directly: mean and sample standard deviation (n - 1).
text_stats_rec Summary(const std::vector<double> &items) {
  text_stats_rec s;
  s.n = static_cast<int32_t>(items.size());
  if (items.empty())
    return s;
  double sum = 0;
  for (double x : items)
    sum += x;
  const double mean = sum / items.size();
  double squares = 0;
  for (double x : items)
    squares += (x - mean) * (x - mean);
  s.mean = static_cast<float>(mean);
  s.std_dev = items.size() > 1 ? static_cast<float>(std::sqrt(squares / (items.size() - 1))) : 0;
  return s;
}

std::vector<double> Joined(std::vector<double> a, const std::vector<double> &b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(TextStats, MergedTextStatsSummarisesBothSamplesTogether) {
  const std::vector<std::vector<double>> samples[] = {
      {{1, 2, 3, 4, 10}, {5, 5, 6}},
      {{4, 4, 4}, {4, 4, 4}},
      {{2.5, 7.25}, {100}},
      {{}, {3, 9, 12, 1}},
      {{3, 9, 12, 1}, {}},
      {{}, {}},
      {{8}, {2}},
      {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
  };
  for (const auto &pair : samples) {
    const text_stats_rec expected = Summary(Joined(pair[0], pair[1]));
    const text_stats_rec merged = MergedTextStats(Summary(pair[0]), Summary(pair[1]));
    EXPECT_EQ(merged.n, expected.n);
    EXPECT_NEAR(merged.mean, expected.mean, 1e-5 * (1 + std::fabs(expected.mean)));
    EXPECT_NEAR(merged.std_dev, expected.std_dev, 1e-5 * (1 + expected.std_dev));
  }
}

TEST(TextStats, MergedTextStatsOfSummariesAlone) {
  const text_stats_rec merged = MergedTextStats({10, 4, 3}, {30, 2, 4});
  EXPECT_EQ(merged.n, 40);
  EXPECT_EQ(merged.mean, 2.5f);
  EXPECT_NEAR(merged.std_dev, std::sqrt(575.0 / 39), 1e-6);
  // A running total that starts empty takes the first summary unchanged.
  const text_stats_rec first = MergedTextStats({}, {30, 2, 4});
  EXPECT_EQ(first.n, 30);
  EXPECT_EQ(first.mean, 2.0f);
  EXPECT_EQ(first.std_dev, 4.0f);
}

TEST(TextStats, MergedTextStatsRefusesImpossibleCounts) {
  constexpr int32_t int_max = std::numeric_limits<int32_t>::max();
  EXPECT_THROW(MergedTextStats({-1, 2, 1}, {3, 2, 1}), textcore::EInvalidOp);
  EXPECT_THROW(MergedTextStats({3, 2, 1}, {-1, 2, 1}), textcore::EInvalidOp);
  EXPECT_THROW(MergedTextStats({int_max, 2, 1}, {1, 2, 1}), textcore::EOverflow);
  EXPECT_EQ(MergedTextStats({int_max - 1, 2, 1}, {1, 2, 1}).n, int_max);
  EXPECT_THROW(MergedTextStats({2, 3e38f, 0}, {2, 3e38f, 0}), textcore::EOverflow);
}

} // namespace
} // namespace unidisplay
