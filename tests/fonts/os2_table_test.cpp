// The OS/2 table reader on hand-built tables: big-endian fields, version 0 without code pages,
// short and truncated tables, and every range bit landing in its word.
#include "fonts/os2_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace unidisplay {
namespace {

using Bytes = std::vector<uint8_t>;

void PutBigEndian(Bytes &table, size_t offset, uint32_t value) {
  for (int shift = 24, at = 0; shift >= 0; shift -= 8, ++at)
    table[offset + at] = static_cast<uint8_t>(value >> shift);
}

Bytes Table(uint16_t version, size_t size, const FONTSIGNATURE &signature) {
  Bytes table(std::max<size_t>(size, 2));
  table[0] = static_cast<uint8_t>(version >> 8);
  table[1] = static_cast<uint8_t>(version);
  for (size_t word = 0; word < 4; ++word)
    if (42 + 4 * word + 4 <= size)
      PutBigEndian(table, 42 + 4 * word, signature.fsUsb[word]);
  for (size_t word = 0; word < 2; ++word)
    if (78 + 4 * word + 4 <= size)
      PutBigEndian(table, 78 + 4 * word, signature.fsCsb[word]);
  table.resize(size);
  return table;
}

std::optional<TOS2Signature> Read(const Bytes &table) {
  return ReadOS2Table(table.data(), table.size());
}

TEST(OS2Table, ReadsTheFieldsThatTheVersionAndLengthHold) {
  FONTSIGNATURE signature;
  signature.fsUsb[0] = 0x80000003;
  signature.fsUsb[1] = 0x12345678;
  signature.fsUsb[2] = 0x9ABCDEF0;
  signature.fsUsb[3] = 0x0F0F0F0F;
  signature.fsCsb[0] = 0x20000005;
  signature.fsCsb[1] = 0xC0000000;
  struct Row {
    uint16_t version;
    size_t size;
    bool read;
    bool has_code_pages;
  } rows[] =
      {
          {0, 78, true, false},  // a whole version-0 table
          {0, 96, true, false},  // version 0 never has code pages, whatever follows
          {0, 58, true, false},  // just the ranges
          {0, 57, false, false}, // the last range cut
          {1, 86, true, true},   {4, 96, true, true},
          {1, 85, true, false}, // the second code-page word cut: no code pages at all
          {1, 78, true, false},  {0xFFFF, 86, true, true},
          {1, 2, false, false},  {1, 1, false, false},
          {1, 0, false, false},
      };
  for (const Row &row : rows) {
    const std::optional<TOS2Signature> got = Read(Table(row.version, row.size, signature));
    ASSERT_EQ(got.has_value(), row.read) << row.version << " " << row.size;
    if (!got)
      continue;
    EXPECT_EQ(got->has_code_pages, row.has_code_pages) << row.version << " " << row.size;
    for (size_t word = 0; word < 4; ++word)
      EXPECT_EQ(got->signature.fsUsb[word], signature.fsUsb[word]);
    EXPECT_EQ(got->signature.fsCsb[0], row.has_code_pages ? signature.fsCsb[0] : 0u);
    EXPECT_EQ(got->signature.fsCsb[1], row.has_code_pages ? signature.fsCsb[1] : 0u);
  }
  EXPECT_FALSE(ReadOS2Table(nullptr, 86).has_value());
}

TEST(OS2Table, EveryRangeBitLandsInItsWord) {
  for (int bit = 0; bit < 128 + 64; ++bit) {
    FONTSIGNATURE signature;
    if (bit < 128)
      signature.fsUsb[bit / 32] = 1u << (bit % 32);
    else
      signature.fsCsb[(bit - 128) / 32] = 1u << (bit % 32);
    const std::optional<TOS2Signature> got = Read(Table(1, 86, signature));
    ASSERT_TRUE(got.has_value());
    for (size_t word = 0; word < 4; ++word)
      EXPECT_EQ(got->signature.fsUsb[word], signature.fsUsb[word]) << bit;
    for (size_t word = 0; word < 2; ++word)
      EXPECT_EQ(got->signature.fsCsb[word], signature.fsCsb[word]) << bit;
  }
}

} // namespace
} // namespace unidisplay
