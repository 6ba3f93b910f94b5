// The OpenType OS/2 table of a font file (big-endian): the font's signature from its
// ulUnicodeRange and ulCodePageRange fields. The table comes from a font file, so it is untrusted
// bytes: every field is read only after its length is checked.
#pragma once

#include "fonts/font_signature.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace unidisplay {

struct TOS2Signature {
  FONTSIGNATURE signature;
  // Whether the table had code-page fields (version 1 or later and at least 86 bytes); without
  // them fsCsb is 0 and says nothing about the font's code pages.
  bool has_code_pages = false;
};

// The signature of an OS/2 table of size bytes. Nothing when the table is too short to hold the
// Unicode ranges (58 bytes; a whole version-0 table is 78).
std::optional<TOS2Signature> ReadOS2Table(const uint8_t *table, size_t size);

} // namespace unidisplay
