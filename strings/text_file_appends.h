// Appending text to the end of a file: 8-bit lines, or UTF-16 text in the suite's own form
// (little-endian, the file starting with the byte-order mark FF FE).
//
// A missing file is made; the text goes after what the file holds, which is never rewritten.
// Failures (a folder where the file should be, no permission, a full disk) give false.
#pragma once

#include "platform/string_list.h"
#include "platform/strings.h"

namespace textcore {

// Appends text as UTF-16 little-endian, writing FF FE first when the file is new or empty.
bool AddToFileOfChar(const String &filename, StringView text);
// Appends each line in the system's 8-bit code page, followed by CR LF.
bool AnsiAppendToTextFile(const String &filename, const TStringList &lines);
// Appends the list's whole Text (each line followed by CR LF) with AddToFileOfChar.
bool UnicodeAppendToTextFile(const String &filename, const TStringList &lines);

} // namespace textcore
