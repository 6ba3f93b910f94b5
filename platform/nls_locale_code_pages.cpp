// The default ANSI and OEM code pages of each locale, as Windows assigns them. ICU knows nothing
// of Windows code pages, so they are chosen here by language, script and, for a few, country.
#include "platform/nls_code_pages.h"

#include <unicode/uloc.h>

#include <cstring>
#include <string>

namespace textcore {

namespace {

struct LocaleFacts {
  std::string language, script, region;
};

LocaleFacts FactsOf(LCID lcid) {
  LocaleFacts facts;
  std::string id = IcuLocaleOfLCID(lcid);
  if (id.empty())
    return facts;
  char full[ULOC_FULLNAME_CAPACITY], part[ULOC_FULLNAME_CAPACITY];
  UErrorCode status = U_ZERO_ERROR;
  uloc_addLikelySubtags(id.c_str(), full, sizeof full, &status);
  if (U_FAILURE(status) || status == U_STRING_NOT_TERMINATED_WARNING)
    std::strcpy(full, "");
  const char *source = *full != '\0' ? full : id.c_str();
  status = U_ZERO_ERROR;
  if (uloc_getLanguage(source, part, sizeof part, &status) > 0 && U_SUCCESS(status))
    facts.language = part;
  status = U_ZERO_ERROR;
  if (uloc_getScript(source, part, sizeof part, &status) > 0 && U_SUCCESS(status))
    facts.script = part;
  status = U_ZERO_ERROR;
  if (uloc_getCountry(id.c_str(), part, sizeof part, &status) > 0 && U_SUCCESS(status))
    facts.region = part;
  return facts;
}

bool OneOf(const std::string &value, std::initializer_list<const char *> list) {
  for (const char *item : list)
    if (value == item)
      return true;
  return false;
}

uint32_t AnsiOfScript(const LocaleFacts &f) {
  if (f.script == "Cyrl")
    return 1251;
  if (f.script == "Grek")
    return 1253;
  if (f.script == "Hebr")
    return 1255;
  if (f.script == "Arab")
    return 1256;
  if (f.script == "Thai")
    return 874;
  if (f.script == "Jpan")
    return 932;
  if (f.script == "Hans")
    return 936;
  if (f.script == "Kore")
    return 949;
  if (f.script == "Hant")
    return 950;
  if (f.script != "Latn")
    return 0; // scripts with no 8-bit code page
  if (OneOf(f.language,
            {"cs", "pl", "hu", "sk", "sl", "hr", "ro", "sq", "bs", "sr", "hsb", "dsb", "tk"}))
    return 1250;
  if (OneOf(f.language, {"tr", "az", "uz"}))
    return 1254;
  if (OneOf(f.language, {"et", "lv", "lt"}))
    return 1257;
  if (f.language == "vi")
    return 1258;
  return 1252;
}

uint32_t OemOfLatin1Locale(const LocaleFacts &f) {
  if (f.language == "en" && f.region == "US")
    return 437;
  if (f.language == "pt" && f.region == "PT")
    return 860;
  if (f.language == "fr" && f.region == "CA")
    return 863;
  if (f.language == "is")
    return 861;
  if (OneOf(f.language, {"da", "nb", "nn", "no"}))
    return 865;
  return 850;
}

} // namespace

uint32_t DefaultAnsiCodePageOf(LCID lcid) { return AnsiOfScript(FactsOf(lcid)); }

uint32_t DefaultOemCodePageOf(LCID lcid) {
  LocaleFacts facts = FactsOf(lcid);
  switch (AnsiOfScript(facts)) {
  case 1250:
    return 852;
  case 1251:
    return 866;
  case 1252:
    return OemOfLatin1Locale(facts);
  case 1253:
    return 737;
  case 1254:
    return 857;
  case 1255:
    return 862;
  case 1256:
    return 720;
  case 1257:
    return 775;
  case 1258:
    return 1258;
  case 874:
    return 874;
  case 932:
    return 932;
  case 936:
    return 936;
  case 949:
    return 949;
  case 950:
    return 950;
  default:
    return 0;
  }
}

} // namespace textcore
