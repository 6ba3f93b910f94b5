// Log-gamma by summing logarithms, and the one-degree-of-freedom tail probability by its series.
#include "stats/tail_probability.h"

#include "core/yield.h"
#include "stats/guarded_arithmetic.h"

#include <cmath>

namespace unidisplay {
namespace {

constexpr double ln_root_pi = 0.57236494; // to eight places, as the scores were always made

// Beyond this many terms the sum is formed in closed form: counting down one by one would keep
// the caller waiting for minutes, and from 2^53 on y - 1 == y and the count would never end.
constexpr double longest_count = 16777216.0; // 2^24

// The sum for x - 1 > longest_count: the terms are ln y for y = t, t + 1, ..., x - 1, where t in
// (0, 1] is where the count-down stops, so they add up to lgamma(x) - lgamma(t).
double LogGammaClosedForm(double x) {
  const double y = x - 1;
  const double stop = y - std::ceil(y); // the last y of the count-down, in (-1, 0]
  const double sum = std::lgamma(x) - std::lgamma(stop + 1);
  return stop < 0 ? sum + ln_root_pi : sum;
}

// Log_Gamma's sum; yielding calls the host's yield hook once per term.
double LogGammaSum(double x, bool yielding) {
  if (std::isinf(x))
    RaiseOverflow("Log_Gamma", "infinite argument");
  if (x - 1 > longest_count)
    return LogGammaClosedForm(x);
  double s = 0;
  double y = x - 1;
  while (y > 0) {
    if (yielding)
      textcore::MyYieldProcess();
    s += std::log(y);
    y -= 1;
  }
  if (y < 0)
    s += ln_root_pi;
  return s;
}

// 1 - P, with P the regularised lower incomplete gamma of a half at h, by its power series.
double SeriesUpperTail(double h) {
  // ln Gamma(1.5), from the same sum as Log_Gamma(1.5) but without its yield: Log_Gamma would
  // turn a hook's exception into g = 0 and so into a wrong probability.
  const double g = LogGammaSum(1.5, false);
  const double e = std::exp(0.5 * std::log(h) - g - h);
  if (e == 0)
    return 0;
  double term = 1, sum = 1, k = 0.5;
  do {
    textcore::MyYieldProcess();
    k += 1;
    term = term * h / k;
    const double before = sum;
    sum += term;
    // Once k > h the terms only shrink, so the first that leaves sum unchanged is followed by
    // none that could change it: stopping there gives the same sum as running on until term
    // underflows, without the slow arithmetic on subnormals.
    if (sum == before && k > h)
      break;
  } while (term / sum > 0);
  return 1 - sum * e;
}

} // namespace

double Log_Gamma(double x) {
  try {
    return LogGammaSum(x, true);
  } catch (...) {
    return 0;
  }
}

double UpperTailProbability(float x) {
  const double a = std::fabs(static_cast<double>(x));
  if (std::isnan(a))
    RaiseInvalidOp("UpperTailProbability", "undefined score");
  if (a > 35) {
    const double y = a - 34;
    return 0.8 / (y * 1000000000.0) / y / y;
  }
  if (a < 1)
    return 0.99;
  return SeriesUpperTail(a / 2);
}

} // namespace unidisplay
