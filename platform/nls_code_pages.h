// Code-page conversion between 8-bit text and UTF-16 (MultiByteToWideChar, WideCharToMultiByte)
// with the Windows calling convention, and the system's 8-bit and console code pages.
//
// Convention: a zero output size asks for the size needed and writes nothing; otherwise the
// result is the number of units (or bytes) written, and 0 means failure with the reason in
// GetLastError(): ERROR_INSUFFICIENT_BUFFER (output too small; what fitted may have been
// written), ERROR_NO_UNICODE_TRANSLATION (invalid input under the strict flags),
// ERROR_INVALID_PARAMETER, ERROR_INVALID_FLAGS. An input length of -1 means zero-terminated, and
// the terminator is converted and counted too.
//
// Code pages: the Windows single-byte pages 874 and 1250 to 1258, the console pages 437, 737,
// 775, 850, 852, 855, 857, 860 to 866 and 869, the double-byte pages 932, 936, 949 and 950, and
// UTF-8 (65001). Where ICU's tables and Windows's differ, Windows's answer is taken: bytes 0x00
// to 0x7F are ASCII in every page (ICU's IBM console tables move 0x1A, 0x1C and 0x7F), the
// unassigned bytes 0x80 to 0x9F of the 125x pages stand for the C1 controls U+0080 to U+009F,
// 1253's unassigned 0xAA, 0xD2 and 0xFF stand for U+F8F9, U+F8FA and U+F8FB, 874's for U+F8C1 to
// U+F8C8, 1255's 0xCA is U+05BA and 852's 0xAA is U+00AC.
//
// Every other byte that a single-byte page has no character for (1255's 0xD9 to 0xDF, 0xFB, 0xFC
// and 0xFF, 1257's 0xA1 and 0xA5, 20127's 0x80 to 0xFF, the holes of the ISO and console pages)
// stands for a private-use character of its own, U+F700 plus the byte (1255's 0xD9 is U+F7D9),
// and that character goes back to the byte. So every byte of every single-byte page decodes to
// a character that no other byte of the page has, and 8-bit text comes back from UTF-16 byte for
// byte. MB_ERR_INVALID_CHARS refuses none of these stand-ins, as it refuses none of the C1
// controls: like them they are characters that give their byte back, so a single-byte page
// decodes any bytes strictly, and a caller weighing which page a file is in counts C1 controls
// and stand-ins as evidence against a page instead of waiting for a failure.
#pragma once

#include "platform/encoding.h" // CP_UTF8 and the other code pages with a meaning of their own
#include "platform/nls_locale_ids.h"
#include "platform/strings.h"

#include <cstdint>

namespace textcore {

constexpr uint32_t CP_ACP = 0;
constexpr uint32_t CP_OEMCP = 1;
constexpr uint32_t CP_MACCP = 2;
constexpr uint32_t CP_THREAD_ACP = 3;

constexpr uint32_t MB_PRECOMPOSED = 0x01;
constexpr uint32_t MB_COMPOSITE = 0x02;
constexpr uint32_t MB_USEGLYPHCHARS = 0x04;
constexpr uint32_t MB_ERR_INVALID_CHARS = 0x08;

constexpr uint32_t WC_DISCARDNS = 0x0010;
constexpr uint32_t WC_SEPCHARS = 0x0020;
constexpr uint32_t WC_DEFAULTCHAR = 0x0040;
constexpr uint32_t WC_ERR_INVALID_CHARS = 0x0080;
constexpr uint32_t WC_COMPOSITECHECK = 0x0200;
constexpr uint32_t WC_NO_BEST_FIT_CHARS = 0x0400;

// The system's 8-bit (ANSI) and console (OEM) code pages: those of the user's locale (LC_ALL,
// LC_CTYPE or LANG); 1252 and 850 for the C and POSIX locales, an unset environment, and locales
// whose script has no 8-bit code page.
uint32_t GetACP();
uint32_t GetOEMCP();
// Whether the code page can be converted here (after CP_ACP and its kin are resolved).
bool IsValidCodePage(uint32_t code_page);
// A byte that starts a two-byte character in a double-byte code page.
bool IsDBCSLeadByteEx(uint32_t code_page, uint8_t byte);

// 8-bit text to UTF-16. flags: MB_PRECOMPOSED (the default form), MB_COMPOSITE (decomposed
// output), MB_USEGLYPHCHARS (console pages: the glyphs of bytes 0x01-0x1F and 0x7F),
// MB_ERR_INVALID_CHARS (which no byte of a single-byte page fails, see above). UTF-8 accepts
// MB_ERR_INVALID_CHARS alone; an invalid, overlong or surrogate sequence becomes U+FFFD per
// maximal bad subsequence, or fails under that flag.
int32_t MultiByteToWideChar(uint32_t code_page, uint32_t flags, const char *source,
                            int32_t source_length, char16_t *target, int32_t target_length);

// UTF-16 to 8-bit text. A character the code page lacks becomes its best fit (the same letter
// without its accent, the ASCII form of a full-width letter) unless WC_NO_BEST_FIT_CHARS, else
// default_char (nullptr: "?"), and *used_default (when given) is set. WC_COMPOSITECHECK joins a
// letter and its combining marks into one precomposed character where the page has it; when it
// has not, WC_SEPCHARS (the default) converts them one by one, WC_DISCARDNS drops the marks and
// WC_DEFAULTCHAR writes one default character. UTF-8 takes no default character and no
// used-default flag (ERROR_INVALID_PARAMETER) and accepts WC_ERR_INVALID_CHARS alone: a lone
// surrogate becomes U+FFFD's bytes, or fails under that flag.
int32_t WideCharToMultiByte(uint32_t code_page, uint32_t flags, const char16_t *source,
                            int32_t source_length, char *target, int32_t target_length,
                            const char *default_char, bool *used_default);

// The 256 characters of a single-byte code page, indexed by byte, stand-ins included. nullptr
// for a double-byte page, UTF-8 or an unknown page. Built once per page.
const char16_t *CodePageToUnicodeTable(uint32_t code_page);

// Whole-string forms. Invalid input becomes U+FFFD (or the default character); an unknown code
// page gives an empty result with ERROR_INVALID_PARAMETER.
String AnsiToString(std::string_view bytes, uint32_t code_page = CP_ACP);
AnsiString StringToAnsi(StringView text, uint32_t code_page = CP_ACP, bool *used_default = nullptr);
// The default ANSI and OEM code pages of a locale, as Windows assigns them; 0 for a locale whose
// script has no 8-bit code page (Hindi, Georgian...) and for an unknown LCID.
uint32_t DefaultAnsiCodePageOf(LCID lcid);
uint32_t DefaultOemCodePageOf(LCID lcid);
// The 8-bit code page to read a locale's text in: its default ANSI code page, or the system's
// (GetACP) when the locale's script has none or the LCID is unknown.
uint32_t LCIDToCodePage(LCID lcid);

} // namespace textcore
