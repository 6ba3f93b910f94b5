// qmark's text reading: the first byte picks the language (and so the 8-bit code page), the rest
// is a file's content. Reading never fails, a decoded text is never longer in units than the file
// in bytes, and UTF-16 behind either byte-order mark comes back unit for unit.
#include "fuzz/fuzz_check.h"
#include "tools/qmark/text_reading.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace {

constexpr textcore::LCID kLanguages[] = {0x409, 0x407, 0x419, 0x408, 0x40D, 0x411,
                                         0x804, 0x412, 0x439, 0x41F, 0x42A, 0x401};

std::string WithMark(std::u16string_view units, bool big_endian) {
  std::string bytes = big_endian ? "\xFE\xFF" : "\xFF\xFE";
  for (char16_t unit : units) {
    const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    bytes += big_endian ? high : low;
    bytes += big_endian ? low : high;
  }
  return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  if (size < 1)
    return 0;
  const textcore::LCID lcid = kLanguages[data[0] % std::size(kLanguages)];
  const std::string_view bytes(reinterpret_cast<const char *>(data + 1), size - 1);
  const textcore::String text = qmark::TextOfFileBytes(bytes, lcid);
  FUZZ_CHECK(text.size() <= bytes.size());

  std::u16string units(bytes.size() / 2, u'\0');
  std::memcpy(units.data(), bytes.data(), units.size() * 2);
  for (bool big_endian : {false, true})
    FUZZ_CHECK(qmark::TextOfFileBytes(WithMark(units, big_endian), lcid) == units);
  return 0;
}
