// Converting, reading, writing and inserting into text files. Every rewrite of a user's file is
// written beside it and renamed over it: a failure halfway leaves the old file.
#pragma once

#include "platform/nls_locale_ids.h"
#include "platform/string_list.h"
#include "platform/strings.h"

#include <cstdint>

namespace textcore {

// Rewrites an 8-bit text file as UTF-16 LE with the mark FF FE, each line ended by CR LF: the
// bytes up to the first zero byte, in the code page of lcid (composed to precomposed form), or as
// UTF-8 when the file starts with the UTF-8 signature (a signature says what the bytes are, and
// the locale's page would write mojibake over the file). True when the file exists, also when it
// is UTF-16 already and is left as it is. Errors of reading and writing raise.
bool ConvertATextFileAnsiToUTF16(const String &file_name, LCID lcid);

// The file's lines as a string list loads them (byte-order mark, else the default 8-bit code
// page), joined by CR LF with a CR LF after the last; "" when the file does not exist.
String TextFileContents(const String &file_name);

// Writes FF FE and the UTF-16 LE units of text (no line break added); false, writing nothing,
// when text is empty. Errors raise.
bool SavedTextAsStream(const String &text, const String &file_name);

// Inserts text into the file's text at the 1-based character position (0 or 1: at the start;
// beyond the end: after the final CR LF), first backing the file up to ".bak" when asked (a file
// that is its own backup is not copied onto itself). The W form saves as UTF-16 LE with FF FE, the
// A form in the encoding the file was read in. A position inside a surrogate pair splits it.
// Every error gives false.
bool InsertIntoFileW(const String &file_name, const String &text, bool backup, uint32_t position);
bool InsertIntoFileA(const String &file_name, const String &text, bool backup, uint32_t position);

} // namespace textcore
