// Locale identifiers over ICU's table of Windows LCIDs, and the user's locale from the POSIX
// environment.
#include "platform/nls_locale_ids.h"

#include <unicode/uloc.h>

#include <cstdlib>
#include <mutex>

namespace textcore {

namespace {

constexpr LCID kEnglishUS = 0x0409;

bool IsAscii(StringView s) {
  for (char16_t c : s)
    if (c == 0 || c > 0x7E)
      return false;
  return true;
}

std::string Narrow(StringView s) { return std::string(s.begin(), s.end()); }

// "de-DE" through ICU's tag parser; "" when ICU cannot read all of it.
std::string IcuLocaleOfTag(const std::string &tag) {
  char id[ULOC_FULLNAME_CAPACITY];
  int32_t parsed = 0;
  UErrorCode status = U_ZERO_ERROR;
  int32_t length = uloc_forLanguageTag(tag.c_str(), id, sizeof id, &parsed, &status);
  if (U_FAILURE(status) || status == U_STRING_NOT_TERMINATED_WARNING ||
      parsed != static_cast<int32_t>(tag.size()) || length <= 0)
    return "";
  return std::string(id, static_cast<size_t>(length));
}

LCID LCIDOfIcuLocale(const std::string &id) {
  if (id.empty())
    return 0;
  LCID lcid = uloc_getLCID(id.c_str());
  if (lcid != 0)
    return lcid;
  // "sr_RS" and the like: ICU knows the LCID under the fuller or the shorter form.
  char other[ULOC_FULLNAME_CAPACITY];
  UErrorCode status = U_ZERO_ERROR;
  uloc_minimizeSubtags(id.c_str(), other, sizeof other, &status);
  if (U_SUCCESS(status) && status != U_STRING_NOT_TERMINATED_WARNING &&
      (lcid = uloc_getLCID(other)) != 0)
    return lcid;
  status = U_ZERO_ERROR;
  uloc_addLikelySubtags(id.c_str(), other, sizeof other, &status);
  if (U_SUCCESS(status) && status != U_STRING_NOT_TERMINATED_WARNING)
    lcid = uloc_getLCID(other);
  return lcid;
}

const char *EnvironmentLocale() {
  for (const char *name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
    const char *value = std::getenv(name);
    if (value != nullptr && *value != '\0')
      return value;
  }
  return "";
}

} // namespace

std::string IcuLocaleOfPosixName(std::string_view posix_name) {
  std::string name(posix_name);
  std::string modifier;
  if (size_t at = name.find('@'); at != std::string::npos) {
    modifier = name.substr(at + 1);
    name.erase(at);
  }
  if (size_t dot = name.find('.'); dot != std::string::npos)
    name.erase(dot);
  if (name.empty() || name == "C" || name == "POSIX")
    return "";
  if (name.find('-') != std::string::npos)
    return IcuLocaleOfTag(name);
  // The glibc modifiers that name a script; others (@euro) say nothing ICU needs.
  if (modifier == "latin" || modifier == "cyrillic") {
    std::string script = modifier == "latin" ? "Latn" : "Cyrl";
    size_t bar = name.find('_');
    name = bar == std::string::npos ? name + "_" + script
                                    : name.substr(0, bar) + "_" + script + name.substr(bar);
  }
  char id[ULOC_FULLNAME_CAPACITY];
  UErrorCode status = U_ZERO_ERROR;
  int32_t length = uloc_canonicalize(name.c_str(), id, sizeof id, &status);
  if (U_FAILURE(status) || status == U_STRING_NOT_TERMINATED_WARNING || length <= 0)
    return "";
  return std::string(id, static_cast<size_t>(length));
}

LCID EnvironmentLCID() {
  // Callers resolve LOCALE_USER_DEFAULT on every comparison, so the answer is kept until the
  // environment changes.
  static std::mutex guard;
  static std::string seen = "\x01";
  static LCID answer = 0;
  std::lock_guard<std::mutex> lock(guard);
  const char *env = EnvironmentLocale();
  if (seen != env) {
    seen = env;
    answer = LCIDOfIcuLocale(IcuLocaleOfPosixName(env));
  }
  return answer;
}

LCID GetUserDefaultLCID() {
  LCID lcid = EnvironmentLCID();
  return lcid != 0 ? lcid : kEnglishUS;
}

LCID GetSystemDefaultLCID() { return GetUserDefaultLCID(); }

LCID ResolvedLCID(LCID lcid) {
  if (lcid == LOCALE_USER_DEFAULT || lcid == LOCALE_SYSTEM_DEFAULT ||
      PRIMARYLANGID(LANGIDFROMLCID(lcid)) == LANG_NEUTRAL)
    return GetUserDefaultLCID();
  return lcid;
}

std::string IcuLocaleOfLCID(LCID lcid) {
  lcid = ResolvedLCID(lcid);
  // Windows's invariant locale formats like English without a country's customs.
  if (lcid == LOCALE_INVARIANT)
    return "en_US_POSIX";
  char id[ULOC_FULLNAME_CAPACITY];
  UErrorCode status = U_ZERO_ERROR;
  int32_t length = uloc_getLocaleForLCID(lcid, id, sizeof id, &status);
  if (U_FAILURE(status) || status == U_STRING_NOT_TERMINATED_WARNING || length <= 0)
    return "";
  return std::string(id, static_cast<size_t>(length));
}

bool IsValidLCID(LCID lcid) { return !IcuLocaleOfLCID(lcid).empty(); }

LCID LocaleNameToLCID(StringView name) {
  if (name.empty() || !IsAscii(name))
    return 0;
  std::string narrow = Narrow(name);
  if (narrow == "en-US-POSIX" || narrow == "en_US_POSIX")
    return LOCALE_INVARIANT;
  return LCIDOfIcuLocale(IcuLocaleOfPosixName(narrow));
}

String LCIDToLocaleName(LCID lcid) {
  std::string id = IcuLocaleOfLCID(lcid);
  if (id.empty() || ResolvedLCID(lcid) == LOCALE_INVARIANT)
    return String();
  char tag[ULOC_FULLNAME_CAPACITY];
  UErrorCode status = U_ZERO_ERROR;
  int32_t length = uloc_toLanguageTag(id.c_str(), tag, sizeof tag, false, &status);
  if (U_FAILURE(status) || status == U_STRING_NOT_TERMINATED_WARNING || length <= 0)
    return String();
  return String(tag, tag + length);
}

} // namespace textcore
