// The association measures of a word pair. Each rounds to a Single at the steps where the scores
// have always been rounded, so that saved relationship lists compare equal with new ones.
#include "stats/association_measures.h"

#include "stats/guarded_arithmetic.h"

#include <algorithm>
#include <cmath>

namespace unidisplay {
namespace {

double GuardedCell(double cell) { return cell > 0 ? cell : double_guard; }

// The 2 x 2 table of a pair in the corpus, each empty or impossible cell replaced by the guard.
struct ContingencyCells {
  double O11, O12, O21, O22;

  ContingencyCells(int32_t f1, int32_t f2, int32_t joint, int32_t n)
      : O11(GuardedCell(joint)), O12(GuardedCell(double(f1) - O11)),
        O21(GuardedCell(double(f2) - O11)), O22(GuardedCell(double(n) - O11 - O12 - O21)) {}

  double R1() const { return O11 + O12; }
  double C1() const { return O11 + O21; }
  double N() const { return O11 + O12 + O21 + O22; }
};

double CheckedSqrt(double x, const char *op) {
  if (std::isnan(x) || x < 0)
    RaiseInvalidOp(op, "square root of a negative or undefined value");
  return std::sqrt(x);
}

} // namespace

float Dice_Coefficient(int32_t joint, int32_t a, int32_t b) {
  const double sum = double(a) + b; // exact: no Integer wrap for large frequencies
  if (sum == 0)
    return 0;
  return static_cast<float>(2.0 * joint / sum);
}

float Overlap_Coefficient(int32_t joint, int32_t a, int32_t b) {
  const int32_t m = std::min(a, b);
  if (m == 0)
    return 0;
  return static_cast<float>(double(joint) / m);
}

float SpecificMutualInformation(int32_t f1, int32_t f2, int32_t joint, int32_t n) {
  constexpr const char *op = "SpecificMutualInformation";
  const double p_joint = CheckedDivide(joint, n, op);
  const double p_apart = CheckedDivide(f1, n, op) * CheckedDivide(f2, n, op);
  return CheckedSingle(CheckedLog2(CheckedDivide(p_joint, p_apart, op), op), op);
}

float MI_Durrant(int32_t f1, int32_t f2, int32_t joint, int32_t n) {
  constexpr const char *op = "MI_Durrant";
  const double expected = CheckedDivide(double(f1) * f2, n, op);
  const float ratio = CheckedSingle(CheckedDivide(static_cast<float>(joint), expected, op), op);
  return CheckedSingle(CheckedLog2(ratio, op), op);
}

float MI3(int32_t f1, int32_t f2, int32_t joint, int32_t n) {
  constexpr const char *op = "MI3";
  const ContingencyCells t(f1, f2, joint, n);
  const double cube = t.O11 * t.O11 * t.O11; // a guarded O11 cubes to 0, and ln 0 raises
  const double ratio = CheckedDivide(CheckedFinite(cube * t.N(), op), t.R1() * t.C1(), op);
  return CheckedSingle(CheckedLog2(ratio, op), op);
}

float MI_Oakes171(int32_t f1, int32_t f2, int32_t joint, int32_t n) {
  constexpr const char *op = "MI_Oakes171";
  const ContingencyCells t(f1, f2, joint, n);
  float s = static_cast<float>(t.O11); // a guarded O11 is 0 as a Single
  s = CheckedSingle(double(s) * t.N(), op);
  s = CheckedSingle(CheckedDivide(s, t.R1() * t.C1(), op), op);
  return CheckedSingle(CheckedLog2(s, op), op);
}

float T_Score(int32_t f1, int32_t f2, int32_t joint, int32_t n) {
  constexpr const char *op = "T_Score";
  const ContingencyCells t(f1, f2, joint, n);
  const double expected = CheckedDivide(double(f1) * f2, n, op); // 50,000^2 must not wrap
  const float d = CheckedSingle(double(static_cast<float>(t.O11)) - expected, op);
  return CheckedSingle(CheckedDivide(d, std::sqrt(t.O11), op), op);
}

float Z_Score(int32_t f1, int32_t f2, int32_t joint, int32_t n, int32_t span) {
  constexpr const char *op = "Z_Score";
  double p = CheckedDivide(f2, double(n) - f1, op);
  if (p == 0)
    p = double_guard;
  const double expected = double(f1) * p * span;
  const float d = CheckedSingle(joint - expected, op);
  return CheckedSingle(CheckedDivide(d, CheckedSqrt((1 - p) * expected, op), op), op);
}

} // namespace unidisplay
