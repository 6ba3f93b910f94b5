// The entropy sums behind the same-corpus log-likelihood measures.
#include "stats/same_corpus_log_likelihood.h"

#include "stats/guarded_arithmetic.h"

#include <array>
#include <cstddef>

namespace unidisplay {
namespace {

// The table's cells as 64-bit integers: differences of 32-bit counts cannot overflow there.
struct IntegerTable {
  int64_t k11, k12, k21, k22;
};

IntegerTable TableOf(int32_t f1, int32_t f2, int32_t joint, int32_t n) {
  return {joint, int64_t{f1} - joint, int64_t{f2} - joint, int64_t{n} - f1 - f2 + joint};
}

double Xlnx(int64_t x) { return XLnX(static_cast<double>(x)); }

double H2(int64_t x, int64_t y) { return Xlnx(x + y) - Xlnx(x) - Xlnx(y); }

double H4(const IntegerTable &k) {
  return Xlnx(k.k11 + k.k12 + k.k21 + k.k22) - Xlnx(k.k11) - Xlnx(k.k12) - Xlnx(k.k21) -
         Xlnx(k.k22);
}

// Sum of p ln p over the cells of v, with p each cell's share of the total; cells whose share is
// not positive add nothing.
template <std::size_t N> double ShareEntropy(const std::array<double, N> &v, const char *op) {
  double total = 0;
  for (double x : v)
    total += x;
  double sum = 0;
  for (double x : v) {
    const double p = CheckedDivide(x, total, op);
    if (p > 0)
      sum += p * CheckedLn(p, op);
  }
  return sum;
}

} // namespace

double XLnX(double x) {
  if (x == 0)
    return 0;
  return CheckedFinite(x * CheckedLn(x, "XLnX"), "XLnX");
}

float Log_Likelihood_SameCorpus_Dunning(int32_t f1, int32_t f2, int32_t joint, int32_t n) {
  const IntegerTable k = TableOf(f1, f2, joint, n);
  const double G = 2 * (H2(f1, int64_t{n} - f1) + H2(f2, int64_t{n} - f2) - H4(k));
  return CheckedSingle(G, "Log_Likelihood_SameCorpus_Dunning");
}

float Log_likelihood_from_Java(int32_t f1, int32_t f2, int32_t joint, int32_t n) {
  const IntegerTable k = TableOf(f1, f2, joint, n);
  const double rows = H2(k.k11 + k.k12, k.k21 + k.k22);
  const double columns = H2(k.k11 + k.k21, k.k12 + k.k22);
  const double matrix = H4(k);
  if (rows + columns < matrix)
    return 0;
  return CheckedSingle(2 * (rows + columns - matrix), "Log_likelihood_from_Java");
}

float Log_Likelihood_SameCorpus_Everts(int32_t f1, int32_t f2, int32_t joint, int32_t n,
                                       int32_t span) {
  const TMatrix2Vector2Doubles k = {{
      {static_cast<double>(joint), static_cast<double>(int64_t{f2} - joint)},
      {static_cast<double>(int64_t{f1} * span - joint),
       static_cast<double>(int64_t{n} - f1 - f2 + joint)},
  }};
  return CheckedSingle(LogLikelihoodRatio(k), "Log_Likelihood_SameCorpus_Everts");
}

double LogLikelihoodRatio(const TMatrix2Vector2Doubles &k) {
  constexpr const char *op = "LogLikelihoodRatio";
  const double k11 = k[0][0], k12 = k[0][1], k21 = k[1][0], k22 = k[1][1];
  const std::array<double, 4> cells = {k11, k12, k21, k22};
  const std::array<double, 2> rows = {k11 + k12, k21 + k22};
  const std::array<double, 2> columns = {k11 + k21, k12 + k22};
  const double N = CheckedFinite(k11 + k12 + k21 + k22, op);
  const double entropies =
      ShareEntropy(cells, op) - ShareEntropy(rows, op) - ShareEntropy(columns, op);
  return CheckedFinite(2 * N * entropies, op);
}

} // namespace unidisplay
