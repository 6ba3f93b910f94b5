// Reading a text file's bytes: the first byte picks the 8-bit code page, the rest is a file's
// content. Reading never fails, a decoded text is never longer in units than the file in bytes
// (composition never lengthens a text decoded from one), UTF-16 behind either byte-order mark
// comes back unit for unit once composed, and the detection rules agree with the decision.
#include "files/file_contents.h"
#include "files/text_decoding.h"
#include "files/utf8_checks.h"
#include "fuzz/fuzz_check.h"
#include "strings/precomposed.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace {

constexpr uint32_t kCodePages[] = {1252, 1250, 1251, 1253, 1255, 1256, 932, 936, 949, 874, 437};

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
  using namespace textcore;
  if (size < 1)
    return 0;
  const uint32_t code_page = kCodePages[data[0] % std::size(kCodePages)];
  const std::string_view bytes(reinterpret_cast<const char *>(data + 1), size - 1);
  for (bool binary : {false, true}) {
    String text;
    const TTextDecision decision = ReadTextOfBytes(bytes, code_page, binary, text);
    FUZZ_CHECK(decision.encoding != te_none || !binary);
    FUZZ_CHECK(decision.encoding != te_none || text.empty());
    FUZZ_CHECK(decision.first_ill_formed < static_cast<int64_t>(bytes.size()));
    FUZZ_CHECK((decision.ill_formed > 0) == (decision.first_ill_formed >= 0));
  }
  // The readers of the detection rules on the same bytes.
  const TFileContentsSet thorough =
      FileBufferType(bytes.data(), static_cast<int64_t>(bytes.size()), true);
  FUZZ_CHECK(thorough.Empty() || bytes.size() >= 4);
  bool all_single = false;
  if (CheckedUTF(bytes, all_single) && all_single)
    for (char c : bytes)
      FUZZ_CHECK(static_cast<uint8_t>(c) < 0x80);
  const int32_t sequences = UTF8LengthInChars(bytes);
  FUZZ_CHECK(sequences >= 0 && static_cast<size_t>(sequences) <= bytes.size());

  std::u16string units(bytes.size() / 2, u'\0');
  std::memcpy(units.data(), bytes.data(), units.size() * 2);
  for (bool big_endian : {false, true}) {
    String text;
    ReadTextOfBytes(WithMark(units, big_endian), code_page, false, text);
    FUZZ_CHECK(text == EnsurePrecomposed(units));
  }
  return 0;
}
