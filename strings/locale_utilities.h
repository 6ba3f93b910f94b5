// What the suite asks about a locale by its identifier: names, currency, code pages, whether its
// language needs Unicode or combining characters, and the varieties of one language among a set
// of locales.
//
// Every query goes through GetLocaleDataProc, so a host can answer from a database of its own;
// by default it is the platform's locale information (platform/nls_locale_info.h).
#pragma once

#include "platform/nls_locale_ids.h"
#include "platform/nls_locale_info.h"
#include "platform/string_list.h"
#include "platform/strings.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace textcore {

// The information types the queries below ask for.
constexpr LCTYPE locale_data_own_language_name = 2;
constexpr LCTYPE locale_data_oem_code_page = 11;
constexpr LCTYPE locale_data_currency = 20;
constexpr LCTYPE locale_data_english_language_name = 0x1001;
constexpr LCTYPE locale_data_english_country_name = 0x1002;
constexpr LCTYPE locale_data_ansi_code_page = 0x1004;

// Sets text to the value of one information type of a locale, "" when there is none.
using TGetLocaleDataProc = void (*)(LCID lcid, LCTYPE info_type, String &text);
// Set at start-up to PlatformLocaleData. A host may replace it before other threads query; null
// answers every query with "".
extern TGetLocaleDataProc GetLocaleDataProc;
// The platform's answer (at most 1024 units). Type 2 is the language's name in that language
// ("Deutsch"), which the platform serves as its native language name, since its own type 2 names
// the language in English.
void PlatformLocaleData(LCID lcid, LCTYPE info_type, String &text);

String CurrencyFromLCID(LCID lcid);
String CountryFromLCID(LCID lcid);             // in English
String LocalLanguageNameFromLCID(LCID lcid);   // in the language itself
String EnglishLanguageNameFromLCID(LCID lcid); // in English
int32_t DOSCodepageFromLCID(LCID lcid);        // 0 when the answer is no number
int32_t WindowsCodepageFromLCID(LCID lcid);    // 0 when the answer is no number

// Whether the locale's language is written with combining characters (Arabic, Thai, the Indic
// scripts...), or needs Unicode for its text (Arabic, Chinese, Hebrew, Japanese...).
bool LanguageHasCombiningCharacters(LCID lcid);
bool LanguageRequiresUnicode(LCID lcid);

// The currency symbols of every locale in all that shares lcid's language, in order, joined by
// ","; a symbol already within the text so far (as "$" is within "US$") is left out.
String LCIDAllCurrencyString(LCID lcid, const std::vector<LCID> &all);
// A sorted list of the English country names of the locales in all that share lcid's language,
// each name once with its LCID in the object slot (the first LCID that gave it).
std::unique_ptr<TStringList> LCIDSubVarieties(LCID lcid, const std::vector<LCID> &all);
// The LCID held in the object slot of an item of LCIDSubVarieties.
LCID LCIDOfSubVariety(const TStringList &list, int32_t index);

// A system language name cut at its first " (": "English (United States)" gives "English" as the
// shortened name and "United States" as the variant. Without " (" both are the whole name, and
// the variant loses every "(" and ")"; both are trimmed.
String ShortenedSysLanguageName(StringView name);
String SysLanguageVariantName(StringView name);

} // namespace textcore
