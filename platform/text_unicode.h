// Whether a buffer without a byte-order mark holds UTF-16 text: our own statistical test, where
// Windows had IsTextUnicode.
//
// The rules, over an even prefix of at most 64 KiB (kTextUnicodeWindow):
// - refused at once: a buffer that is all printable ASCII (even-length English is the classic
//   false positive), and one that is well-formed UTF-8 with a multi-byte sequence;
// - refused when a unit could not be in a text: a lone surrogate, U+FFFE or U+FFFF, U+0000 but
//   as the last unit, or a C0 control other than TAB, LF, CR and FF;
// - accepted when at least half of the units have a zero high byte and at most one in twenty a
//   zero low byte (Latin scripts), or when the high bytes take at most half as many values as the
//   low bytes over at least 16 units (one alphabet's block: Cyrillic, Greek, Hebrew; CJK).
// The reversed form asks the same of the bytes taken in pairs the other way round (big-endian).
#pragma once

#include <cstdint>

namespace textcore {

constexpr int64_t kTextUnicodeWindow = 64 * 1024;

bool IsTextUnicode(const void *buffer, int64_t size);
bool IsTextUnicodeReversed(const void *buffer, int64_t size);

} // namespace textcore
