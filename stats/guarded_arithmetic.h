// The guard values that stand in for a zero count, and the checked steps of the statistics.
//
// Arithmetic faults are found by testing operands and results, never by floating-point traps, and
// are raised as textcore::EMathError kinds: EZeroDivide for x / 0 and ln 0, EInvalidOp for 0 / 0,
// the logarithm of a negative number or a NaN, EOverflow for a result beyond its type's range.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

// The guards are the smallest subnormals; flushing subnormals to zero would turn every guarded
// logarithm into ln 0.
#if defined(__FAST_MATH__)
#error "the statistics rely on subnormal numbers: build without -ffast-math"
#endif

namespace unidisplay {

// 2^-1074, bit pattern 0x0000000000000001.
inline constexpr double double_guard = std::numeric_limits<double>::denorm_min();
// 2^-149, bit pattern 0x00000001.
inline constexpr float single_guard = std::numeric_limits<float>::denorm_min();

static_assert(std::numeric_limits<double>::has_denorm == std::denorm_present);
static_assert(std::numeric_limits<float>::has_denorm == std::denorm_present);

// Raise the error kinds with a message naming the operation op and the fault.
[[noreturn]] void RaiseZeroDivide(const char *op, const char *what);
[[noreturn]] void RaiseInvalidOp(const char *op, const char *what);
[[noreturn]] void RaiseOverflow(const char *op, const char *what);

// The out-of-line halves of the checked steps below: they sort out the faulty cases and raise.
double CheckedDivideSlow(double x, double y, const char *op);
double CheckedLnSlow(double x, const char *op);
double CheckedLog2Slow(double x, const char *op);

// x / y; op names the operation in the error's message. The common case (a finite quotient of a
// non-zero divisor) costs one test in line; the statistics call these millions of times.
inline double CheckedDivide(double x, double y, const char *op) {
  const double q = x / y;
  if (y != 0 && std::isfinite(q))
    return q;
  return CheckedDivideSlow(x, y, op);
}

// ln x for x > 0.
inline double CheckedLn(double x, const char *op) {
  if (x > 0 && std::isfinite(x))
    return std::log(x);
  return CheckedLnSlow(x, op);
}

// log2 x for x > 0.
inline double CheckedLog2(double x, const char *op) {
  if (x > 0 && std::isfinite(x))
    return std::log2(x);
  return CheckedLog2Slow(x, op);
}

// ln(x / y) for x, y > 0, without forming a quotient that would leave the double range: a guard
// over a count of thousands underflows to 0, a count over a guard can overflow.
double LnOfQuotient(double x, double y, const char *op);

// Raises for a NaN (EInvalidOp) or an infinity (EOverflow) met by op; single says whether the
// range left was a Single's.
[[noreturn]] void RaiseNotFinite(double x, bool single, const char *op);

// x itself when finite; a NaN or an infinity is an error.
inline double CheckedFinite(double x, const char *op) {
  if (!std::isfinite(x))
    RaiseNotFinite(x, false, op);
  return x;
}

// x rounded to a Single; a NaN or a value beyond the Single range is an error.
inline float CheckedSingle(double x, const char *op) {
  const float single = static_cast<float>(x);
  if (!std::isfinite(single))
    RaiseNotFinite(x, true, op);
  return single;
}

} // namespace unidisplay
