// Display cells from ICU's East Asian width and general category.
#include "platform/display_cells.h"

#include "platform/unit_scan.h"
#include "platform/utf.h"

#include <unicode/uchar.h>

#include <array>
#include <memory>

namespace textcore {

namespace {

int32_t CellsFromIcu(char32_t c) {
  const UChar32 cp = static_cast<UChar32>(c);
  const int8_t category = static_cast<int8_t>(u_charType(cp));
  // Marks sit on their letter; format characters (joiners, the zero-width space) are not drawn;
  // the medial and final jamo of Hangul join the syllable before them.
  if ((category == U_NON_SPACING_MARK || category == U_ENCLOSING_MARK ||
       category == U_FORMAT_CHAR) &&
      c != 0x00AD)
    return 0;
  if ((c >= 0x1160 && c <= 0x11FF) || (c >= 0xD7B0 && c <= 0xD7FF))
    return 0;
  const int32_t width = u_getIntPropertyValue(cp, UCHAR_EAST_ASIAN_WIDTH);
  return width == U_EA_WIDE || width == U_EA_FULLWIDTH ? 2 : 1;
}

const std::array<uint8_t, 0x10000> &UnitCells() {
  static const std::unique_ptr<std::array<uint8_t, 0x10000>> table = [] {
    auto t = std::make_unique<std::array<uint8_t, 0x10000>>();
    for (char32_t c = 0; c < 0x10000; ++c)
      (*t)[c] = IsSurrogate(static_cast<char16_t>(c)) ? 1 : static_cast<uint8_t>(CellsFromIcu(c));
    return t;
  }();
  return *table;
}

} // namespace

int32_t DisplayCellsOf(char32_t c) {
  if (c < 0x10000)
    return UnitCells()[c];
  return c <= 0x10FFFF ? CellsFromIcu(c) : 1;
}

int32_t DisplayCellsAt(std::u16string_view text, size_t i, size_t &units) {
  units = 1;
  const char16_t c = text[i];
  if (!IsSurrogate(c))
    return UnitCells()[c];
  if (IsSecondHalfOfPair(text, i))
    return 0;
  if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
    units = 2;
    return DisplayCellsOf(CodePointOfPair(c, text[i + 1]));
  }
  return 1;
}

size_t DisplayCells(std::u16string_view text) {
  const std::array<uint8_t, 0x10000> &cells = UnitCells();
  const char16_t *const begin = text.data(), *const end = begin + text.size();
  size_t total = 0;
  for (size_t i = 0; i < text.size();) {
    // Every ASCII unit, control or not, takes one cell: runs of them are counted a block at a time.
    if (text[i] < 0x80) {
      const char16_t *wide = unit_scan::ScanForAtLeast(begin + i, end, char16_t{0x80});
      const size_t next = wide ? static_cast<size_t>(wide - begin) : text.size();
      total += next - i;
      i = next;
      continue;
    }
    if (!IsSurrogate(text[i])) {
      total += cells[text[i++]];
      continue;
    }
    size_t units = 1;
    total += static_cast<size_t>(DisplayCellsAt(text, i, units));
    i += units;
  }
  return total;
}

} // namespace textcore
