// Reading a text's bytes in pieces: TTextDecider decides how to read them and TTextDecoder turns
// them into text, fed in pieces of any size with bounded memory, so that a reader can take a text
// of any size window by window. Both give exactly what ReadTextOfBytes gives for all the bytes at
// once, however the bytes are cut; ReadTextOfBytes is one piece through each.
//
// What the decoder holds back between calls is what may still join the bytes that follow:
//   - UTF-8: an unfinished sequence, at most 3 bytes;
//   - UTF-16: an odd byte, and a high surrogate (as part of the held characters below);
//   - double-byte pages: the bytes after the last byte below 0x40 (which is never a trail byte in
//     932, 936, 949 or 950), at most kMaxHeldDoubleBytes; past that the bytes are cut after a
//     whole character as the page's lead bytes pair them, which is the whole text's cut unless
//     the stretch holds a lead byte without a fitting trail byte;
//   - composed text: the characters from the last one that composition cannot reach back across
//     (a base letter and the combining marks after it), at most kMaxHeldUnits; a longer run
//     without such a boundary (a million combining marks on one letter, which no script writes)
//     is composed as far as it has come.
// Every one of these is a few units in practice.
//
// A decider and a decoder may run on a worker thread while other threads read: neither keeps
// state shared with another instance, and what they call keeps none unguarded (the single-byte
// tables are built once under a lock and only read after, each double-byte conversion opens its
// own ICU converter, ICU builds its normaliser once, and the last error is per thread).
#pragma once

#include "files/text_decoding.h"
#include "files/utf8_checks.h"
#include "platform/strings.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace textcore {

// Decides from the bytes of a text, fed in pieces of any size, what ReadTextOfBytes decides of
// all of them at once (the same TTextDecision, field for field). It keeps the first
// kThoroughPrefixBytes for the content rules and a few counters for the rest.
class TTextDecider {
public:
  // code_page is the 8-bit page the text would be read in; the decision itself does not depend
  // on it, so the decider and the decoder are made alike.
  TTextDecider(uint32_t code_page, bool binary_as_text);
  void Feed(std::string_view bytes);
  TTextDecision Finish(); // after the last Feed

private:
  void StartScan(std::string_view bytes, size_t before);

  bool fBinaryAsText;
  std::string fPrefix; // the first kThoroughPrefixBytes
  int64_t fSize = 0;
  bool fNul = false;
  // The UTF-8 scan starts once the first three bytes tell whether a signature precedes the text.
  bool fScanning = false;
  size_t fSignatureBytes = 0;
  TUTF8Scan fScan;
};

// Decodes the bytes of a text after its mark (decision.mark_bytes are not fed), in pieces of any
// size, into composed UTF-16: the concatenation of what it appends equals the text
// ReadTextOfBytes gives for all the bytes at once, for every way of cutting them.
class TTextDecoder {
public:
  static constexpr size_t kMaxHeldDoubleBytes = 64 * 1024;
  static constexpr size_t kMaxHeldUnits = 1 << 20;

  TTextDecoder(const TTextDecision &decision, uint32_t code_page);
  // Appends the text of bytes to text. What may still join what follows is held back until the
  // next call (see above); last: no bytes follow, everything held is given.
  void Decode(std::string_view bytes, bool last, String &text);

private:
  enum TMode : uint8_t {
    m_nothing,
    m_utf8,
    m_utf16,
    m_utf16_reversed,
    m_code_page,
    m_unknown_page
  };

  void DecodeUtf8(std::string_view bytes, bool last, String &text);
  void DecodeUtf16(std::string_view bytes, bool last, String &text);
  void DecodeDoubleByte(std::string_view bytes, bool last, String &text);
  size_t DecodeDoubleByteRun(std::string_view bytes, bool last, String &text);
  void DecodeCodePage(std::string_view bytes, String &text);
  void Compose(String &text, size_t from, size_t held_end, bool last);

  TMode fMode = m_nothing;
  uint32_t fCodePage;
  bool fDoubleByte = false;
  bool fComposed = false;
  std::string fHeldBytes; // bytes that may still join the next piece's
  String fHeldUnits;      // decoded characters that composition may still join to the next
};

} // namespace textcore
