// Decoding a text file's bytes: byte-order marks, UTF-8 validity, then the language's code page.
#include "tools/qmark/text_reading.h"

#include "platform/encoding.h"
#include "platform/nls_code_pages.h"

#include <cstdint>

namespace qmark {
namespace {

using textcore::String;

// The text of bytes in code_page, or false when flags refuse them (MB_ERR_INVALID_CHARS). No code
// page here makes more UTF-16 units than it has bytes, so one pass into a buffer of that size does.
bool Decoded(std::string_view bytes, uint32_t code_page, uint32_t flags, String &text) {
  text.assign(bytes.size(), u'\0');
  const int32_t length = static_cast<int32_t>(bytes.size());
  const int32_t made =
      textcore::MultiByteToWideChar(code_page, flags, bytes.data(), length, text.data(), length);
  text.resize(static_cast<size_t>(made));
  return made > 0;
}

textcore::ByteSpan ByteSpanOf(std::string_view bytes) {
  return {reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size()};
}

} // namespace

String TextOfFileBytes(std::string_view bytes, textcore::LCID lcid) {
  String text;
  if (bytes.empty())
    return text;
  if (bytes.starts_with("\xFF\xFE"))
    return textcore::TEncoding::Unicode()->GetString(ByteSpanOf(bytes.substr(2)));
  if (bytes.starts_with("\xFE\xFF"))
    return textcore::TEncoding::BigEndianUnicode()->GetString(ByteSpanOf(bytes.substr(2)));
  if (bytes.starts_with("\xEF\xBB\xBF"))
    return textcore::UTF8ToString(bytes.substr(3));
  if (Decoded(bytes, textcore::CP_UTF8, textcore::MB_ERR_INVALID_CHARS, text))
    return text;
  Decoded(bytes, textcore::LCIDToCodePage(lcid), 0, text);
  return text;
}

} // namespace qmark
