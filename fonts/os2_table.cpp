// Reading the OS/2 table's signature fields.
#include "fonts/os2_table.h"

namespace unidisplay {
namespace {

constexpr size_t kUnicodeRangeOffset = 42;  // ulUnicodeRange1..4
constexpr size_t kCodePageRangeOffset = 78; // ulCodePageRange1..2, from version 1 on
constexpr size_t kVersion1Size = 86;

bool ReadUInt16(const uint8_t *table, size_t size, size_t offset, uint16_t &value) {
  if (size < 2 || offset > size - 2)
    return false;
  value = static_cast<uint16_t>(table[offset] << 8 | table[offset + 1]);
  return true;
}

bool ReadUInt32(const uint8_t *table, size_t size, size_t offset, uint32_t &value) {
  if (size < 4 || offset > size - 4)
    return false;
  value = static_cast<uint32_t>(table[offset]) << 24 |
          static_cast<uint32_t>(table[offset + 1]) << 16 |
          static_cast<uint32_t>(table[offset + 2]) << 8 | table[offset + 3];
  return true;
}

} // namespace

std::optional<TOS2Signature> ReadOS2Table(const uint8_t *table, size_t size) {
  if (table == nullptr)
    return std::nullopt;
  uint16_t version = 0;
  if (!ReadUInt16(table, size, 0, version))
    return std::nullopt;
  TOS2Signature result;
  for (size_t word = 0; word < 4; ++word)
    if (!ReadUInt32(table, size, kUnicodeRangeOffset + 4 * word, result.signature.fsUsb[word]))
      return std::nullopt;
  if (version >= 1 && size >= kVersion1Size) {
    for (size_t word = 0; word < 2; ++word)
      if (!ReadUInt32(table, size, kCodePageRangeOffset + 4 * word, result.signature.fsCsb[word]))
        return std::nullopt;
    result.has_code_pages = true;
  }
  return result;
}

} // namespace unidisplay
