// Moving text between 8-bit code pages and UTF-16, between line-end conventions and to and from
// strings of hexadecimal codes; short copies into fixed process-wide buffers for callers that
// want a zero-terminated pointer; and the checksum of a buffer.
//
// The locale forms read text in the locale's 8-bit (ANSI) code page, those without a code page
// in the system's. A character a code page lacks becomes its nearest form or "?".
#pragma once

#include "platform/nls_code_pages.h"
#include "platform/nls_locale_ids.h"
#include "platform/strings.h"

#include <array>
#include <cstdint>

namespace textcore {

// len bytes from p (up to a #0 when len is negative) in UTF-16.
String ConvertedToWideString(uint32_t code_page, const char *p, int32_t len);
String ConvertedToWideString(const char *p, int32_t len);
// The locale takes a name of its own: a locale identifier and a code page are both 32-bit
// numbers here, so they cannot be told apart by type.
String ConvertedToWideStringOfLocale(LCID locale, const char *p, int32_t len);
// The zero-terminated UTF-16 text at p (nullptr: "") in 8-bit text.
AnsiString ConvertedFromWideString(uint32_t code_page, const char16_t *p);
AnsiString ConvertedFromWideString(const char16_t *p);
AnsiString ConvertedFromWideStringOfLocale(LCID locale, const char16_t *p);

// What the GetCopyOf... functions fill and return: at most 255 units or bytes and a #0. A result
// stays valid until the next call, on any thread; do not call them on two threads at once.
extern std::array<char, 256> copyA;
extern std::array<char16_t, 256> copyW;
// s converted as the names say and copied into copyW or copyA. A character is never cut in two:
// a surrogate pair, a double-byte character or a UTF-8 sequence that would not fit whole is
// left out.
const char16_t *GetCopyOfAnsiEncodedAsUnicode(std::string_view s, uint32_t code_page = CP_ACP);
const char *GetCopyOfAnsiEncodedAsAnsi(std::string_view s, uint32_t code_page = CP_ACP);
const char16_t *GetCopyOfWideSTringEncodedASUnicode(StringView s);
const char *GetCopyOfWideSTringEncodedAsAnsi(StringView s, uint32_t code_page = CP_ACP);

// s up to its first #0 with every CR not followed by LF given an LF after it and every LF not
// preceded by CR given a CR before it; count is the number of characters added.
String UnixStringToWindowsStringW(int32_t &count, StringView s);
AnsiString UnixStringToWindowsString(int32_t &count, std::string_view s);
// s with every CR LF made LF; a lone CR stays, so LF text comes back from a trip through
// UnixStringToWindowsString unchanged.
String WindowsStringToUnixStringW(StringView s);
AnsiString WindowsStringToUnixString(std::string_view s);

// The UTF-16 unit n when n < 65536, otherwise "?".
char16_t WideCharFromCardinal(uint32_t n);
String WideStringFromCardinal(uint32_t n);
// Each unit as its code in at least two upper-case hexadecimal digits and a ",": "A" + U+20AC
// gives "41,20AC,".
String ToHexNumStr(StringView s);
// The reverse: each comma-separated group read as a hexadecimal code, of any length (so codes
// above FF read too); an empty group, one that is no hexadecimal number and one past FFFF are
// passed over.
String FromHexNumStr(StringView s);
// My4Checksum of the n bytes at p.
uint32_t CheckSumOfABufferful(const void *p, int32_t n);

} // namespace textcore
