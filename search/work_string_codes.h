// The work-string codes: the code points below U+0020 that the operators of a typed search word
// become, and all that the buffer matcher ever sees of them. Defined here once, for the parser
// that writes them, the matcher that reads them and the engine that shows them.
#pragma once

namespace textcore {

constexpr char16_t sw_tag_not_code = 0x1F;    // "~" in a tag pattern: not this tag
constexpr char16_t sw_any_letter_code = 0x1E; // "^": one letter
constexpr char16_t sw_asterisk_code = 0x1D;   // "*" inside a word
constexpr char16_t sw_question_code = 0x1C;   // "?": one character
constexpr char16_t sw_digits_code = 0x1B;     // "#": one or more digits
constexpr char16_t sw_any_word_code = 0x1A;   // " * ": exactly one word
constexpr char16_t sw_tag_open_code = 0x19;   // "<" of a tag searched for
constexpr char16_t sw_tag_close_code = 0x18;  // ">" of a tag searched for
constexpr char16_t sw_any_string_code = 0x15; // "}}}": any stretch of text
constexpr char16_t sw_line_end_code = 0x13;   // a line break at the end of the item
constexpr char16_t sw_line_start_code = 0x10; // a line break at the start of the item

} // namespace textcore
