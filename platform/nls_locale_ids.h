// Locale identifiers (LCID) and their names. An LCID is the Windows 32-bit locale number: the
// language in the low 16 bits (primary language in bits 0-9, sub-language in bits 10-15) and the
// sort order above. Names are the ones Windows's LCIDToLocaleName gives: ICU's BCP 47 tag for the
// LCID ("en-US", "sr-Cyrl-CS"), except for the few LCIDs that Windows names otherwise ("zh-TW" for
// ICU's "zh-Hant-TW", "es-ES_tradnl" for "es-ES-u-co-trad", "prs-AF" for "fa-AF", "quz-PE" for
// "qu-PE"...), which come from one table in nls_locale_ids.cpp.
#pragma once

#include "platform/strings.h"

#include <cstdint>
#include <string>

namespace textcore {

using LCID = uint32_t;
using LANGID = uint16_t;

constexpr LANGID LANG_NEUTRAL = 0x00;
constexpr LANGID LANG_INVARIANT = 0x7F;
constexpr LANGID SUBLANG_NEUTRAL = 0x00;
constexpr LANGID SUBLANG_DEFAULT = 0x01;
constexpr LANGID SUBLANG_SYS_DEFAULT = 0x02;
constexpr uint32_t SORT_DEFAULT = 0;

constexpr LANGID MAKELANGID(LANGID primary, LANGID sub) {
  return static_cast<LANGID>((sub << 10) | primary);
}
constexpr LANGID PRIMARYLANGID(LANGID lang) { return lang & 0x3FF; }
constexpr LANGID SUBLANGID(LANGID lang) { return lang >> 10; }
constexpr LCID MAKELCID(LANGID lang, uint32_t sort) { return (sort << 16) | lang; }
constexpr LANGID LANGIDFROMLCID(LCID lcid) { return static_cast<LANGID>(lcid & 0xFFFF); }
// The primary language of an LCID (its low 10 bits); two LCIDs share a language when theirs agree,
// whatever their country, script or sort order.
constexpr LANGID PrimaryLanguage(LCID lcid) { return static_cast<LANGID>(lcid & 0x3FF); }
constexpr bool SamePrimaryLanguage(LCID a, LCID b) {
  return PrimaryLanguage(a) == PrimaryLanguage(b);
}

constexpr LCID LOCALE_USER_DEFAULT = MAKELCID(MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), 0);
constexpr LCID LOCALE_SYSTEM_DEFAULT = MAKELCID(MAKELANGID(LANG_NEUTRAL, SUBLANG_SYS_DEFAULT), 0);
constexpr LCID LOCALE_INVARIANT = MAKELCID(MAKELANGID(LANG_INVARIANT, SUBLANG_NEUTRAL), 0);

// The user's locale, from LC_ALL, LC_CTYPE or LANG (the first that is set and not empty). The C
// and POSIX locales, and names nobody knows, give en-US (1033). The system default is the same:
// a POSIX process has no locale of its own apart from its user's.
LCID GetUserDefaultLCID();
LCID GetSystemDefaultLCID();
// The LCID the environment names, without the fallback: 0 for C, POSIX, unset and unknown names.
LCID EnvironmentLCID();

// The LCID of a locale name, any case: a Windows name ("zh-TW", "es-ES_tradnl", and the legacy
// "zh-CHS" and "zh-CHT"), a BCP 47 tag ("de-DE", ICU's "zh-Hant-TW"), an ICU or POSIX name
// ("de_DE", "de_DE.UTF-8", "sr_RS@latin"). 0 when the name is not a known locale.
LCID LocaleNameToLCID(StringView name);
// The name of an LCID ("en-US", "zh-TW"); "" when the LCID is not a known locale. The default
// locales resolve first, so LCIDToLocaleName(LOCALE_USER_DEFAULT) names the user's locale.
String LCIDToLocaleName(LCID lcid);

// The LCID that the calls act on: LOCALE_USER_DEFAULT, LOCALE_SYSTEM_DEFAULT and a neutral
// language 0 become the user's locale; every other value passes through.
LCID ResolvedLCID(LCID lcid);
// Whether an LCID names a locale that the services know (after resolving the defaults).
bool IsValidLCID(LCID lcid);

// The ICU locale id behind an LCID ("en_US"), "" for an unknown LCID. For the other nls_ files.
std::string IcuLocaleOfLCID(LCID lcid);
// The ICU locale id of a POSIX locale name as the environment gives it; "" for C and POSIX.
std::string IcuLocaleOfPosixName(std::string_view posix_name);

} // namespace textcore
