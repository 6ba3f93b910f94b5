// Locale-aware comparison and case mapping over ICU collators and case mapping.
#include "platform/locale_strings.h"

#include "platform/exceptions.h"

#include <unicode/ucol.h>
#include <unicode/uloc.h>
#include <unicode/ustring.h>

#include <limits>
#include <string_view>

namespace textcore {

namespace {

// ICU turns the C and POSIX locales of the environment into en_US_POSIX, whose collation orders
// by code point and tells every letter's cases apart at every strength; AnsiCompareText would then
// not ignore case. That environment states no preference, so it gets the root collation, which is
// what the framework's users saw for a neutral locale.
const char *CollationLocale() {
  const std::string_view locale = uloc_getDefault();
  const std::string_view posix = "_POSIX";
  const bool is_posix =
      locale.size() >= posix.size() && locale.substr(locale.size() - posix.size()) == posix;
  return is_posix ? "" : uloc_getDefault();
}

// A collator for the default locale at the given strength, or null when ICU has none (then
// comparison falls back to the order of UTF-16 units). A collator is safe to share between
// threads for comparison.
UCollator *OpenCollator(UCollationStrength strength) {
  UErrorCode status = U_ZERO_ERROR;
  UCollator *collator = ucol_open(CollationLocale(), &status);
  if (U_FAILURE(status))
    return nullptr;
  ucol_setStrength(collator, strength);
  return collator;
}

UCollator *CaseSensitiveCollator() {
  static UCollator *collator = OpenCollator(UCOL_TERTIARY);
  return collator;
}

UCollator *CaseInsensitiveCollator() {
  static UCollator *collator = OpenCollator(UCOL_SECONDARY);
  return collator;
}

int32_t Collate(UCollator *collator, StringView a, StringView b) {
  constexpr size_t kMax = std::numeric_limits<int32_t>::max();
  if (collator == nullptr || a.size() > kMax || b.size() > kMax)
    return a.compare(b) < 0 ? -1 : a == b ? 0 : 1;
  return ucol_strcoll(collator, a.data(), static_cast<int32_t>(a.size()), b.data(),
                      static_cast<int32_t>(b.size()));
}

using CaseMapper = int32_t (*)(UChar *, int32_t, const UChar *, int32_t, const char *,
                               UErrorCode *);

// Maps in one call when the result fits in the first guess, and once more with the exact size
// ICU asked for otherwise (full mapping can lengthen the text).
String MapCase(StringView s, CaseMapper map) {
  if (s.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max() / 3))
    throw EConvertError(std::string_view("Text too long for case mapping"));
  const auto length = static_cast<int32_t>(s.size());
  String result(s.size() + 16, u'\0');
  UErrorCode status = U_ZERO_ERROR;
  int32_t needed = map(result.data(), static_cast<int32_t>(result.size()), s.data(), length,
                       uloc_getDefault(), &status);
  if (status == U_BUFFER_OVERFLOW_ERROR) {
    result.assign(static_cast<size_t>(needed), u'\0');
    status = U_ZERO_ERROR;
    needed = map(result.data(), needed, s.data(), length, uloc_getDefault(), &status);
  }
  if (U_FAILURE(status))
    return String(s);
  result.resize(static_cast<size_t>(needed));
  return result;
}

} // namespace

int32_t AnsiCompareStr(StringView a, StringView b) {
  return Collate(CaseSensitiveCollator(), a, b);
}

int32_t AnsiCompareText(StringView a, StringView b) {
  return Collate(CaseInsensitiveCollator(), a, b);
}

bool AnsiSameStr(StringView a, StringView b) { return AnsiCompareStr(a, b) == 0; }

bool AnsiSameText(StringView a, StringView b) { return AnsiCompareText(a, b) == 0; }

String AnsiUpperCase(StringView s) { return MapCase(s, u_strToUpper); }

String AnsiLowerCase(StringView s) { return MapCase(s, u_strToLower); }

} // namespace textcore
