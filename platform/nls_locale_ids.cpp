// Locale identifiers over ICU's table of Windows LCIDs, with Windows's own names where they
// differ from ICU's tags, and the user's locale from the POSIX environment.
#include "platform/nls_locale_ids.h"

#include <unicode/uloc.h>

#include <cstdlib>
#include <mutex>

namespace textcore {

namespace {

constexpr LCID kEnglishUS = 0x0409;

// The LCIDs that Windows names otherwise than ICU's tag for them, consulted before ICU both ways.
// ICU's tags for these LCIDs are still taken by LocaleNameToLCID; the legacy names are only taken.
struct WindowsLocaleName {
  LCID lcid;
  const char16_t *name;
  bool given; // false: a name Windows still takes but no longer gives
};

constexpr WindowsLocaleName kWindowsLocaleNames[] = {
    // Chinese for a country goes without the script ICU adds.
    {0x0404, u"zh-TW", true},
    {0x0C04, u"zh-HK", true},
    {0x1004, u"zh-SG", true},
    {0x1404, u"zh-MO", true},
    // An alternative sort order is a suffix, not a Unicode extension.
    {0x040A, u"es-ES_tradnl", true},
    {0x10407, u"de-DE_phoneb", true},
    {0x20804, u"zh-CN_stroke", true},
    // Windows's language codes: Dari, Central Kurdish, Quechua and K'iche'.
    {0x008C, u"prs", true},
    {0x048C, u"prs-AF", true},
    {0x0092, u"ku", true},
    {0x0492, u"ku-Arab-IQ", true},
    {0x7C92, u"ku-Arab", true},
    {0x006B, u"quz", true},
    {0x046B, u"quz-BO", true},
    {0x086B, u"quz-EC", true},
    {0x0C6B, u"quz-PE", true},
    {0x0086, u"quc", true},
    {0x0486, u"quc-Latn-GT", true},
    // Kashmiri in Arabic script names no country.
    {0x0460, u"ks-Arab", true},
    // The neutral Chinese locales before they were named for their scripts.
    {0x0004, u"zh-CHS", false},
    {0x7C04, u"zh-CHT", false},
};

const char16_t *WindowsNameOfLCID(LCID lcid) {
  for (const WindowsLocaleName &entry : kWindowsLocaleNames)
    if (entry.given && entry.lcid == lcid)
      return entry.name;
  return nullptr;
}

LCID LCIDOfWindowsName(StringView name) {
  for (const WindowsLocaleName &entry : kWindowsLocaleNames)
    if (SameText(name, entry.name))
      return entry.lcid;
  return 0;
}

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
  if (LCID lcid = LCIDOfWindowsName(name); lcid != 0)
    return lcid;
  std::string narrow = Narrow(name);
  if (narrow == "en-US-POSIX" || narrow == "en_US_POSIX")
    return LOCALE_INVARIANT;
  return LCIDOfIcuLocale(IcuLocaleOfPosixName(narrow));
}

String LCIDToLocaleName(LCID lcid) {
  const LCID resolved = ResolvedLCID(lcid);
  std::string id = IcuLocaleOfLCID(resolved);
  if (id.empty() || resolved == LOCALE_INVARIANT)
    return String();
  if (const char16_t *name = WindowsNameOfLCID(resolved))
    return name;
  char tag[ULOC_FULLNAME_CAPACITY];
  UErrorCode status = U_ZERO_ERROR;
  int32_t length = uloc_toLanguageTag(id.c_str(), tag, sizeof tag, false, &status);
  if (U_FAILURE(status) || status == U_STRING_NOT_TERMINATED_WARNING || length <= 0)
    return String();
  return String(tag, tag + length);
}

} // namespace textcore
