// Decoding a text file's bytes: byte-order marks, UTF-8 validity, then the language's code page.
#include "tools/qmark/text_reading.h"

#include "platform/nls_code_pages.h"

#include <cstdint>

namespace qmark {
namespace {

using textcore::String;

String Utf16Text(std::string_view bytes, bool big_endian) {
  String text(bytes.size() / 2, u'\0');
  const auto *in = reinterpret_cast<const unsigned char *>(bytes.data());
  for (size_t i = 0; i < text.size(); ++i, in += 2)
    text[i] = big_endian ? static_cast<char16_t>(in[0] << 8 | in[1])
                         : static_cast<char16_t>(in[1] << 8 | in[0]);
  if (bytes.size() % 2 != 0)
    text.push_back(u'\xFFFD');
  return text;
}

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

uint32_t AnsiCodePageOf(textcore::LCID lcid) {
  const uint32_t code_page = textcore::DefaultAnsiCodePageOf(lcid);
  return code_page != 0 ? code_page : textcore::GetACP();
}

bool StartsWith(std::string_view bytes, std::string_view mark) { return bytes.starts_with(mark); }

} // namespace

String TextOfFileBytes(std::string_view bytes, textcore::LCID lcid) {
  String text;
  if (bytes.empty())
    return text;
  if (StartsWith(bytes, "\xFF\xFE"))
    return Utf16Text(bytes.substr(2), false);
  if (StartsWith(bytes, "\xFE\xFF"))
    return Utf16Text(bytes.substr(2), true);
  if (StartsWith(bytes, "\xEF\xBB\xBF"))
    return textcore::UTF8ToString(bytes.substr(3));
  if (Decoded(bytes, textcore::CP_UTF8, textcore::MB_ERR_INVALID_CHARS, text))
    return text;
  Decoded(bytes, AnsiCodePageOf(lcid), 0, text);
  return text;
}

} // namespace qmark
