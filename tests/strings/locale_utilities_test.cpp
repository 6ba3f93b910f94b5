// Locale queries: the list functions over a stub locale database, and the real one for a few
// locales, whose code pages must agree with the platform's table.
#include "strings/locale_utilities.h"

#include "platform/nls_code_pages.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>
#include <utility>

namespace textcore {
namespace {

// A small locale database: English in three countries, French in two, German in one.
void StubLocaleData(LCID lcid, LCTYPE type, String &text) {
  static const std::map<std::pair<LCID, LCTYPE>, String> data = {
      {{1033, locale_data_currency}, u"$"},
      {{3081, locale_data_currency}, u"A$"}, // holds "$", which is left out after it
      {{2057, locale_data_currency}, u"\u00A3"},
      {{1036, locale_data_currency}, u"\u20AC"},
      {{4108, locale_data_currency}, u"CHF"},
      {{1033, locale_data_english_country_name}, u"United States"},
      {{3081, locale_data_english_country_name}, u"Australia"},
      {{2057, locale_data_english_country_name}, u"United Kingdom"},
      {{5129, locale_data_english_country_name}, u"Australia"}, // a second LCID, same name
      {{1033, locale_data_oem_code_page}, u"437"},
      {{1033, locale_data_ansi_code_page}, u"x"},
  };
  const auto found = data.find({lcid, type});
  text = found == data.end() ? String() : found->second;
}

class StubbedLocaleData : public ::testing::Test {
protected:
  void SetUp() override { fPrevious = std::exchange(GetLocaleDataProc, StubLocaleData); }
  void TearDown() override { GetLocaleDataProc = fPrevious; }
  TGetLocaleDataProc fPrevious = nullptr;
};

TEST_F(StubbedLocaleData, CurrenciesAndVarietiesOfOneLanguage) {
  const std::vector<LCID> all = {1036, 3081, 1033, 2057, 4108, 1031, 5129};
  EXPECT_EQ(LCIDAllCurrencyString(2057, all), u"A$,\u00A3"); // 5129 has no symbol
  EXPECT_EQ(LCIDAllCurrencyString(1036, all), u"\u20AC,CHF");
  EXPECT_EQ(LCIDAllCurrencyString(1041, all), u"");

  const std::unique_ptr<TStringList> varieties = LCIDSubVarieties(1033, all);
  ASSERT_EQ(varieties->Count(), 3);
  const std::pair<String, LCID> want[] = {
      {u"Australia", 3081}, {u"United Kingdom", 2057}, {u"United States", 1033}};
  for (int32_t i = 0; i < 3; ++i) {
    EXPECT_EQ(varieties->Strings(i), want[i].first);
    EXPECT_EQ(LCIDOfSubVariety(*varieties, i), want[i].second);
  }
  EXPECT_EQ(LCIDSubVarieties(1041, all)->Count(), 0);

  EXPECT_EQ(DOSCodepageFromLCID(1033), 437);
  EXPECT_EQ(WindowsCodepageFromLCID(1033), 0); // "x" is no number
  EXPECT_EQ(WindowsCodepageFromLCID(9999), 0);
  GetLocaleDataProc = nullptr; // a host that took the queries away gets empty answers
  EXPECT_EQ(CurrencyFromLCID(1033), u"");
  EXPECT_EQ(DOSCodepageFromLCID(1033), 0);
}

TEST(LocaleUtilities, LanguageTablesAndSystemLanguageNames) {
  // Arabic (Libya), Chinese, Hindi, Yoruba (106), Vietnamese, English, and beyond both tables.
  const std::tuple<LCID, bool, bool> languages[] = {
      {0x1001, true, true},  {0x0404, false, true},  {0x0439, true, false},  {0x046A, true, false},
      {0x042A, false, true}, {0x0409, false, false}, {0x03FF, false, false},
  };
  for (const auto &[lcid, combining, unicode] : languages) {
    EXPECT_EQ(LanguageHasCombiningCharacters(lcid), combining) << std::hex << lcid;
    EXPECT_EQ(LanguageRequiresUnicode(lcid), unicode) << std::hex << lcid;
  }
  const std::tuple<const char16_t *, const char16_t *, const char16_t *> names[] = {
      {u"English (United States)", u"English", u"United States"},
      {u"Chinese (Traditional) (Taiwan)", u"Chinese", u"Traditional Taiwan"},
      {u"Odd(name)", u"Odd(name)", u"Oddname"}, // no " (": whole, without brackets
      {u"", u"", u""},
  };
  for (const auto &[name, shortened, variant] : names) {
    EXPECT_EQ(ShortenedSysLanguageName(name), shortened);
    EXPECT_EQ(SysLanguageVariantName(name), variant);
  }
}

TEST(LocaleUtilities, RealLocalesNameThemselvesAndAgreeWithTheCodePageTable) {
  struct Case {
    LCID lcid;
    int32_t ansi, oem;
    const char16_t *english;
  } cases[] = {
      {1033, 1252, 437, u"English"}, {1031, 1252, 850, u"German"},  {1049, 1251, 866, u"Russian"},
      {2052, 936, 936, u"Chinese"},  {1041, 932, 932, u"Japanese"},
  };
  ASSERT_EQ(GetLocaleDataProc, PlatformLocaleData);
  for (const Case &c : cases) {
    EXPECT_EQ(WindowsCodepageFromLCID(c.lcid), c.ansi) << c.lcid;
    EXPECT_EQ(DOSCodepageFromLCID(c.lcid), c.oem) << c.lcid;
    EXPECT_EQ(uint32_t(WindowsCodepageFromLCID(c.lcid)), DefaultAnsiCodePageOf(c.lcid));
    EXPECT_EQ(uint32_t(DOSCodepageFromLCID(c.lcid)), DefaultOemCodePageOf(c.lcid));
    EXPECT_EQ(EnglishLanguageNameFromLCID(c.lcid), c.english) << c.lcid;
    EXPECT_FALSE(LocalLanguageNameFromLCID(c.lcid).empty()) << c.lcid;
    EXPECT_FALSE(CountryFromLCID(c.lcid).empty()) << c.lcid;
    EXPECT_FALSE(CurrencyFromLCID(c.lcid).empty()) << c.lcid;
  }
  EXPECT_EQ(LocalLanguageNameFromLCID(1031), u"Deutsch"); // in the language itself
  // A language of no 8-bit code page has ANSI 0 and OEM 1, as Windows answers.
  EXPECT_EQ(WindowsCodepageFromLCID(1081), 0);
  EXPECT_EQ(DOSCodepageFromLCID(1081), 1);
  EXPECT_EQ(CurrencyFromLCID(0xFFFF), u""); // an unknown locale answers nothing
}

} // namespace
} // namespace textcore
