// Locale and text helpers over the platform's national-language layer.
#include "files/locale_text.h"

#include "platform/nls_case.h"
#include "platform/nls_char_types.h"
#include "platform/nls_code_pages.h"
#include "platform/nls_locale_info.h"
#include "strings/case_changes.h"

namespace textcore {

uint32_t CodePageFromLocale(LCID lcid) { return LCIDToCodePage(lcid); }

bool UserDefaultMeasurements(LCID lcid) {
  return GetLocaleInfoString(lcid, LOCALE_IMEASURE) != u"1";
}

String Lowercase(LCID lcid, StringView s) {
  return LCMapCase(lcid, s, LCMAP_LOWERCASE | LCMAP_LINGUISTIC_CASING);
}

String Uppercase(LCID lcid, StringView s) {
  return LCMapCase(lcid, s, LCMAP_UPPERCASE | LCMAP_LINGUISTIC_CASING);
}

void LowercaseIt(LCID lcid, char16_t *p) { WinLowerCased(lcid, p, true); }

void UppercaseIt(LCID lcid, char16_t *p) { WinUpperCased(lcid, p, true); }

String Lowercase(StringView s) { return LCMapCase(LOCALE_INVARIANT, s, LCMAP_LOWERCASE); }

String Uppercase(StringView s) { return LCMapCase(LOCALE_INVARIANT, s, LCMAP_UPPERCASE); }

bool IsOrdinaryNumberChar(char16_t c) { return c >= u'0' && c <= u'9'; }

bool IsADigitChar(char16_t c) { return UnicodeCategoryOf(c) == ucNd; }

} // namespace textcore
