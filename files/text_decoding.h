// Reading a text file's bytes as text: which encoding they are in, and the text they hold, for
// the tools that search texts.
//
// The content kind comes from FileBufferType's thorough rules over the first
// kThoroughPrefixBytes. UTF-16 follows its mark (which decides even when the last unit was cut to
// one byte), or the statistics in either byte order. Other
// text is UTF-8 when all of it is legal UTF-8 (pure ASCII included), and also when it is UTF-8
// but for a few ill-formed bytes (at most one for every 16 legal multi-byte sequences), each of
// which then reads as U+FFFD and is reported; otherwise it is 8-bit text in the code page the
// caller gives. One stray byte in a long UTF-8 text therefore never turns the whole text into
// 8-bit mojibake. Archives, compound storage, early word-processor documents and 8-bit text
// holding NUL bytes are no text, unless the caller asks to read them as 8-bit text anyway. The
// text comes back in precomposed form (NFC), so "café" typed either way is one word. An 8-bit
// page that the converter does not know reads ASCII as ASCII and every other byte as U+FFFD.
// TTextDecider and TTextDecoder (files/text_stream.h) apply these rules to a text fed in pieces.
#pragma once

#include "files/file_contents.h"
#include "platform/strings.h"

#include <cstdint>
#include <string_view>

namespace textcore {

enum TTextEncoding : uint8_t { te_none, te_8_bit, te_utf8, te_utf16, te_utf16_reversed };

// Why bytes are no text.
enum TNotTextReason : uint8_t { ntr_text, ntr_archive, ntr_storage, ntr_word, ntr_nul };

struct TTextDecision {
  TFileContentsSet contents; // what the thorough rules found in the prefix
  TTextEncoding encoding = te_none;
  TNotTextReason not_text = ntr_text;
  size_t mark_bytes = 0;         // a byte-order mark or UTF-8 signature, not part of the text
  int64_t ill_formed = 0;        // UTF-8 read despite these many ill-formed stretches
  int64_t first_ill_formed = -1; // the byte offset of the first of them, in the whole bytes
};

// Decides how to read bytes and decodes them into text (replaced). With binary_as_text, bytes that
// are no text are read as 8-bit text. code_page is the 8-bit page for 8-bit text.
TTextDecision ReadTextOfBytes(std::string_view bytes, uint32_t code_page, bool binary_as_text,
                              String &text);

// "UTF-16", "UTF-16BE", "UTF-8", "cp1252" (the 8-bit page), "" for no text.
String TextEncodingName(const TTextDecision &decision, uint32_t code_page);

} // namespace textcore
