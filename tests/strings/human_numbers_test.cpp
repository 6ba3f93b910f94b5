// Numbers for people, under pinned separators: "." with "," grouping, and "," with "." grouping.
#include "strings/human_numbers.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <utility>

namespace textcore {
namespace {

const TFormatSettings kDot = TFormatSettings::Invariant();

TFormatSettings Comma() {
  TFormatSettings settings = TFormatSettings::Invariant();
  settings.DecimalSeparator = u',';
  settings.ThousandSeparator = u'.';
  return settings;
}

TEST(HumanNumbers, LargeNumbersDecimalsAndPValuesUnderEitherSeparator) {
  const TFormatSettings comma = Comma();
  const float inf = INFINITY;
  const std::pair<String, const char16_t *> cases[] = {
      {EasiestNRepresentationOfLargeNumber(950, kDot), u"950"},
      {EasiestNRepresentationOfLargeNumber(1000, comma), u"1,0K"},
      {EasiestNRepresentationOfLargeNumber(999950, kDot), u"1,000.0K"}, // rounds, stays K
      {EasiestNRepresentationOfLargeNumber(999950, comma), u"1.000,0K"},
      {EasiestNRepresentationOfLargeNumber(1234567, kDot), u"1.2M"},
      {EasiestNRepresentationOfLargeNumber(2.5e9f, comma), u"2,5G"},
      {EasiestNRepresentationOfLargeNumber(2.5e12f, kDot), u"2.5Yikes"},
      {EasiestNRepresentationOfLargeNumber(-5000, comma), u"-5.000"}, // never divided
      {EasiestNRepresentationOfLargeNumber(inf, kDot), u"INF"},
      {EasiestNRepresentationOfLargeNumber(-inf, kDot), u"-INF"},
      {EasiestNRepresentationOfLargeNumber(NAN, comma), u"NAN"},
      {FormattedWithDecimals(1234.5678f, 2, true, false, kDot), u"1,234.57"},
      {FormattedWithDecimals(1234.5678f, 2, true, false, comma), u"1.234,57"},
      {FormattedWithDecimals(1234.5f, 0, false, false, kDot), u"1235"}, // no separator
      {FormattedWithDecimals(1234.5f, -3, true, false, comma), u"1.235"},
      {FormattedWithDecimals(-0.5f, 1, false, true, comma), u"-0,5%"},
      {FormattedWithDecimals(0.25f, 1000, false, false, kDot), u"0.250000000000000000"}, // 18
      {PValueStr(0.0999995, kDot), u"0.1"},
      {PValueStr(0.05, comma), u"0,05"},
      {PValueStr(0.0999, kDot), u"0.0999"}, // more than a ten thousandth below 0.1
      {PValueStr(0.99999999e-10, kDot), u"0.0000000001"},
      {PValueStr(1, kDot), u"1."},
      {PValueStr(1, comma), u"1,"},
      {PValueStr(1e-17, kDot), u"0."},
      {PValueStr(1e20, kDot), u"1E20"}, // too large for fixed notation: its zeros stay
  };
  for (const auto &[got, want] : cases)
    EXPECT_EQ(got, want);
  EXPECT_TRUE(EasiestNRepresentationOfLargeNumber(FLT_MAX, kDot).ends_with(u"Yikes"));
}

TEST(HumanNumbers, OrdinalsByteCountsAndLeftZeros) {
  const std::pair<String, const char16_t *> cases[] = {
      {OrdinalFormatOf(1), u"%dst"},
      {OrdinalFormatOf(2), u"%dnd"},
      {OrdinalFormatOf(3), u"%drd"},
      {OrdinalFormatOf(0), u"%dth"},
      {OrdinalFormatOf(11), u"%dth"},
      {OrdinalFormatOf(12), u"%dth"},
      {OrdinalFormatOf(13), u"%dth"},
      {OrdinalFormatOf(21), u"%dst"},
      {OrdinalFormatOf(112), u"%dth"},
      {OrdinalFormatOf(123), u"%drd"},
      {OrdinalFormatOf(-1), u"%dth"},
      {OrdinalFormatOf(-22), u"%dth"},
      {ValueToByteStr(1048576), u"1048576bytes"},
      {ValueToByteStr(1048577), u"1024Kb"},
      {ValueToByteStr(8388608), u"8192Kb"},
      {ValueToByteStr(8388609), u"8Mb"},
      {ValueToByteStr(int64_t{1} << 33), u"8192Mb"},
      {ValueToByteStr((int64_t{1} << 33) + 1), u"8Gb"},
      {ValueToByteStr(INT64_MAX), u"8589934591Gb"},
      {WithLeftZeros(4, -5), u"00-5"},
      {WithLeftZeros(3, 7), u"007"},
      {WithLeftZeros(2, 123), u"123"},
      {WithLeftZeros(-3, 5), u"5"},
  };
  for (const auto &[got, want] : cases)
    EXPECT_EQ(got, want);
}

} // namespace
} // namespace textcore
