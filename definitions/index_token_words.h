// The token words of a word-list index, one 32-bit value per running word: the number of the
// word's type in the low 28 bits, and in the top four bits what follows the word.
#pragma once

#include <cstdint>

namespace textcore {

constexpr uint32_t token_type_mask = 0x0FFFFFFF;
constexpr uint32_t token_punct_end = 1u << 28;     // punctuation follows the word
constexpr uint32_t token_sent_end = 1u << 29;      // the word ends a sentence
constexpr uint32_t token_para_head_end = 1u << 30; // it ends a paragraph or a heading
constexpr uint32_t token_text_end = 1u << 31;      // it ends a text

constexpr uint32_t TypeRecWithoutTextMarker(uint32_t word) { return word & token_type_mask; }
constexpr bool TypeRecIsUnmarked(uint32_t word) { return (word & ~token_type_mask) == 0; }
constexpr bool TypeRecIsPunctEnd(uint32_t word) { return (word & token_punct_end) != 0; }
constexpr bool TypeRecIsSentEnd(uint32_t word) { return (word & token_sent_end) != 0; }
constexpr bool TypeRecIsParaHeadEnd(uint32_t word) { return (word & token_para_head_end) != 0; }
constexpr bool TypeRecIsTextEnd(uint32_t word) { return (word & token_text_end) != 0; }

} // namespace textcore
