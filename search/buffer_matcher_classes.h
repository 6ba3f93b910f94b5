// The class words of a class array, as the buffer matcher and the middle-character routines read
// them: one 16-bit word per text character, the platform's CT_CTYPE1 classes plus two bits of the
// library's own (markup, and the structure marker that makes the word a structure code instead of
// a class).
//
// A structure-marker word is tested for its marker bit before anything else and is never read as
// a class: it is neither a word character, nor white, nor a separator, and matches no operator.
#pragma once

#include <cstdint>

namespace textcore::match_class {

constexpr uint16_t kUpper = 0x0001;
constexpr uint16_t kLower = 0x0002;
constexpr uint16_t kDigit = 0x0004;
constexpr uint16_t kAlpha = 0x0100;
constexpr uint16_t kDefined = 0x0200;
constexpr uint16_t kMarkup = 0x0800; // the character lies inside a tag
constexpr uint16_t kMarker = 0x8000; // the word holds a structure code, not classes
constexpr uint16_t kMarkerCode = 0x07FF;

constexpr uint16_t kWordBits = 0x0104;      // alphabetic or digit
constexpr uint16_t kSeparatorBits = 0x0078; // space, punctuation, control or blank
constexpr uint16_t kWhiteBits = 0x0068;     // space, control or blank

// What the middle-character routines write: a letter, or a digit inside a number.
constexpr uint16_t kMiddleLetter = 0x0302; // defined, alphabetic, lower case
constexpr uint16_t kMiddleDigit = 0x0204;  // defined, digit

// Structure codes held in a marker word.
enum : uint16_t {
  kSentenceEnd = 14, // may be switched off by the caller
  kSentenceEndAlways = 15,
  kParagraphEnd = 16,
  kParagraphEndAlways = 17,
  kHeadingOpen = 18,
  kHeadingClose = 19,
  kSectionEnd = 20,
  kSectionEndAlways = 21
};

constexpr bool IsMarker(uint16_t c) { return (c & kMarker) != 0; }
constexpr bool IsWord(uint16_t c) { return !IsMarker(c) && (c & kWordBits) != 0; }
constexpr bool IsWhite(uint16_t c) { return !IsMarker(c) && (c & kWhiteBits) != 0; }
constexpr bool IsSeparator(uint16_t c) { return !IsMarker(c) && (c & kSeparatorBits) != 0; }
constexpr bool IsLetter(uint16_t c) { return !IsMarker(c) && (c & kAlpha) != 0; }
constexpr bool IsDigit(uint16_t c) { return !IsMarker(c) && (c & kDigit) != 0; }
constexpr bool IsMarkup(uint16_t c) { return !IsMarker(c) && (c & kMarkup) != 0; }
// A word character, or a joiner (defined and nothing else) that keeps a word together.
constexpr bool ExtendsWord(uint16_t c) { return IsWord(c) || c == kDefined; }

} // namespace textcore::match_class
