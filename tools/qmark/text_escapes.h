// Text written into qmark's output formats, encoded as UTF-8 as it is escaped: flat (control
// characters, tabs and line ends shown as spaces), TSV (\t \n \r \\) or JSON (a string's
// escapes). A lone surrogate, such as an undecodable byte of a file name, is written as U+FFFD so
// that the output is always valid UTF-8.
#pragma once

#include "platform/strings.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace qmark {

enum class Escape : uint8_t { kFlat, kTsv, kJson };

// The most bytes one UTF-16 unit may take: "\u00XX" for a control character in JSON.
constexpr size_t kMaxEscapedBytesPerUnit = 6;

// Writes text at out, which has room for text.size() * kMaxEscapedBytesPerUnit bytes, and
// returns the position after it.
char *PutEscaped(char *out, textcore::StringView text, Escape escape);
// Appends text to out.
void AppendEscaped(std::string &out, textcore::StringView text, Escape escape);

} // namespace qmark
