// Small helpers of wide text: ampersands for menu captions, byte order and scans of wide
// buffers, the end of a string, and Booleans as the catalogue's words.
#pragma once

#include "platform/strings.h"

#include <cstdint>

namespace textcore {

// Doubles each "&" (so a caption shows it rather than underlining the next letter) unless it is
// already followed by "&", or it is the last character and follows an "&": "a&b" becomes
// "a&&b", "a&&b" "a&&&b", "a&" "a&&"; "a&&" stays.
String DoubleAnyAmpersands(StringView s);

// Swaps the two bytes of every unit of a zero-terminated wide buffer in place, up to the
// terminator (nullptr is left alone).
void StrSwapByteOrder(char16_t *p);

// The first of the max_len units from p equal to c (the terminator is no end: the count is),
// or nullptr. p itself when p is nullptr or max_len is 0.
const char16_t *StrLScanW(const char16_t *p, char16_t c, uint32_t max_len);
char16_t *StrLScanW(char16_t *p, char16_t c, uint32_t max_len);

// The last n characters of s (all of it when it is shorter; none for n below 1).
String Rightstr(StringView s, int32_t n);

// The catalogue's "true" or "false".
String BooleanToStr(bool b);
// s is the catalogue's "true", ASCII letters compared ignoring case.
bool StrToBoolean(StringView s);

} // namespace textcore
