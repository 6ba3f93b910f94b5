// Floating-point text: general-form boundaries, rounding ties on exact expansions, FormatFloat
// patterns and reading numbers back.
#include "platform/exceptions.h"
#include "platform/float_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace textcore {
namespace {

const TFormatSettings &Invariant() {
  static const TFormatSettings settings = TFormatSettings::Invariant();
  return settings;
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(FloatToStr, SwitchesToScientificOutsideFifteenDigitsAndTenThousandths) {
  struct Case {
    double value;
    const char16_t *expected;
  };
  const Case cases[] = {
      {0.1, u"0.1"},
      {0.3, u"0.3"},
      {1.0 / 3, u"0.333333333333333"},
      {2.0 / 3, u"0.666666666666667"},
      {-1.5, u"-1.5"},
      {100, u"100"},
      {123.456, u"123.456"},
      {1e20, u"1E20"},
      {1.5e-6, u"1.5E-6"},
      {123456789012345678.0, u"1.23456789012346E17"},
      {999999999999999.0, u"999999999999999"},
      {1e15, u"1E15"},
      {9999999999999999.0, u"1E16"},
      {0.0001, u"0.0001"},
      {0.00012345, u"0.00012345"},
      {1e-5, u"1E-5"},
      {0.0, u"0"},
      {-0.0, u"0"},
      {1e-300, u"1E-300"},
      {std::numeric_limits<double>::max(), u"1.79769313486232E308"},
      {std::numeric_limits<double>::denorm_min(), u"4.94065645841247E-324"},
      {kNaN, u"NAN"},
      {kInf, u"INF"},
      {-kInf, u"-INF"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.value);
    EXPECT_EQ(StringToUTF8(FloatToStr(c.value, Invariant())), StringToUTF8(c.expected));
  }
}

TEST(FloatToStrF, EachFormatRoundsOnceAtItsLastDigit) {
  struct Case {
    double value;
    TFloatFormat format;
    int32_t precision, digits;
    const char16_t *expected;
  };
  const Case cases[] = {
      {1234.5678, ffFixed, 15, 2, u"1234.57"},
      {1234567.891, ffNumber, 15, 2, u"1,234,567.89"},
      {-1234567.891, ffNumber, 15, 0, u"-1,234,568"},
      {1234.5, ffExponent, 4, 2, u"1.235E+03"},
      {0.0, ffExponent, 3, 0, u"0.00E+0"},
      {-1e-10, ffExponent, 2, 4, u"-1.0E-0010"},
      {1234.5, ffGeneral, 3, 0, u"1.23E3"},
      {1234.5, ffGeneral, 3, 2, u"1.23E03"},
      {-5, ffCurrency, 15, 2, u"($5.00)"},
      {123.456, ffFixed, 4, 2, u"123.50"},
      {1e20, ffFixed, 15, 2, u"1E20"},
      {-0.004, ffFixed, 15, 2, u"0.00"},
      {2.5, ffFixed, 0, 0, u"3"},                      // precision clamped up to 1
      {1.0, ffFixed, 15, 40, u"1.000000000000000000"}, // digits clamped to 18
      {kNaN, ffNumber, 15, 2, u"NAN"},
      {-kInf, ffCurrency, 15, 2, u"-INF"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.value << " " << int(c.format));
    EXPECT_EQ(StringToUTF8(FloatToStrF(c.value, c.format, c.precision, c.digits, Invariant())),
              StringToUTF8(c.expected));
  }
}

// Ties are decided on the double's exact value: 0.125 is a true tie and goes away from zero,
// 2.675 and 1.005 are stored just below theirs, 0.05 just above.
TEST(FloatToStrF, RoundingTiesGoAwayFromZeroOnTheExactValue) {
  struct Case {
    double value;
    int32_t decimals;
    const char16_t *expected;
  };
  const Case cases[] = {
      {0.5, 0, u"1"},      {1.5, 0, u"2"},        {2.5, 0, u"3"},         {-2.5, 0, u"-3"},
      {0.125, 2, u"0.13"}, {-0.125, 2, u"-0.13"}, {0.375, 2, u"0.38"},    {2.675, 2, u"2.67"},
      {1.005, 2, u"1.00"}, {0.045, 2, u"0.04"},   {9.995, 2, u"9.99"},    {0.05, 1, u"0.1"},
      {0.15, 1, u"0.1"},   {99.5, 0, u"100"},     {9.9999, 3, u"10.000"}, {0.0005, 3, u"0.001"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.value << " to " << c.decimals);
    EXPECT_EQ(StringToUTF8(FloatToStrF(c.value, ffFixed, 15, c.decimals, Invariant())),
              StringToUTF8(c.expected));
    EXPECT_EQ(StringToUTF8(FloatToTextFixed(c.value, ffFixed, c.decimals, Invariant())),
              StringToUTF8(c.expected));
  }
}

TEST(FormatFloat, PatternsPlaceDigitsGroupsExponentsAndSections) {
  struct Case {
    const char16_t *pattern;
    double value;
    const char16_t *expected;
  };
  const char16_t *three = u"#,##0.00;(#,##0.00);'zero'";
  const Case cases[] = {
      {u"###0,.00", 1234567.891, u"1,234,567.89"},
      {u"#,##0", -1234567, u"-1,234,567"},
      {u"#,##0", 999, u"999"},
      {u"#,##0", 1000, u"1,000"},
      {u"0.000E+00", 12345, u"1.235E+04"},
      {u"0.000E-00", 12345, u"1.235E04"},
      {u"0.000e-00", 0.00012346, u"1.235e-04"},
      {u"0.000e-00", 0.00012345, u"1.234e-04"},
      {u"0.00E+00", 0, u"0.00E+00"},
      {u"00.0E+0", 12345, u"12.3E+3"},
      {three, 1234.5, u"1,234.50"},
      {three, -1234.5, u"(1,234.50)"},
      {three, 0.001, u"zero"},
      {three, -0.001, u"zero"},
      {u"0.00", -0.001, u"0.00"},
      {u"0.00;neg", -0.001, u"0.00"},
      {u"0.00;(0)", -0.3, u"-0.30"},
      {u"0.0;;zero", -1.5, u"-1.5"},
      {u"#.##", 0.5, u".5"},
      {u"0.##", 1, u"1"},
      {u"0.##", 1.234, u"1.23"},
      {u"0.0#", 1.5, u"1.5"},
      {u".00", 12.5, u"12.50"},
      {u"00000", 42, u"00042"},
      {u"#", 0, u""},
      {u"0", -0.0, u"0"},
      {u"0", 2.5, u"3"},
      {u"0.000", 1.0005, u"1.000"},
      {u"", 1.5, u"1.5"},
      {u";(0)", -3, u"-3"},
      {u"\"$\"#,##0.00", 1234.5, u"$1,234.50"},
      {u"0 'kg'", 3, u"3 kg"},
      {u"0 'a;b'", 3, u"3 a;b"},
      {u"00-00", 1234, u"12-34"},
      {u"0 'open", 3, u"3 open"},
      {u"0.0", kNaN, u"NAN"},
      {u"0.0", -kInf, u"-INF"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << StringToUTF8(c.pattern) << " " << c.value);
    EXPECT_EQ(StringToUTF8(FormatFloat(c.pattern, c.value, Invariant())), StringToUTF8(c.expected));
  }
}

TEST(FormatFloat, UsesTheSeparatorsOfTheSettings) {
  TFormatSettings de = Invariant();
  de.DecimalSeparator = u',';
  de.ThousandSeparator = u'.';
  EXPECT_EQ(FormatFloat(u"#,##0.00", 1234567.5, de), u"1.234.567,50");
  EXPECT_EQ(FloatToStr(0.25, de), u"0,25");
  EXPECT_EQ(FloatToStrF(1.5e-7, ffGeneral, 15, 0, de), u"1,5E-7");
}

TEST(StrToFloat, ReadsNumbersAndRefusesAnythingElse) {
  struct Case {
    const char16_t *text;
    bool ok;
    double value;
  };
  const Case cases[] = {
      {u"1.5", true, 1.5},  {u" -2.5e3 ", true, -2500},
      {u"+7", true, 7},     {u"1.", true, 1},
      {u".5", true, 0.5},   {u"1E+2", true, 100},
      {u"1e-400", true, 0}, {u"1.7976931348623157E308", true, 1.7976931348623157e308},
      {u"0.1", true, 0.1},  {u"1.5E-6", true, 1.5e-6},
      {u"INF", true, kInf}, {u"-inf", true, -kInf},
      {u"", false, 0},      {u"  ", false, 0},
      {u".", false, 0},     {u"+", false, 0},
      {u"1e", false, 0},    {u"1e+", false, 0},
      {u"1,5", false, 0},   {u"1,000", false, 0},
      {u"1.5.2", false, 0}, {u"0x10", false, 0},
      {u"--1", false, 0},   {u"1 5", false, 0},
      {u"1e999", false, 0}, {u"abc", false, 0},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(StringToUTF8(c.text));
    double value = -123;
    EXPECT_EQ(TryStrToFloat(c.text, value, Invariant()), c.ok);
    if (c.ok) {
      EXPECT_EQ(value, c.value);
    }
    EXPECT_EQ(StrToFloatDef(c.text, -99, Invariant()), c.ok ? c.value : -99);
  }
}

TEST(StrToFloat, SpecialValuesAndSignsSurviveTheRoundTrip) {
  double value = 0;
  ASSERT_TRUE(TryStrToFloat(u"nan", value, Invariant()));
  EXPECT_TRUE(std::isnan(value));
  ASSERT_TRUE(TryStrToFloat(u"-1e-400", value, Invariant()));
  EXPECT_TRUE(value == 0 && std::signbit(value));
  for (double x : {0.1, -7.25, 1e20, 1.5e-6, 123456.789, -kInf}) {
    SCOPED_TRACE(testing::Message() << x);
    EXPECT_EQ(StrToFloat(FloatToStr(x, Invariant()), Invariant()), x);
  }
}

TEST(StrToFloat, FollowsTheDecimalSeparatorAndReportsBadText) {
  TFormatSettings de = Invariant();
  de.DecimalSeparator = u',';
  EXPECT_EQ(StrToFloat(u"1,5", de), 1.5);
  double value = 0;
  EXPECT_FALSE(TryStrToFloat(u"1.5", value, de));
  try {
    StrToFloat(u"12abc", Invariant());
    ADD_FAILURE() << "no error";
  } catch (const EConvertError &e) {
    EXPECT_EQ(e.Message(), u"'12abc' is not a valid floating point value");
  }
}

} // namespace
} // namespace textcore
