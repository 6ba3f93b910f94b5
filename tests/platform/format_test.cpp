// Format's specifiers, its errors, and the locale settings it formats with.
#include "platform/exceptions.h"
#include "platform/format.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

namespace textcore {
namespace {

struct Case {
  String got;
  const char16_t *expected;
};

void ExpectAll(std::initializer_list<Case> cases) {
  int row = 0;
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << "row " << row++);
    EXPECT_EQ(StringToUTF8(c.got), StringToUTF8(c.expected));
  }
}

const TFormatSettings &Invariant() {
  static const TFormatSettings settings = TFormatSettings::Invariant();
  return settings;
}

TEST(Format, IntegerSpecifiersHonourWidthPrecisionAndSign) {
  const TFormatSettings &s = Invariant();
  ExpectAll({
      {Format(s, u"%d", 42), u"42"},
      {Format(s, u"%5d", 42), u"   42"},
      {Format(s, u"%-5d|", 42), u"42   |"},
      {Format(s, u"%.4d", -42), u"-0042"},
      {Format(s, u"%7.4d", -42), u"  -0042"},
      {Format(s, u"%.0d", 0), u"0"},
      {Format(s, u"%2d", 12345), u"12345"},
      {Format(s, u"%d", std::numeric_limits<int64_t>::min()), u"-9223372036854775808"},
      {Format(s, u"%d", std::numeric_limits<uint64_t>::max()), u"18446744073709551615"},
      {Format(s, u"%d", uint32_t{4000000000u}), u"4000000000"},
      {Format(s, u"%d", int8_t{-5}), u"-5"},
      {Format(s, u"%u", -1), u"4294967295"},
      {Format(s, u"%u", int64_t{-1}), u"18446744073709551615"},
      {Format(s, u"%.3u", 7), u"007"},
      {Format(s, u"%x", 255), u"FF"},
      {Format(s, u"%.4x", 255), u"00FF"},
      {Format(s, u"%x", -1), u"FFFFFFFF"},
      {Format(s, u"%x", int64_t{-1}), u"FFFFFFFFFFFFFFFF"},
      {Format(s, u"%X", 0xABCu), u"ABC"},
      {Format(s, u"%D", 5), u"5"},
  });
}

TEST(Format, FloatSpecifiersRoundAndPlaceTheExponent) {
  const TFormatSettings &s = Invariant();
  ExpectAll({
      {Format(s, u"%e", 1234.5), u"1.23450000000000E+003"},
      {Format(s, u"%.3e", -0.000123456), u"-1.23E-004"},
      {Format(s, u"%.2e", 1e100), u"1.0E+100"},
      {Format(s, u"%.1e", 9.96), u"1E+001"},
      {Format(s, u"%.4e", 0.0), u"0.000E+000"},
      {Format(s, u"%f", 3.14159), u"3.14"},
      {Format(s, u"%.0f", 2.5), u"3"},
      {Format(s, u"%.0f", -2.5), u"-3"},
      {Format(s, u"%.2f", -0.001), u"0.00"},
      {Format(s, u"%f", -0.0), u"0.00"},
      {Format(s, u"%.3f", 7), u"7.000"},
      {Format(s, u"%8.2f|", 3.14159), u"    3.14|"},
      {Format(s, u"%-8.2f|", 3.14159), u"3.14    |"},
      {Format(s, u"%.0f", 1e23), u"99999999999999991611392"},
      {Format(s, u"%g", 0.1), u"0.1"},
      {Format(s, u"%g", 1e20), u"1E20"},
      {Format(s, u"%g", 100), u"100"},
      {Format(s, u"%.3g", 1234.5), u"1.23E3"},
      {Format(s, u"%f", std::numeric_limits<double>::quiet_NaN()), u"NAN"},
      {Format(s, u"%e", -std::numeric_limits<double>::infinity()), u"-INF"},
      {Format(s, u"%5.1f", std::numeric_limits<double>::infinity()), u"  INF"},
  });
}

TEST(Format, NumberGroupsThousandsAndMoneyFollowsTheCurrencyLayout) {
  const TFormatSettings &s = Invariant();
  TFormatSettings suffix = Invariant();
  suffix.CurrencyString = u"kr";
  suffix.CurrencyFormat = 3;
  suffix.NegCurrFormat = 8;
  suffix.CurrencyDecimals = 0;
  ExpectAll({
      {Format(s, u"%.0n", 1234567), u"1,234,567"},
      {Format(s, u"%0.n", 1234567), u"1,234,567"},
      {Format(s, u"%.n", 1234567), u"1,234,567"},
      {Format(s, u"%.0n", -1234567), u"-1,234,567"},
      {Format(s, u"%.0n", 999), u"999"},
      {Format(s, u"%.0n", -999), u"-999"},
      {Format(s, u"%.0n", 1000), u"1,000"},
      {Format(s, u"%.0n", 0), u"0"},
      {Format(s, u"%.0n", 123456), u"123,456"},
      {Format(s, u"%.0n", std::numeric_limits<int64_t>::min()), u"-9,223,372,036,854,775,808"},
      {Format(s, u"%n", 1234.5), u"1,234.50"},
      {Format(s, u"%.1n", -1234567.25), u"-1,234,567.3"},
      {Format(s, u"%.0n", 999.5), u"1,000"},
      {Format(s, u"%.2n", 0.5), u"0.50"},
      {Format(s, u"%12.0n|", 1234567), u"   1,234,567|"},
      {Format(s, u"%m", 1234.5), u"$1,234.50"},
      {Format(s, u"%m", -1234.5), u"($1,234.50)"},
      {Format(s, u"%.0m", 2.5), u"$3"},
      {Format(s, u"%m", 7), u"$7.00"},
      {Format(suffix, u"%m", -1234.5), u"-1,235 kr"},
      {Format(suffix, u"%m", 12), u"12 kr"},
  });
}

TEST(Format, StringsPointersIndexesAndStars) {
  const TFormatSettings &s = Invariant();
  const String owned = u"owned";
  const char16_t *none = nullptr;
  ExpectAll({
      {Format(s, u"%s", u"abc"), u"abc"},
      {Format(s, u"%.2s", u"abc"), u"ab"},
      {Format(s, u"%5s", u"abc"), u"  abc"},
      {Format(s, u"%-5s|", u"abc"), u"abc  |"},
      {Format(s, u"%2s", u"abcd"), u"abcd"},
      {Format(s, u"[%s]", owned), u"[owned]"},
      {Format(s, u"[%s]", StringView(owned).substr(1, 3)), u"[wne]"},
      {Format(s, u"%s%s", u'x', none), u"x"},
      {Format(s, u"%.1s|", u"\U0001F600x"), u"|"},
      {Format(s, u"%.2s", u"\U0001F600x"), u"\U0001F600"},
      {Format(s, u"%p", reinterpret_cast<void *>(0x1234)), u"0000000000001234"},
      {Format(s, u"%p", nullptr), u"0000000000000000"},
      {Format(s, u"100%%"), u"100%"},
      {Format(s, u"%%d%d", 3), u"%d3"},
      {Format(s, u"%1:s %0:s", u"a", u"b"), u"b a"},
      {Format(s, u"%1:s %s", u"a", u"b", u"c"), u"b c"},
      {Format(s, u"%0:s-%0:s", u"a"), u"a-a"},
      {Format(s, u"%1:-4s|", u"a", u"b"), u"b   |"},
      {Format(s, u"%*d", 5, 42), u"   42"},
      {Format(s, u"%-*d|", 4, 7), u"7   |"},
      {Format(s, u"%*d|", -4, 7), u"7   |"},
      {Format(s, u"%.*f", 3, 1.0), u"1.000"},
      {Format(s, u"%.*f", -1, 1.0), u"1.00"},
      {Format(s, u"%*.*f", 8, 2, 3.14159), u"    3.14"},
      {Format(s, u"no specifiers"), u"no specifiers"},
      {Format(s, u""), u""},
  });
}

// The message of the convert error that Format raises, or a note that it raised none.
template <typename... Args> String ErrorOf(StringView format, const Args &...args) {
  try {
    Format(Invariant(), format, args...);
  } catch (const EConvertError &e) {
    return e.Message();
  }
  return u"no error";
}

TEST(Format, BadSpecifiersAndMissingArgumentsRaiseConvertErrors) {
  ExpectAll({
      {ErrorOf(u"%d", 1.5), u"Format '%d' invalid or incompatible with argument"},
      {ErrorOf(u"n=%s", 5), u"Format 'n=%s' invalid or incompatible with argument"},
      {ErrorOf(u"%f", u"x"), u"Format '%f' invalid or incompatible with argument"},
      {ErrorOf(u"%x", u'x'), u"Format '%x' invalid or incompatible with argument"},
      {ErrorOf(u"%p", 5), u"Format '%p' invalid or incompatible with argument"},
      {ErrorOf(u"%s", nullptr), u"Format '%s' invalid or incompatible with argument"},
      {ErrorOf(u"50%"), u"Format '50%' invalid or incompatible with argument"},
      {ErrorOf(u"%5", 1), u"Format '%5' invalid or incompatible with argument"},
      {ErrorOf(u"%y", 1), u"Format '%y' invalid or incompatible with argument"},
      {ErrorOf(u"%5-d", 1), u"Format '%5-d' invalid or incompatible with argument"},
      {ErrorOf(u"%*d", 1.5, 2), u"Format '%*d' invalid or incompatible with argument"},
      {ErrorOf(u"%2000000d", 1), u"Format '%2000000d' invalid or incompatible with argument"},
      {ErrorOf(u"%.2000000d", 1), u"Format '%.2000000d' invalid or incompatible with argument"},
      {ErrorOf(u"%d %d", 1), u"No argument for format '%d %d'"},
      {ErrorOf(u"%d"), u"No argument for format '%d'"},
      {ErrorOf(u"%5:d", 1), u"No argument for format '%5:d'"},
      {ErrorOf(u"%*d", 5), u"No argument for format '%*d'"},
  });
}

TEST(Format, GermanSettingsSwapTheSeparators) {
  const TFormatSettings de = TFormatSettings::Create(u"de_DE.UTF-8");
  EXPECT_EQ(de.DecimalSeparator, u',');
  EXPECT_EQ(de.ThousandSeparator, u'.');
  ExpectAll({
      {Format(de, u"%.2n", 1234567.891), u"1.234.567,89"},
      {Format(de, u"%.2n", -0.5), u"-0,50"},
      {Format(de, u"%.0n", 1234567), u"1.234.567"},
      {Format(de, u"%.2f", 2.5), u"2,50"},
      {Format(de, u"%.3e", 1234.5), u"1,23E+003"},
      {Format(de, u"%m", 1234.5), u"1.234,50 \u20AC"},
      {Format(de, u"%m", -1234.5), u"-1.234,50 \u20AC"},
  });
}

TEST(FormatSettings, LocaleNamesInEitherSpellingReadICU) {
  struct LocaleCase {
    const char16_t *name;
    char16_t decimal, thousands, list;
  };
  const LocaleCase cases[] = {
      {u"", u'.', u',', u','},
      {u"C", u'.', u',', u','},
      {u"POSIX", u'.', u',', u','},
      {u"C.UTF-8", u'.', u',', u','},
      {u"de_DE.UTF-8@euro", u',', u'.', u';'},
      {u"de-DE", u',', u'.', u';'},
      {u"fr_FR", u',', u'\u202F', u';'},
      {u"en_US.UTF-8", u'.', u',', u','},
      {u"xx_YY", u'.', u',', u','},
  };
  for (const LocaleCase &c : cases) {
    SCOPED_TRACE(StringToUTF8(c.name));
    const TFormatSettings s = TFormatSettings::Create(c.name);
    EXPECT_EQ(s.DecimalSeparator, c.decimal);
    EXPECT_EQ(s.ThousandSeparator, c.thousands);
    EXPECT_EQ(s.ListSeparator, c.list);
  }
}

TEST(FormatSettings, DatePatternsUseTheFrameworkLetters) {
  struct PatternCase {
    const char16_t *name;
    const char16_t *short_date, *long_date, *short_time, *long_time;
    char16_t date_separator;
  };
  const PatternCase cases[] = {
      {u"en_US", u"M/d/yyyy", u"dddd, MMMM d, yyyy", u"h:mm AMPM", u"h:mm:ss AMPM", u'/'},
      {u"de_DE", u"dd.MM.yyyy", u"dddd, d. MMMM yyyy", u"hh:mm", u"hh:mm:ss", u'.'},
      {u"es_ES", u"d/M/yyyy", u"dddd, d \"de\" MMMM \"de\" yyyy", u"h:mm", u"h:mm:ss", u'/'},
  };
  for (const PatternCase &c : cases) {
    SCOPED_TRACE(StringToUTF8(c.name));
    const TFormatSettings s = TFormatSettings::Create(c.name);
    EXPECT_EQ(StringToUTF8(s.ShortDateFormat), StringToUTF8(c.short_date));
    EXPECT_EQ(StringToUTF8(s.LongDateFormat), StringToUTF8(c.long_date));
    EXPECT_EQ(StringToUTF8(s.ShortTimeFormat), StringToUTF8(c.short_time));
    EXPECT_EQ(StringToUTF8(s.LongTimeFormat), StringToUTF8(c.long_time));
    EXPECT_EQ(s.DateSeparator, c.date_separator);
    EXPECT_EQ(s.TimeSeparator, u':');
  }
}

TEST(FormatSettings, GermanNamesAndCurrencyComeFromICU) {
  const TFormatSettings de = TFormatSettings::Create(u"de_DE");
  EXPECT_EQ(de.LongMonthNames[2], u"M\u00E4rz");
  EXPECT_EQ(de.LongDayNames[0], u"Sonntag"); // Sunday first
  EXPECT_EQ(de.LongDayNames[6], u"Samstag");
  EXPECT_EQ(de.CurrencyString, u"\u20AC");
  EXPECT_EQ(de.CurrencyFormat, 3);
  EXPECT_EQ(de.CurrencyDecimals, 2);
  const TFormatSettings ja = TFormatSettings::Create(u"ja_JP");
  EXPECT_EQ(ja.CurrencyDecimals, 0);
  EXPECT_EQ(ja.CurrencyFormat, 0);
}

// Restores an environment variable and the process-wide settings when the test ends.
class EnvironmentGuard {
public:
  explicit EnvironmentGuard(const char *name) : name_(name), saved_settings_(FormatSettings()) {
    if (const char *value = std::getenv(name))
      saved_ = value;
  }
  ~EnvironmentGuard() {
    if (saved_)
      setenv(name_, saved_->c_str(), 1);
    else
      unsetenv(name_);
    FormatSettings() = saved_settings_;
  }

private:
  const char *name_;
  std::optional<std::string> saved_;
  TFormatSettings saved_settings_;
};

TEST(FormatSettings, StartUpReadsTheLocaleFromTheEnvironment) {
  EnvironmentGuard all("LC_ALL");
  EnvironmentGuard numeric("LC_NUMERIC");
  EnvironmentGuard lang("LANG");
  unsetenv("LC_ALL");
  setenv("LC_NUMERIC", "", 1);
  setenv("LANG", "de_DE.UTF-8", 1);
  StartFormatSettings();
  EXPECT_EQ(FormatSettings().DecimalSeparator, u',');
  EXPECT_EQ(Format(u"%.1f", 1.25), u"1,3");
  setenv("LC_ALL", "C", 1);
  StartFormatSettings();
  EXPECT_EQ(FormatSettings().DecimalSeparator, u'.');
  EXPECT_EQ(Format(u"%.1f", 1.25), u"1.3");
}

} // namespace
} // namespace textcore
