// Turning the bytes of a text file into UTF-16 text for qmark concord.
//
// A stopgap: it stays only until the library's own text-file detection exists, which will also
// weigh the code pages against each other; qmark then calls that instead.
//
// The rules, in order: a UTF-16 byte-order mark (FF FE little-endian, FE FF big-endian); the
// UTF-8 signature EF BB BF; bytes that are valid UTF-8 throughout (pure ASCII included); anything
// else is 8-bit text in the ANSI code page of the language (the system's ANSI code page when the
// language has none). The mark itself is not part of the text. Damaged input never fails: a
// malformed sequence after a UTF-8 signature and a lone trailing byte of UTF-16 become U+FFFD.
#pragma once

#include "platform/nls_locale_ids.h"
#include "platform/strings.h"

#include <string_view>

namespace qmark {

textcore::String TextOfFileBytes(std::string_view bytes, textcore::LCID lcid);

} // namespace qmark
