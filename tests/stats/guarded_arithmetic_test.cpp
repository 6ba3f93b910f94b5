#include "stats/guarded_arithmetic.h"

#include "platform/exceptions.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#if defined(__SSE__)
#include <xmmintrin.h>
#endif

namespace unidisplay {
namespace {

TEST(GuardedArithmetic, GuardsAreTheSmallestSubnormals) {
  EXPECT_EQ(std::bit_cast<uint64_t>(double_guard), 1u);
  EXPECT_EQ(std::bit_cast<uint32_t>(single_guard), 1u);
  EXPECT_EQ(double_guard, 4.9406564584124654e-324);
  EXPECT_EQ(single_guard, 1.4012984643248171e-45f);
}

TEST(GuardedArithmetic, SubnormalsAreNotFlushedToZero) {
#if defined(__FAST_MATH__)
  FAIL() << "built with -ffast-math, which flushes subnormals to zero";
#endif
#if defined(__SSE__)
  // Flush-to-zero (bit 15) and denormals-are-zero (bit 6) of the SSE control register.
  EXPECT_EQ(_mm_getcsr() & 0x8040u, 0u);
#endif
  volatile double d = double_guard;
  volatile float f = single_guard;
  EXPECT_NE(d * 1.0, 0.0);
  EXPECT_NE(f * 1.0f, 0.0f);
  EXPECT_EQ(std::fpclassify(d + 0.0), FP_SUBNORMAL);
  EXPECT_EQ(std::fpclassify(f + 0.0f), FP_SUBNORMAL);
}

TEST(GuardedArithmetic, LnOfQuotientStaysInsideTheDoubleRange) {
  const double ln_guard = std::log(double_guard); // about -744.44
  const struct {
    double x, y, expected, tolerance;
  } cases[] = {
      {double_guard, 1e9, ln_guard - std::log(1e9), 1e-12}, // plain quotient underflows
      {1e9, double_guard, std::log(1e9) - ln_guard, 1e-12}, // plain quotient overflows
      {double_guard, double_guard, 0, 0},
      {1e300, 1e-300, std::log(1e300) - std::log(1e-300), 1e-12},
      {1 + 1e-12, 1, std::log1p((1 + 1e-12) - 1), 1e-27}, // a ratio near 1 keeps its digits
      {50, 45.45454545454545, std::log(50 / 45.45454545454545), 1e-16},
  };
  for (const auto &c : cases)
    EXPECT_NEAR(LnOfQuotient(c.x, c.y, "test"), c.expected, c.tolerance) << c.x << " " << c.y;
}

TEST(GuardedArithmetic, FaultsRaiseTheirOwnKindWithTheOperationsName) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_THROW(CheckedDivide(1, 0, "op"), textcore::EZeroDivide);
  EXPECT_THROW(CheckedDivide(0, 0, "op"), textcore::EInvalidOp);
  EXPECT_THROW(CheckedDivide(nan, 1, "op"), textcore::EInvalidOp);
  EXPECT_THROW(CheckedDivide(1e300, 1e-300, "op"), textcore::EOverflow);
  EXPECT_THROW(CheckedLn(0, "op"), textcore::EZeroDivide);
  EXPECT_THROW(CheckedLn(-1, "op"), textcore::EInvalidOp);
  EXPECT_THROW(CheckedLog2(-0.5, "op"), textcore::EInvalidOp);
  EXPECT_THROW(LnOfQuotient(1, 0, "op"), textcore::EZeroDivide);
  EXPECT_THROW(LnOfQuotient(0, 1, "op"), textcore::EZeroDivide);
  EXPECT_THROW(LnOfQuotient(-1, 1, "op"), textcore::EInvalidOp);
  EXPECT_THROW(LnOfQuotient(-1, -1, "op"), textcore::EInvalidOp);
  EXPECT_THROW(LnOfQuotient(1, -double_guard, "op"), textcore::EInvalidOp);
  EXPECT_THROW(CheckedSingle(1e39, "op"), textcore::EOverflow);
  EXPECT_THROW(CheckedSingle(nan, "op"), textcore::EInvalidOp);
  EXPECT_EQ(CheckedSingle(3.4028234e38, "op"), std::numeric_limits<float>::max());
  EXPECT_EQ(CheckedSingle(1e-46, "op"), 0.0f); // underflow is not a fault
  try {
    CheckedLn(0, "Log_Ratio");
    FAIL();
  } catch (const textcore::EMathError &e) {
    EXPECT_STREQ(e.what(), "Log_Ratio: logarithm of zero");
  }
}

} // namespace
} // namespace unidisplay
