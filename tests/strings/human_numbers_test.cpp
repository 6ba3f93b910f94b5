// Numbers for people, under pinned separators: "." with "," grouping, and "," with "." grouping.
#include "strings/human_numbers.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

namespace textcore {
namespace {

TFormatSettings Dot() { return TFormatSettings::Invariant(); }

TFormatSettings Comma() {
  TFormatSettings settings = TFormatSettings::Invariant();
  settings.DecimalSeparator = u',';
  settings.ThousandSeparator = u'.';
  return settings;
}

TEST(HumanNumbers, LargeNumbersInTheirEasiestUnit) {
  constexpr float kInf = std::numeric_limits<float>::infinity();
  struct Case {
    float x;
    const char16_t *dot, *comma;
  } cases[] = {
      {950, u"950", u"950"},
      {999.4f, u"999", u"999"},
      {1000, u"1.0K", u"1,0K"},
      {999950, u"1,000.0K", u"1.000,0K"}, // rounds up to a thousand without moving to M
      {1234567, u"1.2M", u"1,2M"},
      {2.5e9f, u"2.5G", u"2,5G"},
      {2.5e12f, u"2.5Yikes", u"2,5Yikes"},
      {-5000, u"-5,000", u"-5.000"}, // below 1000, so never divided
      {kInf, u"INF", u"INF"},
      {-kInf, u"-INF", u"-INF"},
      {std::nanf(""), u"NAN", u"NAN"},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(EasiestNRepresentationOfLargeNumber(c.x, Dot()), c.dot) << c.x;
    EXPECT_EQ(EasiestNRepresentationOfLargeNumber(c.x, Comma()), c.comma) << c.x;
  }
  EXPECT_TRUE(EasiestNRepresentationOfLargeNumber(FLT_MAX, Dot()).ends_with(u"Yikes"));
}

TEST(HumanNumbers, FixedDecimalsWithOrWithoutGroupingAndPercent) {
  struct Case {
    float x;
    int32_t decimals;
    bool thousands, percent;
    const char16_t *dot, *comma;
  } cases[] = {
      {1234.5678f, 2, true, false, u"1,234.57", u"1.234,57"},
      {1234.5678f, 2, false, false, u"1234.57", u"1234,57"},
      {1234.5f, 0, false, false, u"1235", u"1235"}, // no separator without decimals
      {1234.5f, -3, true, false, u"1,235", u"1.235"},
      {0.5f, 1, false, true, u"0.5%", u"0,5%"},
      {-1234.5f, 1, true, false, u"-1,234.5", u"-1.234,5"},
      {0, 3, true, true, u"0.000%", u"0,000%"},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(FormattedWithDecimals(c.x, c.decimals, c.thousands, c.percent, Dot()), c.dot);
    EXPECT_EQ(FormattedWithDecimals(c.x, c.decimals, c.thousands, c.percent, Comma()), c.comma);
  }
  // Decimals are held to 18 rather than making a pattern of any length.
  EXPECT_EQ(FormattedWithDecimals(0.25f, 1000, false, false, Dot()), u"0.250000000000000000");
}

TEST(HumanNumbers, PValuesLoseTrailingZerosAndSnapUpToAPowerOfTen) {
  struct Case {
    double x;
    const char16_t *dot, *comma;
  } cases[] = {
      {0.0999995, u"0.1", u"0,1"},
      {0.05, u"0.05", u"0,05"},
      {0.0999, u"0.0999", u"0,0999"}, // further below 0.1 than a ten thousandth of it
      {0.00009999995, u"0.0001", u"0,0001"},
      {0.99999999e-10, u"0.0000000001", u"0,0000000001"},
      {0.123456789, u"0.123456789", u"0,123456789"},
      {1, u"1.", u"1,"},
      {1e-17, u"0.", u"0,"},
      {1e20, u"1E20", u"1E20"}, // too large for fixed notation: its zeros stay
  };
  for (const Case &c : cases) {
    EXPECT_EQ(PValueStr(c.x, Dot()), c.dot) << c.x;
    EXPECT_EQ(PValueStr(c.x, Comma()), c.comma) << c.x;
  }
}

TEST(HumanNumbers, OrdinalsByLastDigitAndTheTeensByTh) {
  struct Case {
    int32_t n;
    const char16_t *format;
  } cases[] = {
      {1, u"%dst"},  {2, u"%dnd"},   {3, u"%drd"},   {4, u"%dth"},         {0, u"%dth"},
      {11, u"%dth"}, {12, u"%dth"},  {13, u"%dth"},  {21, u"%dst"},        {22, u"%dnd"},
      {23, u"%drd"}, {101, u"%dst"}, {111, u"%dth"}, {112, u"%dth"},       {1013, u"%dth"},
      {-1, u"%dth"}, {-12, u"%dth"}, {-21, u"%dth"}, {INT32_MAX, u"%dth"},
  };
  for (const Case &c : cases)
    EXPECT_EQ(OrdinalFormatOf(c.n), c.format) << c.n;
}

TEST(HumanNumbers, ByteCountsInTheLargestUnitAboveItsThreshold) {
  struct Case {
    int64_t n;
    const char16_t *text;
  } cases[] = {
      {0, u"0bytes"},
      {-5, u"-5bytes"},
      {1048576, u"1048576bytes"},
      {1048577, u"1024Kb"},
      {8388608, u"8192Kb"},
      {8388609, u"8Mb"},
      {(int64_t{1} << 33), u"8192Mb"},
      {(int64_t{1} << 33) + 1, u"8Gb"},
      {INT64_MAX, u"8589934591Gb"},
  };
  for (const Case &c : cases)
    EXPECT_EQ(ValueToByteStr(c.n), c.text) << c.n;
}

TEST(HumanNumbers, LeftZerosGoBeforeTheWholeText) {
  struct Case {
    int32_t width;
    int64_t n;
    const char16_t *text;
  } cases[] = {
      {4, -5, u"00-5"}, {3, 7, u"007"}, {2, 123, u"123"},
      {3, 0, u"000"},   {0, 5, u"5"},   {-3, 5, u"5"},
  };
  for (const Case &c : cases)
    EXPECT_EQ(WithLeftZeros(c.width, c.n), c.text) << c.width << " " << c.n;
}

} // namespace
} // namespace textcore
