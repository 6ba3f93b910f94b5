// TEncoding: the framework's text encodings as shared objects, and the detection of a byte-order
// mark at the start of a buffer.
//
// Encodings are created once, on first use, and live until the process ends; callers never free
// them. 8-bit code pages and UTF-8 convert through ICU. Conversions never fail: a character the
// code page cannot hold becomes "?" (UTF-8 writes U+FFFD for a lone surrogate), and bytes that do
// not decode become U+FFFD. UTF-16 text passes through unit for unit, lone surrogates included;
// an odd trailing byte becomes U+FFFD.
#pragma once

#include "platform/exceptions.h"
#include "platform/strings.h"

#include <cstdint>
#include <span>
#include <vector>

namespace textcore {

using TBytes = std::vector<uint8_t>;
using ByteSpan = std::span<const uint8_t>;

// Raised by TEncoding::GetEncoding for a code page that has no converter.
class EEncodingError : public Exception {
public:
  using Exception::Exception;
};

// Code pages with a meaning of their own.
constexpr uint32_t CP_UTF16LE = 1200;
constexpr uint32_t CP_UTF16BE = 1201;
constexpr uint32_t CP_ASCII = 20127;
constexpr uint32_t CP_UTF8 = 65001;

class TEncoding {
public:
  virtual ~TEncoding() = default;
  TEncoding(const TEncoding &) = delete;
  TEncoding &operator=(const TEncoding &) = delete;

  // The system's 8-bit code page (windows-1252 until the national-language layer says otherwise).
  static const TEncoding *Default();
  static const TEncoding *ANSI() { return Default(); }
  static const TEncoding *ASCII();
  static const TEncoding *UTF8();
  static const TEncoding *Unicode(); // UTF-16 little-endian
  static const TEncoding *BigEndianUnicode();
  // The encoding of a Windows code page number (1251, 850, 932, 65001, ...); raises
  // EEncodingError when there is no converter for it.
  static const TEncoding *GetEncoding(uint32_t code_page);

  // The encoding whose mark starts bytes (UTF-8, UTF-16 LE or UTF-16 BE) with the mark's length,
  // or default_encoding (Default() when null) and 0.
  static const TEncoding *GetBufferEncoding(ByteSpan bytes, const TEncoding *default_encoding,
                                            int32_t &preamble_length);

  // The byte-order mark a file in this encoding starts with; empty for 8-bit code pages.
  virtual TBytes GetPreamble() const { return {}; }
  virtual TBytes GetBytes(StringView text) const = 0;
  virtual String GetString(ByteSpan bytes) const = 0;
  uint32_t CodePage() const { return fCodePage; }
  virtual bool IsSingleByte() const = 0;

protected:
  explicit TEncoding(uint32_t code_page) : fCodePage(code_page) {}

private:
  uint32_t fCodePage;
};

} // namespace textcore
