// Log-likelihood, log ratio and percentage difference of a word between a text and a reference
// corpus.
#include "stats/keyness_scores.h"

#include "stats/guarded_arithmetic.h"

#include <cmath>

namespace unidisplay {
namespace {

double GuardedCount(int32_t count) { return count > 0 ? static_cast<double>(count) : double_guard; }

double GuardedExpected(double expected) { return expected == 0 ? double_guard : expected; }

// f / total rounded to a Single, or the single guard when there is no total to divide by.
float RelativeFrequency(int32_t f, int32_t total) {
  if (total <= 0)
    return single_guard;
  return static_cast<float>(static_cast<double>(static_cast<float>(f)) / total);
}

} // namespace

float Log_Likelihood_Lancaster(int32_t a, int32_t b, int32_t c, int32_t d) {
  constexpr const char *op = "Log_Likelihood_Lancaster";
  const double A = GuardedCount(a), B = GuardedCount(b);
  const double C = GuardedCount(c), D = GuardedCount(d);
  const double E1 = GuardedExpected((A + B) * C / (C + D));
  const double E2 = GuardedExpected((A + B) * D / (C + D));
  const double LL = 2 * (A * LnOfQuotient(A, E1, op) + B * LnOfQuotient(B, E2, op));
  return CheckedSingle(LL, op);
}

float Log_Ratio(two_KWlongints_type f, two_KWlongints_type totals) {
  constexpr const char *op = "Log_Ratio";
  float r[2];
  for (int i : {little_text, reference_corpus}) {
    r[i] = RelativeFrequency(f[i], totals[i]);
    if (r[i] == 0)
      r[i] = single_guard;
    // Two negative frequencies would make a positive ratio out of nonsense.
    if (r[i] < 0)
      RaiseInvalidOp(op, "logarithm of a negative frequency ratio");
  }
  return CheckedSingle(CheckedLog2(static_cast<double>(r[0]) / r[1], op), op);
}

float PercentDiff(two_KWlongints_type f, two_KWlongints_type running_words) {
  constexpr const char *op = "PercentDiff";
  const float r0 = RelativeFrequency(f[little_text], running_words[little_text]);
  const float r1 = RelativeFrequency(f[reference_corpus], running_words[reference_corpus]);
  const float d = r0 - r1;
  return CheckedSingle(CheckedDivide(d, r1, op) * 100, op);
}

} // namespace unidisplay
