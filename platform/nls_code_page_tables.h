// The tables behind single-byte code-page conversion, shared by the converters and the
// character classes of 8-bit text. Built once per code page from ICU and the Windows answers
// where they differ (see nls_code_pages.h); the pointers live as long as the process.
#pragma once

#include <cstdint>
#include <string>

namespace textcore {

enum class CodePageKind : uint8_t { kUnknown, kSingleByte, kDoubleByte, kUtf8 };

// What a code page is, and the ICU converter name that serves it ("" for UTF-8).
CodePageKind KindOfCodePage(uint32_t code_page);
std::string ConverterNameOfCodePage(uint32_t code_page);

struct SingleByteDecoder {
  char16_t to_unicode[256]; // a character for every byte, a stand-in where the page has none
  bool is_console_page;     // a DOS page, whose control bytes have glyphs
};

// One entry per BMP code point: the byte, or kNoByte.
struct SingleByteEncoder {
  static constexpr uint16_t kNoByte = 0xFFFF;
  const uint16_t *exact;    // characters the page holds
  const uint16_t *best_fit; // those plus best fits
};

// nullptr unless code_page is single-byte.
const SingleByteDecoder *DecoderOfCodePage(uint32_t code_page);
const SingleByteEncoder *EncoderOfCodePage(uint32_t code_page);

// The glyph a console page shows for control byte b (0x01-0x1F, 0x7F); b itself otherwise.
char16_t ConsoleGlyphOf(uint8_t b);

} // namespace textcore
