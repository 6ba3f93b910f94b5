// Checked arithmetic for the statistics: each fault is named by the operation that met it.
#include "stats/guarded_arithmetic.h"

#include "platform/exceptions.h"

#include <cmath>
#include <string>

namespace unidisplay {
void RaiseZeroDivide(const char *op, const char *what) {
  throw textcore::EZeroDivide(std::string(op) + ": " + what);
}

void RaiseInvalidOp(const char *op, const char *what) {
  throw textcore::EInvalidOp(std::string(op) + ": " + what);
}

void RaiseOverflow(const char *op, const char *what) {
  throw textcore::EOverflow(std::string(op) + ": " + what);
}

double CheckedDivideSlow(double x, double y, const char *op) {
  if (std::isnan(x) || std::isnan(y))
    RaiseInvalidOp(op, "division of an undefined value");
  if (y == 0) {
    if (x == 0)
      RaiseInvalidOp(op, "zero divided by zero");
    RaiseZeroDivide(op, "division by zero");
  }
  return CheckedFinite(x / y, op);
}

namespace {

void CheckLogArgument(double x, const char *op) {
  if (std::isnan(x) || x < 0)
    RaiseInvalidOp(op, "logarithm of a negative or undefined value");
  if (x == 0)
    RaiseZeroDivide(op, "logarithm of zero");
}

} // namespace

double CheckedLnSlow(double x, const char *op) {
  CheckLogArgument(x, op);
  return CheckedFinite(std::log(x), op);
}

double CheckedLog2Slow(double x, const char *op) {
  CheckLogArgument(x, op);
  return CheckedFinite(std::log2(x), op);
}

double LnOfQuotient(double x, double y, const char *op) {
  if (x > 0 && y > 0 && std::isnormal(x) && std::isnormal(y)) {
    // One correctly rounded quotient keeps more of a ratio near 1 than a difference of logarithms.
    const double q = x / y;
    if (std::isnormal(q))
      return std::log(q);
  }
  if (y == 0 || std::isnan(y))
    CheckedDivide(x, y, op); // raises: x / 0, 0 / 0 or an undefined operand
  return CheckedLn(x, op) - CheckedLn(y, op);
}

void RaiseNotFinite(double x, bool single, const char *op) {
  if (std::isnan(x))
    RaiseInvalidOp(op, "undefined result");
  RaiseOverflow(op, single ? "result beyond the range of a Single"
                           : "result beyond the range of a Double");
}

} // namespace unidisplay
