#include "stats/same_corpus_log_likelihood.h"

#include "platform/exceptions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace unidisplay {
namespace {

constexpr int32_t int_max = std::numeric_limits<int32_t>::max();

TEST(SameCorpusLogLikelihood, TheThreeFormsAgreeOnAWorkedTable) {
  EXPECT_NEAR(Log_Likelihood_SameCorpus_Dunning(100, 200, 20, 100000), 150.858, 5e-4);
  EXPECT_NEAR(Log_likelihood_from_Java(100, 200, 20, 100000), 150.858, 5e-4);
  EXPECT_NEAR(LogLikelihoodRatio({{{20, 80}, {180, 99720}}}), 150.858486, 1e-6);
  EXPECT_NEAR(Log_Likelihood_SameCorpus_Everts(100, 200, 20, 100000, 10), 58.448, 5e-4);
}

TEST(SameCorpusLogLikelihood, OnlyTheJavaFormClampsATableAtItsExpectedCount) {
  // Observed joint count 3 equals its expected 300 * 1000 / 100000.
  const float dunning = Log_Likelihood_SameCorpus_Dunning(300, 1000, 3, 100000);
  EXPECT_NEAR(dunning, 0, 1e-6);
  const float java = Log_likelihood_from_Java(300, 1000, 3, 100000);
  EXPECT_GE(java, 0);
  EXPECT_EQ(java, dunning < 0 ? 0 : dunning);
}

TEST(SameCorpusLogLikelihood, XLnXIsZeroAtZeroAndOneAndRefusesNegatives) {
  EXPECT_EQ(XLnX(0), 0);
  EXPECT_EQ(XLnX(1), 0);
  EXPECT_NEAR(XLnX(std::exp(1.0)), std::exp(1.0), 1e-15);
  EXPECT_THROW(XLnX(-1), textcore::EInvalidOp);
  EXPECT_THROW(XLnX(std::numeric_limits<double>::quiet_NaN()), textcore::EInvalidOp);
}

TEST(SameCorpusLogLikelihood, ImpossibleTablesRaise) {
  const struct {
    const char *what;
    std::function<void()> call;
  } cases[] = {
      {"joint above f1", [] { Log_Likelihood_SameCorpus_Dunning(10, 200, 20, 1000); }},
      {"joint above f2", [] { Log_likelihood_from_Java(100, 10, 20, 1000); }},
      {"f1 + f2 - joint above n", [] { Log_Likelihood_SameCorpus_Dunning(600, 600, 5, 1000); }},
      {"f1 above n", [] { Log_likelihood_from_Java(2000, 10, 5, 1000); }},
  };
  for (const auto &c : cases)
    EXPECT_THROW(c.call(), textcore::EInvalidOp) << c.what;
}

TEST(SameCorpusLogLikelihood, LogLikelihoodRatioSkipsEmptyAndNegativeCellsButNotAnEmptyTable) {
  EXPECT_NEAR(LogLikelihoodRatio({{{0, 50}, {50, 0}}}), 2 * 100 * std::log(2.0), 1e-12);
  EXPECT_TRUE(std::isfinite(LogLikelihoodRatio({{{-5, 50}, {60, 1000}}})));
  EXPECT_THROW(LogLikelihoodRatio({{{0, 0}, {0, 0}}}), textcore::EInvalidOp);
  EXPECT_THROW(LogLikelihoodRatio({{{5, -5}, {0, 0}}}), textcore::EZeroDivide);
  EXPECT_THROW(LogLikelihoodRatio({{{1e308, 1e308}, {1e308, 1}}}), textcore::EOverflow);
}

TEST(SameCorpusLogLikelihood, CountsNearTheIntegerLimitDoNotWrap) {
  // f1 x span is beyond the Integer range; wrapped, that cell would turn negative and be skipped.
  const double k21 = 300000.0 * 10000 - 20;
  const double expected = LogLikelihoodRatio({{{20, 180}, {k21, int_max - 300000.0 - 200 + 20}}});
  EXPECT_NEAR(Log_Likelihood_SameCorpus_Everts(300000, 200, 20, int_max, 10000), expected,
              1e-6 * std::fabs(expected));
  // Tables at the top of the Integer range.
  EXPECT_NEAR(Log_Likelihood_SameCorpus_Dunning(int_max, int_max, int_max, int_max), 0, 1e-6);
  EXPECT_NEAR(Log_likelihood_from_Java(2000000000, 2000000000, 1950000000, int_max),
              Log_Likelihood_SameCorpus_Dunning(2000000000, 2000000000, 1950000000, int_max), 1e-3);
}

} // namespace
} // namespace unidisplay
