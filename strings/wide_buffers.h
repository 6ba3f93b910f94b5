// Zero-terminated text buffers handed to callers that keep text outside strings, and small
// helpers on wide text: filling, scanning and expanding tabs.
//
// A new buffer is a unique_ptr to an array; the Delete functions free it early and leave the
// pointer null, as the buffer's owner would expect after freeing it.
#pragma once

#include "platform/strings.h"

#include <cstdint>
#include <memory>

namespace textcore {

// A new buffer holding the first n units of p and a terminator; the caller answers for p holding
// n units. Null for a null p; a negative n counts as 0.
std::unique_ptr<char[]> NewLenPAnsichar(const char *p, int32_t n);
std::unique_ptr<char16_t[]> NewLenPWidechar(const char16_t *p, int32_t n);
// The same with n limited to the length of the zero-terminated p.
std::unique_ptr<char[]> StrNewLen(const char *p, int32_t n);
std::unique_ptr<char16_t[]> StrNewWLen(const char16_t *p, int32_t n);
// A copy of the whole zero-terminated p; null for a null p.
std::unique_ptr<char[]> NewPAnsichar(const char *p);
std::unique_ptr<char16_t[]> NewPWideChar(const char16_t *p);
void DeletePAnsichar(std::unique_ptr<char[]> &p);
void DeletePWideChar(std::unique_ptr<char16_t[]> &p);

// Fills count div 2 UTF-16 units of p with c: count is in bytes, and below 2 fills nothing.
void FillWChar(char16_t *p, int32_t count, char16_t c);

// The 1-based position of the first c in s at or after from (a from below 1 counts as 1); 0 if
// there is none.
int32_t StrScanIndex(StringView s, char16_t c, int32_t from);

// s with every TAB replaced by n spaces (none for n below 1), not by tab stops.
String ExpandTabbedWideString(StringView s, int32_t n);

} // namespace textcore
