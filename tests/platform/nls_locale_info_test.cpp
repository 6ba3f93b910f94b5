#include "platform/nls_date_patterns.h"
#include "platform/nls_last_error.h"
#include "platform/nls_locale_info.h"

#include <gtest/gtest.h>

namespace textcore {
namespace {

TEST(NlsLocaleInfo, ValuesOfSeveralLocales) {
  struct Case {
    LCID lcid;
    LCTYPE type;
    const char16_t *value;
  };
  const Case cases[] = {
      {1033, LOCALE_SENGLANGUAGE, u"English"},
      {1033, LOCALE_SENGCOUNTRY, u"United States"},
      {1033, LOCALE_SLANGUAGE, u"English (United States)"},
      {1031, LOCALE_SNATIVELANGNAME, u"Deutsch"},
      {1031, LOCALE_SNATIVECTRYNAME, u"Deutschland"},
      {1031, LOCALE_SENGLANGUAGE, u"German"},
      {1049, LOCALE_SNATIVELANGNAME, u"\u0440\u0443\u0441\u0441\u043A\u0438\u0439"},
      {1033, LOCALE_SISO639LANGNAME, u"en"},
      {1033, LOCALE_SISO3166CTRYNAME, u"US"},
      {1031, LOCALE_SISO639LANGNAME2, u"deu"},
      {1031, LOCALE_SISO3166CTRYNAME2, u"DEU"},
      {1033, LOCALE_SNAME, u"en-US"},
      {1033, LOCALE_ILANGUAGE, u"0409"},
      {1033, LOCALE_SDECIMAL, u"."},
      {1033, LOCALE_STHOUSAND, u","},
      {1031, LOCALE_SDECIMAL, u","},
      {1031, LOCALE_STHOUSAND, u"."},
      {1031, LOCALE_SLIST, u";"},
      {1033, LOCALE_SGROUPING, u"3;0"},
      {1033, LOCALE_SSHORTDATE, u"M/d/yyyy"},
      {1033, LOCALE_SLONGDATE, u"dddd, MMMM d, yyyy"},
      {1033, LOCALE_STIMEFORMAT, u"h:mm:ss tt"},
      {1033, LOCALE_SSHORTTIME, u"h:mm tt"},
      {1033, LOCALE_SDATE, u"/"},
      {1033, LOCALE_STIME, u":"},
      {1033, LOCALE_S1159, u"AM"},
      {1031, LOCALE_SSHORTDATE, u"dd.MM.yyyy"},
      {1031, LOCALE_STIMEFORMAT, u"HH:mm:ss"},
      {2057, LOCALE_SSHORTDATE, u"dd/MM/yyyy"},
      {1041, LOCALE_SSHORTDATE, u"yyyy/MM/dd"},
      {1033, LOCALE_SDAYNAME1, u"Monday"},
      {1033, LOCALE_SDAYNAME1 + 6, u"Sunday"},
      {1033, LOCALE_SABBREVDAYNAME1, u"Mon"},
      {1033, LOCALE_SMONTHNAME1 + 11, u"December"},
      {1031, LOCALE_SMONTHNAME1 + 2, u"M\u00E4rz"},
      {1033, LOCALE_IMEASURE, u"1"},
      {2057, LOCALE_IMEASURE, u"0"},
      {1033, LOCALE_IFIRSTDAYOFWEEK, u"6"},
      {1031, LOCALE_IFIRSTDAYOFWEEK, u"0"},
      {1033, LOCALE_IDEFAULTANSICODEPAGE, u"1252"},
      {1033, LOCALE_IDEFAULTCODEPAGE, u"437"},
      {2057, LOCALE_IDEFAULTCODEPAGE, u"850"},
      {1049, LOCALE_IDEFAULTANSICODEPAGE, u"1251"},
      {1049, LOCALE_IDEFAULTCODEPAGE, u"866"},
      {1032, LOCALE_IDEFAULTANSICODEPAGE, u"1253"},
      {1037, LOCALE_IDEFAULTANSICODEPAGE, u"1255"},
      {1025, LOCALE_IDEFAULTANSICODEPAGE, u"1256"},
      {1054, LOCALE_IDEFAULTANSICODEPAGE, u"874"},
      {1041, LOCALE_IDEFAULTANSICODEPAGE, u"932"},
      {2052, LOCALE_IDEFAULTANSICODEPAGE, u"936"},
      {1042, LOCALE_IDEFAULTANSICODEPAGE, u"949"},
      {1028, LOCALE_IDEFAULTANSICODEPAGE, u"950"},
      {1055, LOCALE_IDEFAULTANSICODEPAGE, u"1254"},
      {3098, LOCALE_IDEFAULTANSICODEPAGE, u"1251"},
      {2074, LOCALE_IDEFAULTANSICODEPAGE, u"1250"},
      {1081, LOCALE_IDEFAULTANSICODEPAGE, u"0"}, // Hindi: no 8-bit code page
      {1081, LOCALE_IDEFAULTCODEPAGE, u"1"},
      {1033, LOCALE_SCURRENCY, u"$"},
      {1031, LOCALE_SCURRENCY, u"\u20AC"},
      {1033, LOCALE_ICURRENCY, u"0"},
      {1031, LOCALE_ICURRENCY, u"3"},
      {1041, LOCALE_ICURRDIGITS, u"0"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.lcid << " 0x" << std::hex << c.type);
    EXPECT_EQ(StringToUTF8(GetLocaleInfoString(c.lcid, c.type)), StringToUTF8(c.value));
  }
}

TEST(NlsLocaleInfo, ConventionCountsTheTerminator) {
  EXPECT_EQ(GetLocaleInfoW(1033, LOCALE_SENGLANGUAGE, nullptr, 0), 8);
  char16_t buffer[8];
  EXPECT_EQ(GetLocaleInfoW(1033, LOCALE_SENGLANGUAGE, buffer, 8), 8);
  EXPECT_EQ(String(buffer), u"English");
  EXPECT_EQ(GetLocaleInfoW(1033, LOCALE_SENGLANGUAGE, buffer, 7), 0);
  EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
  EXPECT_EQ(GetLocaleInfoW(1033, 0x7777, buffer, 8), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_FLAGS);
  EXPECT_EQ(GetLocaleInfoW(0x7FFF, LOCALE_SENGLANGUAGE, buffer, 8), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(GetLocaleInfoString(0x7FFF, LOCALE_SENGLANGUAGE), u"");
  // Numbers on request, in two units.
  ASSERT_EQ(GetLocaleInfoW(1049, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER, buffer, 2), 2);
  EXPECT_EQ(buffer[0] | (buffer[1] << 16), 1251);
  ASSERT_EQ(GetLocaleInfoW(1033, LOCALE_ILANGUAGE | LOCALE_RETURN_NUMBER, buffer, 2), 2);
  EXPECT_EQ(buffer[0], 0x0409);
  EXPECT_EQ(GetLocaleInfoW(1033, LOCALE_SENGLANGUAGE | LOCALE_RETURN_NUMBER, buffer, 2), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_FLAGS);
}

TEST(NlsLocaleInfo, PatternTranslation) {
  struct Case {
    const char16_t *icu;
    DatePatternUse use;
    const char16_t *windows;
  };
  const Case cases[] = {
      {u"M/d/yy", DatePatternUse::kShortDate, u"M/d/yyyy"},
      {u"EEEE, d 'de' MMMM 'de' y", DatePatternUse::kLongDate, u"dddd, d 'de' MMMM 'de' yyyy"},
      {u"h:mm:ss\u202Fa", DatePatternUse::kTime, u"h:mm:ss tt"},
      {u"HH:mm:ss zzzz", DatePatternUse::kTime, u"HH:mm:ss"},
      {u"d MMM yy", DatePatternUse::kLongDate, u"d MMM yy"},
      {u"'o''clock' h", DatePatternUse::kTime, u"'o''clock' h"},
      {u"'unclosed", DatePatternUse::kTime, u"'unclosed"},
  };
  for (const Case &c : cases)
    EXPECT_EQ(StringToUTF8(WindowsDatePattern(c.icu, c.use)), StringToUTF8(c.windows));
  EXPECT_EQ(PatternSeparator(u"dd.MM.yyyy"), u".");
  EXPECT_EQ(PatternSeparator(u"'at' h:mm"), u":");
  EXPECT_EQ(PatternSeparator(u"yyyy"), u"");
}

} // namespace
} // namespace textcore
