// Cleaning and rewriting text: blank lines, spaces at line starts and before punctuation, menu
// ampersands, unwanted characters, runs of line ends, short markup runs, brackets and quotes,
// replacements, and cutting long text into prefixed lines.
//
// Lines end with CR LF. "Blank" means a character up to U+0020. Functions marked "yields" call
// the host's yield hook once per character (or per replacement made), so that a long text keeps
// the program responsive.
#pragma once

#include "platform/string_list.h"
#include "platform/strings.h"

#include <cstdint>

namespace textcore {

// s without its lines (each ended by CR LF) that hold nothing but blanks; an unended last line
// stays.
String RemovedEmptyLinesOf(StringView s);
// s without the U+0020 spaces that directly follow each CR LF.
String StrippedSpacesAtLineStarts(StringView s);
// Every "&" dropped unless another follows it; of "&&" one "&" stays: "&File && Save" gives
// "File & Save".
String StrippedOfSingleAmpersands(StringView s);
// s without every c / every character of chars / every ","; yield.
String StrippedOfChar(StringView s, char16_t c);
String StrippedOfChars(StringView s, StringView chars);
String StrippedOfCommas(StringView s);
// s without each U+0020 whose next visible character is punctuation (NextValidCharIsPunctuation).
String StrippedSpacesBeforePunctuation(StringView s);
// At most n characters of s, up to a #0: each blank becomes one space and the blanks straight
// after it are dropped. "" for n below 1.
String StripWhiteSpaceAndCRLFW(StringView s, int32_t n);
// From each CR, the run of CR and LF characters becomes one CR LF; with n, at most n line ends of
// the run stay (at least one), a CR LF pair, a lone CR and a lone LF each counting as one and
// each written as CR LF.
String StrippedMultipleLineEnds(StringView s);
String StrippedMultipleLineEnds(StringView s, int32_t n);
// The characters of s in reverse order; a surrogate pair stays one character.
String BackwardsStr(StringView s);
// Each character followed by one space: "ab" gives "a b ".
String InterspersedWithSpaces(StringView s);
// s without its first character when that is c.
String RemovedInitialChar(StringView s, char16_t c);
// Every a in s becomes b, left to right, what is put in never searched again; yields per
// replacement. An empty a replaces nothing.
void Replace1With2In(StringView a, StringView b, String &s);
void Replace1With2In(std::string_view a, std::string_view b, AnsiString &s);
// Replace1With2In(a, b, s) then Replace1With2In(c, d, s).
void Replace2With4In(StringView a, StringView b, StringView c, StringView d, String &s);
void Replace2With4In(std::string_view a, std::string_view b, std::string_view c, std::string_view d,
                     AnsiString &s);
// s with every character that occurs in chars made c.
String ReplaceAnyOfTheseWithChar(StringView chars, StringView s, char16_t c);
// StringReplace on 8-bit text. Without rfIgnoreCase the bytes are replaced as they stand; with
// it, the text is read in the system's code page and letters of any script match their other
// case (single-byte pages come back byte for byte).
AnsiString AnsiStringReplace(std::string_view s, std::string_view old_pattern,
                             std::string_view new_pattern, TReplaceFlags flags);
// Every "</p>", "</div>" and "</head>", in any case, becomes CR LF.
String ParaDivHeadingEndToCRLF(StringView s);
// s without each run from an open character through the next close character that is at most
// max characters long (both ends counted); a longer run stays, and the search goes on after its
// opening character.
String WithoutMarkup(StringView s, char16_t open, char16_t close, int32_t max);
// s when it has at most n characters; else its first n, then "…" (U+2026) when ellipsis is set.
String FirstXCharactersOfString(StringView s, int32_t n, bool ellipsis);
// "(" before and ")" after s, each unless s already starts / ends with it; "<" and ">" likewise.
String Bracketed(StringView s);
String Angle_Bracketed(StringView s);
// s without a leading "<" and a trailing ">".
String UNAngle_Bracketed(StringView s);
// Trim(s) between double quotes / Trim(s) with every double quote dropped.
String DoubleQuotesAdded(StringView s);
String DoubleQuotesRemoved(StringView s);
// s cut into lines: each chunk runs through the first sep that starts at least n characters
// after the chunk's start and is written as prefix + chunk + CR LF; what remains (when anything
// does) as prefix + rest. An empty sep cuts nowhere.
String StringInNCharacterChunks(StringView s, StringView prefix, StringView sep, int32_t n);
// Every c becomes the vertical tab U+000B; the list form does so in every line.
String FromColumnedWidestringToVerticalTabbed(StringView s, char16_t c);
void FromColumnedWidestringToVerticalTabbed(TStringList &list, char16_t c);

} // namespace textcore
