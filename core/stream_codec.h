// The suite's encodings of strings and buffers on a byte stream, which every saved list, section
// table, folder list and chunk header is made of. All counts are little-endian; no terminator
// is stored, and the readers add one in memory.
//
//   short string   1-byte length L (0..255), L bytes of 8-bit text
//   ANSI buffer    2-byte unsigned count L (0..65535), L bytes
//   wide buffer    4-byte count N, N UTF-16 units (2N bytes)
//   pointer block  4-byte signed count N, N units: 2N bytes when wide, N when not
//   string         4-byte signed count N, N UTF-16 units (2N bytes)
//
// The wide buffer, the wide pointer block and the string are the same bytes, so any of their
// readers reads what any of their writers wrote. A pointer block does not record its width: the
// reader must use the writer's, or the stream is read out of step from there on.
//
// Readers never trust a count: a negative one, one above the reader's maximum, or one larger than
// the bytes left in a stream whose size is known raises EReadError "file read error : <reader>"
// (the _QMFileReadError text) before anything is allocated; where the size is unknown the buffer
// grows only as bytes arrive. A stream that ends inside a string or buffer raises the same error.
// Writers given more than a count field holds write the longest prefix that fits, with its true
// length, so the stream stays readable.
#pragma once

#include "platform/streams.h"
#include "platform/strings.h"

#include <bit>
#include <cstdint>
#include <memory>

namespace textcore {

static_assert(std::endian::native == std::endian::little, "the stream encodings are little-endian");

// The count field that the latest ReadUnknownLengthPointer(MaxSize) read, rejected or not;
// after a successful read, the number of characters in the buffer it returned.
extern int32_t temp_pointer_chars_allocated;
// The maximum that ReadAString without one applies; starts at 5000.
extern int32_t global_string_safety_limit;
// The empty text that an empty pointer block reads as.
inline constexpr char16_t nowt[1] = {0};
// The maximum of ReadUnknownLengthPointer.
constexpr int32_t kDefaultPointerMaxSize = 50000;

// Releases a pointer-block buffer with the width it was allocated with.
struct TPointerBufferRelease {
  bool wide = false;
  void operator()(void *buffer) const;
};
// A zero-terminated buffer of char16_t (wide) or char, owned by the caller.
using TPointerBuffer = std::unique_ptr<void, TPointerBufferRelease>;

// Writers. Those without a meaningful result raise the stream's EWriteError on a short write;
// the pointer-block writers report one through their result instead.
bool WriteShortString(TStream &Stream, const AnsiString &S);
void WriteAnsiPchar(TStream &Stream, const char *P);
void WriteWidePchar(TStream &Stream, const char16_t *P);
// A null P, or a Count below 1, writes an empty block (four zero bytes).
bool WriteKnownLengthPointer(TStream &Stream, const void *P, bool Wide, int32_t Count);
bool WriteUnknownLengthPointer(TStream &Stream, const void *P, bool Wide);
bool WriteAString(TStream &Stream, StringView S);

// Readers.
AnsiString ReadShortString(TStream &Stream);
std::unique_ptr<char[]> ReadAnsiPchar(TStream &Stream);
std::unique_ptr<char16_t[]> ReadWidePchar(TStream &Stream);
// Never null: an empty block gives a buffer holding only the terminator. A count equal to
// MaxSize is accepted.
TPointerBuffer ReadUnknownLengthPointerMaxSize(TStream &Stream, bool Wide, int32_t MaxSize);
TPointerBuffer ReadUnknownLengthPointer(TStream &Stream, bool Wide);
// A count equal to MaxLen is accepted.
String ReadAString(TStream &Stream, int32_t MaxLen);
String ReadAString(TStream &Stream);

} // namespace textcore
