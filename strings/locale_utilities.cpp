// Locale queries over GetLocaleDataProc; see locale_utilities.h.
#include "strings/locale_utilities.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace textcore {

namespace {

constexpr int32_t kLocaleDataCapacity = 1024;

// Primary language numbers, ascending.
constexpr std::array<LANGID, 19> kCombiningCharacterLanguages = {
    1, 30, 41, 57, 69, 71, 72, 73, 74, 75, 76, 81, 83, 84, 91, 94, 97, 99, 106};
constexpr std::array<LANGID, 9> kUnicodeOnlyLanguages = {1, 4, 13, 17, 18, 30, 41, 42, 99};

String LocaleData(LCID lcid, LCTYPE type) {
  String text;
  if (const TGetLocaleDataProc proc = GetLocaleDataProc)
    proc(lcid, type, text);
  return text;
}

int32_t CodePageData(LCID lcid, LCTYPE type) { return StrToIntDef(LocaleData(lcid, type), 0); }

constexpr StringView kVariantOpening = u" (";

} // namespace

TGetLocaleDataProc GetLocaleDataProc = PlatformLocaleData;

void PlatformLocaleData(LCID lcid, LCTYPE info_type, String &text) {
  const LCTYPE asked =
      info_type == locale_data_own_language_name ? LOCALE_SNATIVELANGNAME : info_type;
  char16_t buffer[kLocaleDataCapacity];
  const int32_t n = GetLocaleInfoW(lcid, asked, buffer, kLocaleDataCapacity);
  text = n > 0 ? String(buffer, static_cast<size_t>(n - 1)) : String();
}

String CurrencyFromLCID(LCID lcid) { return LocaleData(lcid, locale_data_currency); }
String CountryFromLCID(LCID lcid) { return LocaleData(lcid, locale_data_english_country_name); }
String LocalLanguageNameFromLCID(LCID lcid) {
  return LocaleData(lcid, locale_data_own_language_name);
}
String EnglishLanguageNameFromLCID(LCID lcid) {
  return LocaleData(lcid, locale_data_english_language_name);
}
int32_t DOSCodepageFromLCID(LCID lcid) { return CodePageData(lcid, locale_data_oem_code_page); }
int32_t WindowsCodepageFromLCID(LCID lcid) {
  return CodePageData(lcid, locale_data_ansi_code_page);
}

bool LanguageHasCombiningCharacters(LCID lcid) {
  return std::binary_search(kCombiningCharacterLanguages.begin(),
                            kCombiningCharacterLanguages.end(), PrimaryLanguage(lcid));
}

bool LanguageRequiresUnicode(LCID lcid) {
  return std::binary_search(kUnicodeOnlyLanguages.begin(), kUnicodeOnlyLanguages.end(),
                            PrimaryLanguage(lcid));
}

String LCIDAllCurrencyString(LCID lcid, const std::vector<LCID> &all) {
  String result;
  for (const LCID other : all) {
    if (!SamePrimaryLanguage(lcid, other))
      continue;
    const String symbol = CurrencyFromLCID(other);
    if (result.find(symbol) != String::npos)
      continue; // also drops an empty symbol
    if (!result.empty())
      result += u',';
    result += symbol;
  }
  return result;
}

std::unique_ptr<TStringList> LCIDSubVarieties(LCID lcid, const std::vector<LCID> &all) {
  auto list = std::make_unique<TStringList>();
  list->SetSorted(true);
  list->SetDuplicates(dupIgnore);
  for (const LCID other : all)
    if (SamePrimaryLanguage(lcid, other))
      list->AddObject(CountryFromLCID(other), IntegerAsObject(static_cast<int32_t>(other)));
  return list;
}

LCID LCIDOfSubVariety(const TStringList &list, int32_t index) {
  return static_cast<LCID>(ObjectAsInteger(list.Objects(index)));
}

String ShortenedSysLanguageName(StringView name) {
  const size_t at = name.find(kVariantOpening);
  return Trim(at == StringView::npos ? name : name.substr(0, at));
}

String SysLanguageVariantName(StringView name) {
  const size_t at = name.find(kVariantOpening);
  String variant(at == StringView::npos ? name : name.substr(at + kVariantOpening.size()));
  std::erase_if(variant, [](char16_t c) { return c == u'(' || c == u')'; });
  return Trim(variant);
}

} // namespace textcore
