#include "stats/association_measures.h"

#include "platform/exceptions.h"
#include "stats/relationship_computation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace unidisplay {
namespace {

using textcore::TMutualInfoStats;

struct Collocation {
  const char *name;
  int32_t f1, f2, joint, n;
  textcore::Tdouble_smallint_type horizons;
  // By statistic, from the textbook formulas in double precision: 2j / (f1 + f2),
  // log2(j n / (f1 f2)), log2(j^3 n / (f1 f2)), (j - E) / sqrt(E (1 - p)), G^2 = 2 sum O ln(O / E)
  // over the window-adjusted table, (j - f1 f2 / n) / sqrt(j), log2(f1 / f2).
  double expected[textcore::mutual_info_stats_count];
};

TEST(AssociationMeasures, RelationshipComputationAgreesWithTextbookFormulasOnRealCollocations) {
  const Collocation cases[] = {
      {"strong tea",
       21000,
       11000,
       350,
       10000000,
       {5, 5},
       {0.021875, 3.9213901653036336, 20.823812388968292, 7.793745705558689, 58.88773757016327,
        17.473539996234305, 0.932885804141463}},
      // f1 f2 = 1.8e13 and f1 x span = 3e7: products that would wrap in 32 bits.
      {"of the",
       3000000,
       6000000,
       700000,
       100000000,
       {5, 5},
       {0.15555555555555556, 1.959358015502654, 40.79334880849149, -875.888176470089,
        577301.738026714, 621.5188768538846, -1.0}},
      {"carry out",
       1200,
       9000,
       150,
       1000000,
       {4, 4},
       {0.029411764705882353, 3.795859283219775, 18.253496664211536, 6.857970959151668,
        40.269522794985164, 11.365632406513946, -2.9068905956085187}},
      {"rare pair",
       3,
       2,
       2,
       500000,
       {5, 5},
       {0.8, 17.346606068603016, 19.346606068603016, 182.56304875631605, 39.02127117437991,
        1.4142050770917207, 0.5849625007211562}},
  };
  for (const Collocation &c : cases) {
    for (int32_t s = 0; s < textcore::mutual_info_stats_count; ++s) {
      SCOPED_TRACE(::testing::Message() << c.name << ", statistic " << s);
      const float score = RelationshipComputation(static_cast<TMutualInfoStats>(s), c.joint, c.f1,
                                                  c.f2, c.n, c.horizons);
      EXPECT_NEAR(score, c.expected[s], 2e-6 * std::fabs(c.expected[s]) + 1e-6);
    }
    // The single-precision forms of MI agree with it to a Single's precision.
    const double mi = c.expected[textcore::MI_MI];
    EXPECT_NEAR(MI_Durrant(c.f1, c.f2, c.joint, c.n), mi, 1e-5 * std::fabs(mi)) << c.name;
    EXPECT_NEAR(MI_Oakes171(c.f1, c.f2, c.joint, c.n), mi, 1e-5 * std::fabs(mi)) << c.name;
  }
}

TEST(AssociationMeasures, WorkedValuesAndZeroCases) {
  const struct {
    const char *what;
    float got;
    double expected, tolerance;
  } cases[] = {
      {"Dice by dispatch", RelationshipComputation(textcore::MI_Dice, 10, 30, 20, 1000, {5, 5}),
       0.4, 1e-7},
      {"beyond the enumeration",
       RelationshipComputation(static_cast<TMutualInfoStats>(7), 10, 30, 20, 1000, {5, 5}), 0, 0},
      {"Dice of nothing", Dice_Coefficient(0, 0, 0), 0, 0},
      {"Dice beyond the Integer sum", Dice_Coefficient(2000000000, 2000000000, 2000000000), 1, 0},
      {"overlap with an empty side", Overlap_Coefficient(5, 0, 9), 0, 0},
      {"overlap", Overlap_Coefficient(5, 10, 20), 0.5, 0},
      {"specific MI", SpecificMutualInformation(100, 100, 10, 1000000), std::log2(1000.0), 1e-5},
      {"MI3", MI3(100, 100, 10, 1000000), std::log2(1e5), 1e-5},
      {"T", T_Score(100, 100, 10, 1000000), 9.99 / std::sqrt(10.0), 1e-5},
      {"T with 2.5e9 expected", T_Score(50000, 50000, 3000, 10000000), 2750 / std::sqrt(3000.0),
       1e-4},
      {"T of a pair never seen", T_Score(100, 0, 0, 1000000), 0, 0},
      {"Z", Z_Score(100, 100, 10, 1000000, 10), 31.3065, 1e-3},
  };
  for (const auto &c : cases)
    EXPECT_NEAR(c.got, c.expected, c.tolerance) << c.what;
}

TEST(AssociationMeasures, DegeneratePairsRaise) {
  const struct {
    const char *what;
    std::function<void()> call;
  } cases[] = {
      {"MI never together", [] { SpecificMutualInformation(100, 100, 0, 1000000); }},
      {"MI word absent", [] { SpecificMutualInformation(0, 100, 10, 1000000); }},
      {"MI empty corpus", [] { SpecificMutualInformation(100, 100, 10, 0); }},
      {"Durrant never together", [] { MI_Durrant(100, 100, 0, 1000000); }},
      {"Durrant word absent", [] { MI_Durrant(100, 0, 10, 1000000); }},
      {"MI3 never together", [] { MI3(100, 100, 0, 1000000); }},
      {"Oakes never together", [] { MI_Oakes171(100, 100, 0, 1000000); }},
      {"T never together", [] { T_Score(100, 100, 0, 1000000); }},
      {"Z node fills the corpus", [] { Z_Score(1000, 10, 5, 1000, 10); }},
      {"Z collocate fills the rest", [] { Z_Score(100, 900, 5, 1000, 10); }},
      {"Z collocate absent", [] { Z_Score(100, 0, 5, 1000, 10); }},
      {"Z by dispatch",
       [] {
         RelationshipComputation(textcore::MI_Z, 5, 100, 0, 1000, {5, 5});
       }},
  };
  for (const auto &c : cases)
    EXPECT_THROW(c.call(), textcore::EMathError) << c.what;
}

} // namespace
} // namespace unidisplay
