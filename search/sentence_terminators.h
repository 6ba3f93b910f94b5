// The sentence-terminator tables: the UTF-16 units that end a sentence, in Latin script and in
// others, and the punctuation outside Latin-1 that never does. Each table is sorted ascending so
// that a caller can look a character up with a binary search.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace textcore {

// "!", "." and "?".
extern const std::array<char16_t, 3> basic_sent_terminators;
// Full stops, question and exclamation marks of other scripts (Armenian, Arabic, Devanagari,
// Ethiopic, CJK, full-width forms and more).
extern const std::array<char16_t, 63> other_sent_terminators;
// Punctuation outside Latin-1 that never ends a sentence (commas, semicolons, section marks of
// other scripts, daggers, ideographic comma and the like).
extern const std::array<char16_t, 276> punct_not_ending_sent;

// Binary search of one of the tables above.
template <std::size_t N> bool InSentenceTable(const std::array<char16_t, N> &table, char16_t c) {
  return std::binary_search(table.begin(), table.end(), c);
}

} // namespace textcore
