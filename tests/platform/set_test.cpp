#include "platform/set.h"

#include <gtest/gtest.h>

namespace textcore {
namespace {

enum Six : uint8_t { s0, s1, s2, s3, s4, s5 };
enum Twelve : uint8_t { t0, t1, t2, t3, t4, t5, t6, t7, t8, t9, t10, t11 };
enum Forty : uint8_t { f0, f39 = 39 };

TEST(Set, SizesMatchTheFrameworksAndBitsSitAtOrdinals) {
  static_assert(sizeof(Set<Six, 6>) == 1);
  static_assert(sizeof(Set<Twelve, 12>) == 2);
  static_assert(sizeof(Set<Twelve, 17>) == 4);
  static_assert(sizeof(Set<Forty, 40>) == 5);
  Set<Twelve, 12> set{t0, t9, t11};
  EXPECT_EQ(set.Bytes()[0], 0x01);
  EXPECT_EQ(set.Bytes()[1], 0x0A);
  Set<Forty, 40> wide{f39};
  EXPECT_EQ(wide.Bytes()[4], 0x80);
}

TEST(Set, OperatorsAndBytesFromDisk) {
  Set<Six, 6> a{s0, s1, s2}, b{s2, s3};
  EXPECT_EQ(a + b, (Set<Six, 6>{s0, s1, s2, s3}));
  EXPECT_EQ(a * b, (Set<Six, 6>{s2}));
  EXPECT_EQ(a - b, (Set<Six, 6>{s0, s1}));
  EXPECT_TRUE((Set<Six, 6>{s1}) <= a);
  EXPECT_FALSE(b <= a);
  EXPECT_TRUE((a - a).Empty());
  // Bits beyond the enumeration, as a damaged file might hold, are dropped.
  auto loaded = Set<Six, 6>::FromBytes({0xFF});
  EXPECT_EQ(loaded.Bytes()[0], 0x3F);
  EXPECT_FALSE(loaded.Contains(static_cast<Six>(7)));
}

} // namespace
} // namespace textcore
