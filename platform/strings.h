// Text types and the string helpers of the host framework.
//
// String is UTF-16, AnsiString holds bytes in a code page. Positions are 1-based where the
// framework counted from 1 (Pos, Copy, Delete, Insert); 0 means "not found". Case helpers
// without "Ansi" in their name touch only the ASCII letters, as the framework's did; the
// locale-aware forms are AnsiUpperCase, AnsiCompareText and their kin.
#pragma once

#include "platform/set.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace textcore {

using String = std::u16string;
using AnsiString = std::string;
using StringView = std::u16string_view;

// UTF-8 and UTF-16 ---------------------------------------------------------------------------
// Malformed input becomes U+FFFD in either direction; nothing is dropped silently.
String UTF8ToString(std::string_view utf8);
std::string StringToUTF8(StringView text);
// ASCII text in source code (names, formats) as a String.
String ASCIIToString(std::string_view ascii);

// Positions and pieces ------------------------------------------------------------------------
// 1-based position of the first substr in s at or after offset, or 0.
int32_t Pos(StringView substr, StringView s, int32_t offset = 1);
// count characters from 1-based index; out-of-range parts are clipped, never an error.
String Copy(StringView s, int32_t index, int32_t count);
void Delete(String &s, int32_t index, int32_t count);
void Insert(StringView source, String &s, int32_t index);
String StringOfChar(char16_t c, int32_t count);
String LeftStr(StringView s, int32_t count);
String RightStr(StringView s, int32_t count);

// Trimming removes characters up to and including the space, as the framework did.
String Trim(StringView s);
String TrimLeft(StringView s);
String TrimRight(StringView s);

// ASCII-only case ------------------------------------------------------------------------------
String UpperCase(StringView s);
String LowerCase(StringView s);
int32_t CompareStr(StringView a, StringView b);  // ordinal, by UTF-16 unit
int32_t CompareText(StringView a, StringView b); // ordinal, ASCII letters folded
bool SameText(StringView a, StringView b);
bool SameStr(StringView a, StringView b);

enum TReplaceFlag : uint8_t { rfReplaceAll, rfIgnoreCase };
using TReplaceFlags = Set<TReplaceFlag, 2>;
// Replaces the first occurrence of old_pattern, or all with rfReplaceAll; rfIgnoreCase folds
// ASCII letters only.
String StringReplace(StringView s, StringView old_pattern, StringView new_pattern,
                     TReplaceFlags flags);

// Integers --------------------------------------------------------------------------------------
String IntToStr(int64_t value);
String UIntToStr(uint64_t value);
// Uppercase hexadecimal, at least digits characters, zero-padded.
String IntToHex(uint64_t value, int32_t digits);
// Decimal, or hexadecimal after "$", "0x" or "0X"; surrounding blanks allowed. Out-of-range or
// malformed text fails.
bool TryStrToInt(StringView s, int32_t &value);
bool TryStrToInt64(StringView s, int64_t &value);
// Only an optionally signed run of decimal digits: no blanks, no hexadecimal. For text the user
// or a settings file spells out number by number ("255,0,0").
bool TryDecimalToInt(StringView s, int32_t &value);
int32_t StrToInt(StringView s); // raises EConvertError "'%s' is not a valid integer value"
int64_t StrToInt64(StringView s);
int32_t StrToIntDef(StringView s, int32_t default_value);
int64_t StrToInt64Def(StringView s, int64_t default_value);

// Quoting ---------------------------------------------------------------------------------------
// s between quote characters, every quote inside doubled.
String AnsiQuotedStr(StringView s, char16_t quote);
String QuotedStr(StringView s);
// Reverses AnsiQuotedStr: the text between the opening quote and the closing one, doubled quotes
// undone. Text that does not start with the quote, or never closes it, comes back whole.
String AnsiDequotedStr(StringView s, char16_t quote);

} // namespace textcore
