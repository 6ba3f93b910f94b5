// Locale information (GetLocaleInfo): names, codes, separators, formats and code pages of a
// locale, from ICU's locale data, in the forms the Windows service returns.
//
// Date and time formats use the framework's pattern letters: d dd ddd dddd (day, day name),
// M MM MMM MMMM, yy yyyy, h hh H HH, m mm, s ss, tt (AM/PM), g (era), with literal text between
// single quotes; short dates always give the year four digits ("M/d/yyyy", "dd.MM.yyyy"), as the
// Windows service does. Names are English where the type says so, otherwise in the locale's own
// language; the "localized" names (LOCALE_SLANGUAGE, LOCALE_SCOUNTRY) are English, the user
// interface language of this runtime.
#pragma once

#include "platform/nls_locale_ids.h"
#include "platform/strings.h"

#include <cstdint>

namespace textcore {

using LCTYPE = uint32_t;

constexpr LCTYPE LOCALE_NOUSEROVERRIDE = 0x80000000;
constexpr LCTYPE LOCALE_USE_CP_ACP = 0x40000000;
constexpr LCTYPE LOCALE_RETURN_NUMBER = 0x20000000;

constexpr LCTYPE LOCALE_ILANGUAGE = 0x0001;
constexpr LCTYPE LOCALE_SLANGUAGE = 0x0002;       // "English (United States)"
constexpr LCTYPE LOCALE_SNATIVELANGNAME = 0x0004; // "Deutsch"
constexpr LCTYPE LOCALE_SCOUNTRY = 0x0006;
constexpr LCTYPE LOCALE_SNATIVECTRYNAME = 0x0008;  // "Deutschland"
constexpr LCTYPE LOCALE_IDEFAULTCODEPAGE = 0x000B; // the OEM code page
constexpr LCTYPE LOCALE_SLIST = 0x000C;
constexpr LCTYPE LOCALE_IMEASURE = 0x000D; // "0" metric, "1" U.S.
constexpr LCTYPE LOCALE_SDECIMAL = 0x000E;
constexpr LCTYPE LOCALE_STHOUSAND = 0x000F;
constexpr LCTYPE LOCALE_SGROUPING = 0x0010;
constexpr LCTYPE LOCALE_IDIGITS = 0x0011;
constexpr LCTYPE LOCALE_ILZERO = 0x0012;
constexpr LCTYPE LOCALE_SCURRENCY = 0x0014;
constexpr LCTYPE LOCALE_SINTLSYMBOL = 0x0015;
constexpr LCTYPE LOCALE_ICURRDIGITS = 0x0019;
constexpr LCTYPE LOCALE_ICURRENCY = 0x001B; // 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $"
constexpr LCTYPE LOCALE_INEGCURR = 0x001C;
constexpr LCTYPE LOCALE_SDATE = 0x001D;
constexpr LCTYPE LOCALE_STIME = 0x001E;
constexpr LCTYPE LOCALE_SSHORTDATE = 0x001F;
constexpr LCTYPE LOCALE_SLONGDATE = 0x0020;
constexpr LCTYPE LOCALE_S1159 = 0x0028;
constexpr LCTYPE LOCALE_S2359 = 0x0029;
constexpr LCTYPE LOCALE_SDAYNAME1 = 0x002A;       // Monday; ...7 Sunday
constexpr LCTYPE LOCALE_SABBREVDAYNAME1 = 0x0031; // Mon; ...7 Sun
constexpr LCTYPE LOCALE_SMONTHNAME1 = 0x0038;     // January; ...12 at 0x0043
constexpr LCTYPE LOCALE_SABBREVMONTHNAME1 = 0x0044;
constexpr LCTYPE LOCALE_SPOSITIVESIGN = 0x0050;
constexpr LCTYPE LOCALE_SNEGATIVESIGN = 0x0051;
constexpr LCTYPE LOCALE_SISO639LANGNAME = 0x0059;
constexpr LCTYPE LOCALE_SISO3166CTRYNAME = 0x005A;
constexpr LCTYPE LOCALE_SNAME = 0x005C;
constexpr LCTYPE LOCALE_SISO639LANGNAME2 = 0x0067;
constexpr LCTYPE LOCALE_SISO3166CTRYNAME2 = 0x0068;
constexpr LCTYPE LOCALE_SENGLISHDISPLAYNAME = 0x0072;
constexpr LCTYPE LOCALE_SNATIVEDISPLAYNAME = 0x0073;
constexpr LCTYPE LOCALE_SSHORTTIME = 0x0079;
constexpr LCTYPE LOCALE_SENGLANGUAGE = 0x1001; // "German"
constexpr LCTYPE LOCALE_SENGCOUNTRY = 0x1002;  // "Germany"
constexpr LCTYPE LOCALE_STIMEFORMAT = 0x1003;
constexpr LCTYPE LOCALE_IDEFAULTANSICODEPAGE = 0x1004;
constexpr LCTYPE LOCALE_IFIRSTDAYOFWEEK = 0x100C; // 0 Monday ... 6 Sunday
constexpr LCTYPE LOCALE_IDEFAULTMACCODEPAGE = 0x1011;
constexpr LCTYPE LOCALE_SENGLISHLANGUAGENAME = LOCALE_SENGLANGUAGE;
constexpr LCTYPE LOCALE_SENGLISHCOUNTRYNAME = LOCALE_SENGCOUNTRY;
constexpr LCTYPE LOCALE_SNATIVELANGUAGENAME = LOCALE_SNATIVELANGNAME;
constexpr LCTYPE LOCALE_SNATIVECOUNTRYNAME = LOCALE_SNATIVECTRYNAME;

// Writes the value and its terminating zero into data and returns the count of units including
// the terminator; a zero size asks for that count. With LOCALE_RETURN_NUMBER a numeric value
// comes back as a 32-bit number in two units (the count is 2). 0 on failure, with
// ERROR_INVALID_PARAMETER (unknown locale, missing buffer), ERROR_INVALID_FLAGS (a type not
// served here) or ERROR_INSUFFICIENT_BUFFER.
int32_t GetLocaleInfoW(LCID locale, LCTYPE type, char16_t *data, int32_t data_length);

// The value as a string; "" when the query fails.
String GetLocaleInfoString(LCID locale, LCTYPE type);

} // namespace textcore
