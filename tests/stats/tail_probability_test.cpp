#include "stats/tail_probability.h"

#include "core/yield.h"
#include "platform/exceptions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <stdexcept>

namespace unidisplay {
namespace {

TEST(TailProbability, LogGammaSumsLogarithmsOverIntegersAndHalfIntegers) {
  const struct {
    double x, expected, tolerance;
  } cases[] = {
      {1, 0, 0},
      {0.5, 0.57236494, 0},
      {1.5, -0.1207822, 1e-7},
      {5, std::log(24.0), 1e-12},
      {2, 0, 0},
      {10.5, std::lgamma(10.5), 1e-8}, // ln sqrt(pi) is carried to eight places only
      {171, std::lgamma(171.0), 1e-9},
      // Outside the integers and half-integers every argument still gets the sum.
      {-3, 0.57236494, 0},
      {1.25, std::log(0.25) + 0.57236494, 1e-15},
  };
  for (const auto &c : cases)
    EXPECT_NEAR(Log_Gamma(c.x), c.expected, c.tolerance) << c.x;
}

TEST(TailProbability, LogGammaOfHugeArgumentsEndsAndUndefinedOnesGiveZero) {
  // Counting down by ones from 1e300 would never end (y - 1 == y there).
  EXPECT_NEAR(Log_Gamma(1e300), std::lgamma(1e300), 1e-12 * std::lgamma(1e300));
  EXPECT_NEAR(Log_Gamma(1e12), std::lgamma(1e12), 1e-12 * std::lgamma(1e12));
  EXPECT_EQ(Log_Gamma(std::numeric_limits<double>::infinity()), 0);
  EXPECT_EQ(Log_Gamma(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(TailProbability, LogGammaKeepsItsRecurrenceWhereTheClosedFormTakesOver) {
  // Log_Gamma(x + 1) = Log_Gamma(x) + ln x holds for the sum by construction, with the count
  // on one side of the switch and the closed form on the other.
  for (double x : {16777215.25, 16777215.5, 16777216.0}) {
    const double below = Log_Gamma(x);
    EXPECT_NEAR(Log_Gamma(x + 1), below + std::log(x), 1e-9 * below) << x;
  }
}

// The chi-square upper tail with one degree of freedom, from the complementary error function.
double ChiSquareOneTail(float x) { return std::erfc(std::sqrt(std::fabs(double{x}) / 2)); }

TEST(TailProbability, UpperTailProbabilityAgreesWithTheChiSquareDistribution) {
  // ln sqrt(pi) taken to eight places makes the series' factor 2.9e-9 too large; nothing else
  // comes near that.
  const double tolerance = 3e-9;
  for (float score :
       {1.0f, 1.5f, 2.7055f, 3.84f, 5.0f, 6.63f, 8.0f, 10.83f, 15.13f, 20.0f, 28.5f, 35.0f}) {
    EXPECT_NEAR(UpperTailProbability(score), ChiSquareOneTail(score), tolerance) << score;
    EXPECT_EQ(UpperTailProbability(-score), UpperTailProbability(score)) << score;
  }
}

TEST(TailProbability, UpperTailProbabilityGivesTheUsualCriticalValuesAndItsEnds) {
  const struct {
    float x;
    double expected, tolerance;
  } cases[] = {
      {3.84f, 0.0500, 5e-5},
      {6.63f, 0.0100, 5e-5},
      {10.83f, 0.000999, 5e-7},
      {15.13f, 0.000100, 5e-7},
      {0.5f, 0.99, 0},
      {0.0f, 0.99, 0},
      {0.9999f, 0.99, 0},
      {35.0f, 3.7e-10, 0.1e-10}, // the series' last value
      {35.001f, 8e-10 / (1.001 * 1.001 * 1.001), 1e-14},
      {40.0f, 8e-10 / 216, 1e-20},
      {std::numeric_limits<float>::infinity(), 0, 0},
  };
  for (const auto &c : cases)
    EXPECT_NEAR(UpperTailProbability(c.x), c.expected, c.tolerance) << c.x;
}

TEST(TailProbability, UpperTailProbabilityFallsAcrossTheSeries) {
  double previous = 1;
  for (float score = 1; score <= 35; score += 0.25f) {
    const double p = UpperTailProbability(score);
    ASSERT_GT(p, 0) << score;
    ASSERT_LT(p, previous) << score;
    previous = p;
  }
}

// The series run to the end, until its term underflows.
double FullSeries(float x) {
  const double h = std::fabs(double{x}) / 2;
  const double e = std::exp(0.5 * std::log(h) - (std::log(0.5) + 0.57236494) - h);
  double term = 1, sum = 1, k = 0.5;
  do {
    k += 1;
    term = term * h / k;
    sum += term;
  } while (term / sum > 0);
  return 1 - sum * e;
}

TEST(TailProbability, UpperTailProbabilityEqualsTheSeriesRunToTheEnd) {
  for (float score = 1; score <= 35; score += 0.125f)
    ASSERT_EQ(UpperTailProbability(score), FullSeries(score)) << score;
  for (float score : {1.0000001f, 2.3456789f, 34.999996f})
    ASSERT_EQ(UpperTailProbability(score), FullSeries(score)) << score;
}

// Installs a yield hook for one test and puts the host's back afterwards.
class HookedYield {
public:
  explicit HookedYield(textcore::TYieldProcessProc hook) : fSaved(textcore::AYieldProcessProc()) {
    textcore::AYieldProcessProc() = std::move(hook);
  }
  ~HookedYield() { textcore::AYieldProcessProc() = fSaved; }

private:
  textcore::TYieldProcessProc fSaved;
};

TEST(TailProbability, TheIterativeScoresYieldOncePerRound) {
  int yields = 0;
  HookedYield hook([&yields] { ++yields; });
  const struct {
    std::function<double()> call;
    int min_yields, max_yields;
  } cases[] = {
      {[] { return Log_Gamma(5); }, 4, 4},
      {[] { return Log_Gamma(1); }, 0, 0},
      {[] { return UpperTailProbability(0.5f); }, 0, 0},
      {[] { return UpperTailProbability(40); }, 0, 0},
      {[] { return UpperTailProbability(3.84f); }, 10, 400},
  };
  for (const auto &c : cases) {
    yields = 0;
    c.call();
    EXPECT_GE(yields, c.min_yields);
    EXPECT_LE(yields, c.max_yields);
  }
}

TEST(TailProbability, AStopRaisedByTheYieldHookGivesNoWrongProbability) {
  HookedYield hook([] { throw std::runtime_error("stopped by the user"); });
  // Log_Gamma absorbs it as documented; the tail probability lets the caller see it rather than
  // finish its series from a broken log-gamma.
  EXPECT_EQ(Log_Gamma(5), 0);
  EXPECT_THROW(UpperTailProbability(3.84f), std::runtime_error);
  EXPECT_EQ(UpperTailProbability(0.5f), 0.99);
}

TEST(TailProbability, UpperTailProbabilityRefusesAnUndefinedScore) {
  EXPECT_THROW(UpperTailProbability(std::numeric_limits<float>::quiet_NaN()), textcore::EInvalidOp);
}

} // namespace
} // namespace unidisplay
