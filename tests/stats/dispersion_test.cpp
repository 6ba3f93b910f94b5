#include "stats/dispersion.h"

#include "platform/exceptions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace unidisplay {
namespace {

TEST(Dispersion, EvenSpreadScoresOneAndConcentrationZero) {
  const struct {
    const char *what;
    std::vector<double> values;
    double expected;
  } cases[] = {
      {"even", {5, 5, 5, 5}, 1},
      {"all in one part", {10, 0, 0, 0}, 0},
      {"all in one of eight parts", {0, 0, 0, 0, 0, 0, 0, 24}, 0},
      {"two values", {3, 9}, 0},
      {"one value", {3}, 0},
      {"none", {}, 0},
      {"all zero", {0, 0, 0}, 0},
      // mean 3, sample standard deviation 1.
      {"near even", {2, 3, 4}, 1 - (1.0 / 3) / std::sqrt(3.0)},
      // Squares of these leave the double range; the score depends only on their ratios.
      {"huge and even", {1e300, 1e300, 1e300}, 1},
      {"huge and concentrated", {0, 0, 0, 1.7e308}, 0},
  };
  for (const auto &c : cases)
    EXPECT_NEAR(DispersionValue(c.values), c.expected, 1e-12) << c.what;
}

TEST(Dispersion, CountsAgreeWithTheirDoublesAndUndefinedValuesRaise) {
  EXPECT_EQ(DispersionValue(std::vector<int32_t>{2, 3, 4}),
            static_cast<float>(DispersionValue(std::vector<double>{2, 3, 4})));
  EXPECT_EQ(DispersionValue(std::vector<int32_t>{10, 0, 0, 0}), 0.0f);
  constexpr double nan = std::numeric_limits<double>::quiet_NaN();
  constexpr double inf = std::numeric_limits<double>::infinity();
  EXPECT_THROW(DispersionValue(std::vector<double>{1, nan, 2}), textcore::EInvalidOp);
  EXPECT_THROW(DispersionValue(std::vector<double>{1, inf, 2}), textcore::EInvalidOp);
}

} // namespace
} // namespace unidisplay
