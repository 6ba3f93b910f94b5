// Reading "key = value" settings lines: the key, and the value as a decimal integer.
#pragma once

#include "platform/strings.h"

#include <cstdint>

namespace textcore {

// The text before the first "=", trimmed of spaces and control characters; empty without "=".
String KeyOfKeyPlusValue(const String &S);
// The text after the first "=", trimmed, as a decimal integer with an optional sign; 0 without
// "=", or when that text is not a decimal integer that fits in 32 bits ("$1F" and "0x1F" are
// not: a value is decimal).
int32_t ValueOfKeyPlusValue(const String &S);

} // namespace textcore
