#include "stats/keyword_entry.h"

#include "platform/exceptions.h"
#include "stats/keyness_scores.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace unidisplay {
namespace {

constexpr int32_t int_min = std::numeric_limits<int32_t>::min();
constexpr int32_t int_max = std::numeric_limits<int32_t>::max();

struct EntryCase {
  two_KWlongints_type f, running_words;
  two_KWlongints_type stored_f;
  double LL, LL_tolerance;
  double LogRatio, LogRatio_tolerance;
  bool negative_score;
  float unused_chi_sq;
};

TEST(KeywordEntry, KWStatsCalculatedScoresAndSignsEachWord) {
  const EntryCase cases[] = {
      // A word five times as frequent in the text as in the reference corpus.
      {{50, 100}, {10000, 1000000}, {50, 100}, 272.548, 5e-4, 5.64386, 5e-6, false, 0},
      // Rarer than its expected 91: the score is negated.
      {{1, 1000}, {10000, 100000}, {1, 1000}, -179.600, 5e-4, -6.64386, 5e-6, true, 0},
      // Absent from the reference corpus: the guards keep both scores finite.
      {{10, 0}, {1000, 100000}, {10, 0}, 92.302, 5e-4, 142.356, 5e-4, false, 0},
      {{0, 50}, {10000, 100000}, {0, 50}, -9.531, 5e-4, -138.034, 5e-4, true, 0},
      {{0, 0}, {10000, 100000}, {0, 0}, 0, 0, 0, 0, false, 0},
      // Exactly as frequent as expected counts as positive.
      {{5, 5}, {1000, 1000}, {5, 5}, 0, 1e-6, 0, 0, false, 0},
      // Negative frequencies are stored as magnitudes; the log ratio of one fails, and the
      // entry carries the fallback scores.
      {{-10, 0}, {1000, 100000}, {10, 0}, 1, 0, 1, 0, false, 1},
      {{-10, -20}, {1000, 100000}, {10, 20}, 1, 0, 1, 0, false, 1},
      {{int_min, 3}, {1000, 100000}, {int_max, 3}, 1, 0, 1, 0, false, 1},
      // No running words at all: the expected frequency is 0 / 0.
      {{3, 4}, {0, 0}, {3, 4}, 1, 0, 1, 0, false, 1},
  };
  for (const EntryCase &c : cases) {
    SCOPED_TRACE(::testing::Message() << "f " << c.f[0] << "," << c.f[1] << " words "
                                      << c.running_words[0] << "," << c.running_words[1]);
    const TKeyword_entry_rec entry = KWStatsCalculated(c.f, c.running_words);
    EXPECT_EQ(entry.f, c.stored_f);
    EXPECT_NEAR(entry.LL, c.LL, c.LL_tolerance);
    EXPECT_NEAR(entry.LogRatio, c.LogRatio, c.LogRatio_tolerance);
    EXPECT_EQ(entry.negative_score, c.negative_score);
    EXPECT_EQ(entry.unused_chi_sq, c.unused_chi_sq);
    EXPECT_EQ(entry.unused_Percentdiff, 0);
    EXPECT_EQ(entry.n_texts, 0);
  }
}

TEST(KeywordEntry, KWStatsCalculatedHandsOverAnEmptyLemmaListAndEmptyTexts) {
  for (two_KWlongints_type f : {two_KWlongints_type{50, 100}, two_KWlongints_type{-1, 0}}) {
    TKeyword_entry_rec entry = KWStatsCalculated(f, {10000, 1000000});
    ASSERT_NE(entry.lemma_words, nullptr);
    EXPECT_EQ(entry.lemma_words->Count(), 0);
    for (const void *text : {entry.w, entry.prefix, entry.suffix}) {
      ASSERT_NE(text, nullptr);
      EXPECT_EQ(*static_cast<const char16_t *>(text), u'\0');
    }
    EXPECT_EQ(entry.spareBs, (std::array<uint8_t, 3>{}));
    EXPECT_EQ(entry.spare, (std::array<uint8_t, 12>{}));
    entry.lemma_words->Add(u"walked");
    // Each entry has a list of its own.
    EXPECT_EQ(KWStatsCalculated(f, {10000, 1000000}).lemma_words->Count(), 0);
  }
}

TEST(KeywordEntry, PercentDiffComparesRelativeFrequencies) {
  struct Case {
    two_KWlongints_type f, running_words;
    double expected, tolerance;
  } const cases[] = {
      {{50, 100}, {10000, 1000000}, 4900, 0.01},
      {{1, 1000}, {10000, 100000}, -99, 1e-4},
      {{7, 7}, {500, 500}, 0, 0},
      // A zero frequency in the text is kept as 0, not guarded.
      {{0, 10}, {500, 500}, -100, 0},
  };
  for (const Case &c : cases)
    EXPECT_NEAR(PercentDiff(c.f, c.running_words), c.expected, c.tolerance)
        << c.f[0] << "," << c.f[1];
}

TEST(KeywordEntry, PercentDiffRaisesWhereItsArithmeticFails) {
  EXPECT_THROW(PercentDiff({10, 0}, {1000, 1000}), textcore::EZeroDivide);
  EXPECT_THROW(PercentDiff({0, 0}, {1000, 1000}), textcore::EInvalidOp);
  // No reference size: the guard is the divisor, and the percentage leaves the Single range.
  EXPECT_THROW(PercentDiff({1, 5}, {1, 0}), textcore::EOverflow);
}

TEST(KeywordEntry, LogRatioGuardsZerosAndRefusesNegativeFrequencies) {
  EXPECT_NEAR(Log_Ratio({10, 0}, {1000, 100000}), std::log2(0.01f) + 149, 1e-4);
  // Without a size the frequency is not looked at: both sides are the guard.
  EXPECT_EQ(Log_Ratio({-10, 5}, {0, 0}), 0);
  EXPECT_THROW(Log_Ratio({-10, 0}, {1000, 1000}), textcore::EInvalidOp);
  EXPECT_THROW(Log_Ratio({10, -20}, {1000, 1000}), textcore::EInvalidOp);
  EXPECT_THROW(Log_Ratio({-10, -20}, {1000, 1000}), textcore::EInvalidOp);
}

// The log-likelihood in another algebraic form, in long double:
// 2 (a ln a + b ln b - (a+b) ln(a+b) + (a+b) ln(c+d) - a ln c - b ln d).
double ReferenceLogLikelihood(long double a, long double b, long double c, long double d) {
  auto xlnx = [](long double x) { return x == 0 ? 0.0L : x * std::log(x); };
  return static_cast<double>(2 * (xlnx(a) + xlnx(b) - xlnx(a + b) + (a + b) * std::log(c + d) -
                                  a * std::log(c) - b * std::log(d)));
}

TEST(KeywordEntry, LogLikelihoodAgreesWithAnIndependentFormula) {
  const int32_t cases[][4] = {
      {50, 100, 10000, 1000000},
      {1, 1000, 10000, 100000},
      {10, 0, 1000, 100000},
      {0, 50, 10000, 100000},
      {1, 1, 2, 3},
      {123456, 7, 900000, 1000000},
      {999, 1000, 100000, 100000},
      {3, 12, 5000, 20000},
      {1, 0, 1, 1},
      {40000, 40000, 1000000, 80000000},
      {2000000000, 1, int_max, int_max},
      {7, 2000000000, 100, int_max},
  };
  for (const auto &c : cases) {
    const double expected = ReferenceLogLikelihood(c[0], c[1], c[2], c[3]);
    EXPECT_NEAR(Log_Likelihood_Lancaster(c[0], c[1], c[2], c[3]), expected,
                1e-6 * std::fabs(expected) + 1e-5)
        << c[0] << " " << c[1] << " " << c[2] << " " << c[3];
  }
}

TEST(KeywordEntry, LogLikelihoodStaysFiniteAndNonNegativeForEveryExtreme) {
  const int32_t values[] = {int_min, -1, 0, 1, 2, 1000, int_max};
  for (int32_t a : values)
    for (int32_t b : values)
      for (int32_t c : values)
        for (int32_t d : values) {
          const float LL = Log_Likelihood_Lancaster(a, b, c, d);
          ASSERT_TRUE(std::isfinite(LL)) << a << " " << b << " " << c << " " << d;
          ASSERT_GE(LL, -1e-3f * (1 + std::fabs(LL))) << a << " " << b << " " << c << " " << d;
        }
}

} // namespace
} // namespace unidisplay
