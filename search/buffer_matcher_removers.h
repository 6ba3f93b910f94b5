// Small in-place rewrites of a buffer that go with the buffer matcher: removing every occurrence
// of one character, replacing one character by another, and finding an integer in an array.
#pragma once

#include <cstdint>
#include <span>

namespace textcore {

// Removes every c within length characters, moving the rest down, and writes a NUL after the
// compacted text, so the buffer needs room for one character beyond length. Nothing is written
// when length is 0 or below. Returns the new length.
int32_t RemoveCharA(char *text, char c, int32_t length);
int32_t RemoveCharW(char16_t *text, char16_t c, int32_t length);

// Every c1 within length characters becomes c2.
void ReplaceChar1ByChar2W(char16_t *text, char16_t c1, char16_t c2, int32_t length);

// The 1-based position of the first of the first count values equal to value, or 0. A count
// beyond the array's size is taken as its size.
int32_t ScanForInt(int32_t value, std::span<const int32_t> values, int32_t count);

} // namespace textcore
