// Escaping for the output formats, with an ASCII fast path.
#include "tools/qmark/text_escapes.h"

#include "platform/utf.h"

#include <cstring>

namespace qmark {

namespace {

bool ShownAsSpace(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
}

char *PutText(char *out, std::string_view text) {
  std::memcpy(out, text.data(), text.size());
  return out + text.size();
}

// The escaped form of an ASCII character, or null when it is written as it is.
const char *TsvEscape(char32_t c) {
  switch (c) {
  case '\t':
    return "\\t";
  case '\n':
    return "\\n";
  case '\r':
    return "\\r";
  case '\\':
    return "\\\\";
  default:
    return nullptr;
  }
}

const char *JsonEscape(char32_t c) {
  switch (c) {
  case '"':
    return "\\\"";
  case '\\':
    return "\\\\";
  case '\n':
    return "\\n";
  case '\r':
    return "\\r";
  case '\t':
    return "\\t";
  default:
    return nullptr;
  }
}

char *PutUnit(char *out, char32_t c, Escape escape) {
  if (escape == Escape::kFlat)
    return ShownAsSpace(c) ? PutText(out, " ") : textcore::PutUTF8(out, c);
  if (escape == Escape::kTsv) {
    const char *escaped = TsvEscape(c);
    return escaped ? PutText(out, escaped) : textcore::PutUTF8(out, c);
  }
  if (const char *escaped = JsonEscape(c))
    return PutText(out, escaped);
  if (c >= 0x20)
    return textcore::PutUTF8(out, c);
  constexpr char kHex[] = "0123456789abcdef";
  out = PutText(out, "\\u00");
  *out++ = kHex[c >> 4];
  *out++ = kHex[c & 0xF];
  return out;
}

} // namespace

char *PutEscaped(char *out, textcore::StringView text, Escape escape) {
  for (size_t i = 0; i < text.size();) {
    const char16_t unit = text[i];
    if (unit >= 0x20 && unit < 0x7F && unit != '\\' && unit != '"') {
      *out++ = static_cast<char>(unit);
      ++i;
      continue;
    }
    bool lone = false;
    out = PutUnit(out, textcore::NextCodePoint(text, i, lone), escape);
  }
  return out;
}

void AppendEscaped(std::string &out, textcore::StringView text, Escape escape) {
  const size_t at = out.size();
  out.resize(at + text.size() * kMaxEscapedBytesPerUnit);
  out.resize(static_cast<size_t>(PutEscaped(out.data() + at, text, escape) - out.data()));
}

} // namespace qmark
