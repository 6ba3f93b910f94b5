// DispersionValue: one minus the coefficient of variation scaled by the square root of the count.
#include "stats/dispersion.h"

#include "stats/guarded_arithmetic.h"

#include <cmath>

namespace unidisplay {
namespace {

// Above this magnitude the squared deviations could leave the double range. The score depends only
// on ratios of the values, so such values are scaled down by a power of two first, which is
// exact; values below it are left alone, so that ordinary scores are the plain formula's.
constexpr int kLargestPlainExponent = 400;

// The power of two that brings the largest magnitude in values down to about 1, or 0 when no
// scaling is needed. A NaN or an infinity is an error.
int ScalingExponent(const std::vector<double> &values) {
  double largest = 0;
  for (double v : values) {
    if (!std::isfinite(v))
      RaiseInvalidOp("DispersionValue", "undefined or infinite value");
    largest = std::fmax(largest, std::fabs(v));
  }
  int exponent = 0;
  std::frexp(largest, &exponent);
  return exponent > kLargestPlainExponent ? exponent : 0;
}

} // namespace

double DispersionValue(const std::vector<double> &values) {
  if (values.size() <= 2)
    return 0;
  const int exponent = ScalingExponent(values);
  const double count = static_cast<double>(values.size());
  double sum = 0;
  for (double v : values)
    sum += std::ldexp(v, -exponent);
  const double mean = sum / count;
  if (mean == 0)
    return 0;
  double squares = 0;
  for (double v : values) {
    const double d = std::ldexp(v, -exponent) - mean;
    squares += d * d;
  }
  const double std_dev = std::sqrt(squares / (count - 1));
  return 1 - (std_dev / mean) / std::sqrt(count);
}

float DispersionValue(const std::vector<int32_t> &values) {
  return static_cast<float>(DispersionValue(std::vector<double>(values.begin(), values.end())));
}

} // namespace unidisplay
