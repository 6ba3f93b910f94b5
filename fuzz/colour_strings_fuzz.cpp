// Colour settings text on arbitrary input: reading never crashes, a colour read is one the
// written form reads back to, and a role read from any text is a fixed point of writing its
// settings text and reading that again.
#include "colour/colour_utils.h"
#include "fuzz/fuzz_check.h"
#include "platform/strings.h"

#include <cstdint>
#include <cstring>

using namespace textcore;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const String text = UTF8ToString(std::string_view(reinterpret_cast<const char *>(data), size));

  constexpr int32_t kDefault = 0x7F0000FF; // no colour text spells it: it shows a failed read
  const int32_t colour = ColourStrToLongint(text, kDefault);
  if (colour != kDefault) {
    FUZZ_CHECK((colour & ~0xFFFFFF) == 0);
    FUZZ_CHECK(ColourStrToLongint(LongintToColourStr(colour), kDefault) == colour);
  }

  colour_and_typeface_rec rec;
  rec.cor[tagcolour] = {0x010203, 0x040506};
  rec.typefaces[tagcolour] = {bold};
  TranslateToColour(rec, tagcolour, text);
  const String written = TranslateFromColour(
      rec.cor[tagcolour].foreground, rec.cor[tagcolour].background, rec.typefaces[tagcolour]);
  colour_and_typeface_rec again;
  TranslateToColour(again, tagcolour, written);
  FUZZ_CHECK(std::memcmp(&again.cor[tagcolour], &rec.cor[tagcolour], sizeof(TColourPair)) == 0);
  FUZZ_CHECK(again.typefaces[tagcolour] == rec.typefaces[tagcolour]);
  return 0;
}
