// UTF-8 and UTF-16 conversion and the byte encoding of file names, on arbitrary bytes.
#include "fuzz/fuzz_check.h"
#include "platform/file_names.h"
#include "platform/strings.h"

#include <cstdint>
#include <cstring>

using namespace textcore;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char *>(data), size);

  // Decoding never yields a lone surrogate, so what it gives survives a round trip.
  const String text = UTF8ToString(bytes);
  FUZZ_CHECK(text.size() <= bytes.size());
  FUZZ_CHECK(UTF8ToString(StringToUTF8(text)) == text);

  // Every byte sequence names a file that can be opened again.
  FUZZ_CHECK(FileNameToBytes(BytesToFileName(bytes)) == bytes);

  // The same bytes as raw UTF-16 units, lone surrogates and all.
  String units(size / 2, u'\0');
  std::memcpy(units.data(), data, units.size() * 2);
  const std::string utf8 = StringToUTF8(units);
  FUZZ_CHECK(UTF8ToString(utf8).size() == units.size() || UTF8ToString(utf8).size() < units.size());
  return 0;
}
