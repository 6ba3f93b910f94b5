// Escaping for the output formats, with an ASCII fast path.
#include "tools/qmark/text_escapes.h"

#include "platform/utf.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// Writes the leading units of text[i, ...) that are printable ASCII other than a backslash and a
// quote (written as they are in every format) as bytes, sixteen or eight at a time; returns where
// they stop.
size_t PutPlainBlocks(char *&out, textcore::StringView text, size_t i) {
#if defined(__SSE2__)
  const __m128i space = _mm_set1_epi16(0x20), span = _mm_set1_epi16(0x7E - 0x20);
  const __m128i backslash = _mm_set1_epi16('\\'), quote = _mm_set1_epi16('"');
  const __m128i zero = _mm_setzero_si128();
  // A unit is in [0x20, 0x7E] exactly when its distance above 0x20 saturates away.
  const auto plain = [&](__m128i units) {
    const __m128i printable =
        _mm_cmpeq_epi16(_mm_subs_epu16(_mm_sub_epi16(units, space), span), zero);
    const __m128i special =
        _mm_or_si128(_mm_cmpeq_epi16(units, backslash), _mm_cmpeq_epi16(units, quote));
    return _mm_movemask_epi8(_mm_andnot_si128(special, printable)) == 0xFFFF;
  };
  const auto *units = reinterpret_cast<const __m128i *>(text.data() + i);
  for (; text.size() - i >= 16; i += 16, out += 16, units += 2) {
    const __m128i low = _mm_loadu_si128(units), high = _mm_loadu_si128(units + 1);
    if (!plain(low) || !plain(high))
      break;
    _mm_storeu_si128(reinterpret_cast<__m128i *>(out), _mm_packus_epi16(low, high));
  }
  if (text.size() - i >= 8) {
    const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i *>(text.data() + i));
    if (plain(low)) {
      _mm_storel_epi64(reinterpret_cast<__m128i *>(out), _mm_packus_epi16(low, zero));
      i += 8;
      out += 8;
    }
  }
#else
  (void)out;
  (void)text;
#endif
  return i;
}

} // namespace

char *PutEscaped(char *out, textcore::StringView text, Escape escape) {
  for (size_t i = 0; i < text.size();) {
    i = PutPlainBlocks(out, text, i);
    if (i == text.size())
      break;
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
