// Locale-aware comparison and case mapping for the user's default locale, through the
// national-language layer, so that collation and case have one implementation.
#include "platform/locale_strings.h"

#include "platform/nls_case.h"
#include "platform/nls_compare.h"

namespace textcore {

namespace {

// CompareString (a word sort, as the framework asked for) with its 1, 2, 3 as -1, 0, 1; a failed
// comparison falls back to the order of units.
int32_t Compared(uint32_t flags, StringView a, StringView b) {
  const int32_t result = CompareStrings(LOCALE_USER_DEFAULT, flags, a, b);
  if (result == 0)
    return a < b ? -1 : a == b ? 0 : 1;
  return result - CSTR_EQUAL;
}

} // namespace

int32_t AnsiCompareStr(StringView a, StringView b) { return Compared(0, a, b); }

int32_t AnsiCompareText(StringView a, StringView b) { return Compared(NORM_IGNORECASE, a, b); }

bool AnsiSameStr(StringView a, StringView b) { return AnsiCompareStr(a, b) == 0; }

bool AnsiSameText(StringView a, StringView b) { return AnsiCompareText(a, b) == 0; }

String AnsiUpperCase(StringView s) { return FullUpperCase(LOCALE_USER_DEFAULT, s); }

String AnsiLowerCase(StringView s) { return FullLowerCase(LOCALE_USER_DEFAULT, s); }

} // namespace textcore
