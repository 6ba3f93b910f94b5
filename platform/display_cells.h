// How many cells of a fixed-width grid (a terminal, a monospaced column) a text takes: East
// Asian wide and full-width characters take two, combining marks and other characters drawn
// on or between their neighbours none, everything else one. Control characters count one, as
// the places that show text in columns show them as a space or a symbol.
//
// One table of all 65,536 UTF-16 units, built once from ICU's character database; supplementary
// characters are looked up one by one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace textcore {

// The cells of one code point: 0, 1 or 2.
int32_t DisplayCellsOf(char32_t c);
// The cells of a UTF-16 text; a surrogate pair is one character, a lone half one cell.
size_t DisplayCells(std::u16string_view text);
// The cells of the character starting at text[i] (0 for the second half of a pair, whose first
// half counts for both), and in units the number of units it takes.
int32_t DisplayCellsAt(std::u16string_view text, size_t i, size_t &units);

} // namespace textcore
