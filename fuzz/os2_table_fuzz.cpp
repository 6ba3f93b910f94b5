// The OS/2 table reader on arbitrary bytes: reading never runs past the table, a table shorter
// than the Unicode ranges gives nothing, and code pages are only read from a table that holds
// them; what is read matches the big-endian fields.
#include "fonts/os2_table.h"
#include "fuzz/fuzz_check.h"

#include <cstdint>

using namespace unidisplay;

namespace {

uint32_t BigEndianAt(const uint8_t *data, size_t offset) {
  return static_cast<uint32_t>(data[offset]) << 24 | static_cast<uint32_t>(data[offset + 1]) << 16 |
         static_cast<uint32_t>(data[offset + 2]) << 8 | data[offset + 3];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const std::optional<TOS2Signature> read = ReadOS2Table(data, size);
  FUZZ_CHECK(read.has_value() == (size >= 58));
  if (!read)
    return 0;
  for (size_t word = 0; word < 4; ++word)
    FUZZ_CHECK(read->signature.fsUsb[word] == BigEndianAt(data, 42 + 4 * word));
  const bool has_code_pages = (data[0] != 0 || data[1] != 0) && size >= 86;
  FUZZ_CHECK(read->has_code_pages == has_code_pages);
  for (size_t word = 0; word < 2; ++word)
    FUZZ_CHECK(read->signature.fsCsb[word] ==
               (has_code_pages ? BigEndianAt(data, 78 + 4 * word) : 0u));
  return 0;
}
