// UTF-16 and UTF-8: the surrogate tests, characters of a UTF-16 text, and the one UTF-8 encoder
// and decoder that every conversion in the runtime goes through (UTF8ToString, StringToUTF8,
// the code-page calls for CP_UTF8, and the command line's output).
//
// Ill-formed input becomes U+FFFD, or makes a strict conversion fail. In UTF-16 that is a lone
// surrogate; in UTF-8 each maximal ill-formed subsequence (a lead byte and the continuation bytes
// it may take, up to the first that does not fit) gives one U+FFFD, so "E2 82 41" decodes to
// U+FFFD "A" and a stray continuation byte to one U+FFFD each.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace textcore {

constexpr char32_t kReplacementCharacter = 0xFFFD;

constexpr bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
constexpr bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }
constexpr bool IsSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDFFF; }

constexpr char32_t CodePointOfPair(char16_t high, char16_t low) {
  return 0x10000 + ((static_cast<char32_t>(high) - 0xD800) << 10) + (low - 0xDC00);
}

// Whether the unit at i is the second half of a surrogate pair, which is no character of its
// own. A lone half is one (it is shown as U+FFFD).
constexpr bool IsSecondHalfOfPair(std::u16string_view text, size_t i) {
  return i > 0 && i < text.size() && IsLowSurrogate(text[i]) && IsHighSurrogate(text[i - 1]);
}

// The characters of a UTF-16 text: its units, a surrogate pair counting once.
size_t CharacterCount(std::u16string_view text);

// The code point that starts at text[i], and i moved past it. A lone surrogate gives U+FFFD
// and sets lone.
constexpr char32_t NextCodePoint(std::u16string_view text, size_t &i, bool &lone) {
  const char16_t c = text[i++];
  if (!IsSurrogate(c))
    return c;
  if (IsHighSurrogate(c) && i < text.size() && IsLowSurrogate(text[i]))
    return CodePointOfPair(c, text[i++]);
  lone = true;
  return kReplacementCharacter;
}

// The most bytes one code point takes in UTF-8.
constexpr size_t kMaxUTF8Bytes = 4;

// Writes the UTF-8 bytes of a code point (at most U+10FFFF, not a surrogate) at out and returns
// the position after them.
inline char *PutUTF8(char *out, char32_t c) {
  if (c < 0x80) {
    *out++ = static_cast<char>(c);
  } else if (c < 0x800) {
    *out++ = static_cast<char>(0xC0 | (c >> 6));
    *out++ = static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    *out++ = static_cast<char>(0xE0 | (c >> 12));
    *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    *out++ = static_cast<char>(0x80 | (c & 0x3F));
  } else {
    *out++ = static_cast<char>(0xF0 | (c >> 18));
    *out++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    *out++ = static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

// The UTF-8 form of text into out (replaced). A lone surrogate becomes U+FFFD's bytes, or, when
// strict, makes the conversion fail: false, with out unspecified.
bool EncodeUTF8(std::u16string_view text, std::string &out, bool strict);

// Decodes UTF-8 into dest, which has room for bytes.size() units (no sequence gives more units
// than it has bytes), and returns the number of units written; -1 when strict and the bytes are
// ill-formed.
int64_t DecodeUTF8(std::string_view bytes, char16_t *dest, bool strict);

// The bytes that DecodeUTF8 takes at the start of bytes as one unit of its work: an ASCII byte,
// a whole sequence, or one maximal ill-formed subsequence (1 to 4 bytes; 0 for no bytes). cut
// tells whether the end of bytes stopped it while every byte so far fitted, so that more bytes
// could still complete or lengthen it; what follows can change nothing else.
size_t UTF8StretchAt(std::string_view bytes, bool &cut);

} // namespace textcore
