// MergedTextStats: the summary of two groups of measured items taken together.
#include "stats/text_stats.h"

#include "stats/guarded_arithmetic.h"

#include <cmath>
#include <limits>

namespace unidisplay {
namespace {

constexpr const char *op = "MergedTextStats";

// The squared deviations of one group's items from the merged mean m: those within the group,
// recovered from its sample standard deviation, plus those of its mean from m.
double SquaredDeviations(const text_stats_rec &s, double m) {
  if (s.n == 0)
    return 0;
  const double within = (s.n - 1.0) * s.std_dev * s.std_dev;
  const double between = s.n * (s.mean - m) * (s.mean - m);
  return within + between;
}

} // namespace

text_stats_rec MergedTextStats(const text_stats_rec &a, const text_stats_rec &b) {
  if (a.n < 0 || b.n < 0)
    RaiseInvalidOp(op, "negative count of items");
  const int64_t n = int64_t{a.n} + b.n;
  if (n > std::numeric_limits<int32_t>::max())
    RaiseOverflow(op, "count of items beyond the range of an Integer");
  text_stats_rec merged;
  merged.n = static_cast<int32_t>(n);
  if (n == 0)
    return merged;
  const float weighted = static_cast<float>(a.n) * a.mean + static_cast<float>(b.n) * b.mean;
  merged.mean = CheckedSingle(weighted / static_cast<float>(n), op);
  if (n > 1) {
    const double m = (static_cast<double>(a.n) * a.mean + static_cast<double>(b.n) * b.mean) / n;
    const double variance = (SquaredDeviations(a, m) + SquaredDeviations(b, m)) / (n - 1.0);
    merged.std_dev = variance > 0 ? CheckedSingle(std::sqrt(variance), op) : 0;
  }
  return merged;
}

} // namespace unidisplay
