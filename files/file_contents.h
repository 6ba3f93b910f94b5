// What a file holds, told from its first bytes (quick) or its content (thorough): 8-bit text,
// UTF-8, UTF-16 in either byte order, an early word-processor document, compound storage or a
// zip archive; and the checksum of a file.
//
// The thorough rules look at a bounded prefix, never the whole file: the UTF-16 test at the first
// 64 KiB, the UTF-8 test up to the first multi-byte sequence, which comes early in any text that
// has one. UTF-16 without a mark is recognised in either byte order (big-endian as
// _16_bit_reversed, so it is never decoded as little-endian). A file that is not a regular file
// (a FIFO, a device) is classified as nothing at once, without being read.
#pragma once

#include "platform/set.h"
#include "platform/strings.h"

#include <cstdint>

namespace textcore {

enum TFileContentsTypes : uint8_t {
  _8_bit,
  _UTF8,
  _16_bit,
  _early_Word,
  _Storage,
  _Zip,
  _16_bit_reversed
};
using TFileContentsSet = Set<TFileContentsTypes, 7>;
static_assert(sizeof(TFileContentsSet) == 1);

// The bytes of the whole prefix that the thorough rules read of a file.
constexpr int64_t kThoroughPrefixBytes = 1 << 20;

// Classifies the first size bytes of a file; the empty set for fewer than 4.
TFileContentsSet FileBufferType(const void *buffer, int64_t size, bool thorough);
// The same for a file, read with sharing allowed for everybody: its first 4 bytes, or with
// thorough its first kThoroughPrefixBytes. Any failure, and a file that is not regular, give the
// empty set.
TFileContentsSet FileContentsType(const String &file_name, bool thorough);
// 0 when both are empty, else the order (-1, 0, 1) of the two sets' bytes.
int32_t FileContentsComparison(TFileContentsSet a, TFileContentsSet b);

// A UTF-16 byte-order mark, or the statistical test (platform/text_unicode.h); false below 4 bytes.
bool StringIsInUnicode(const void *buffer, int64_t size);
// StringIsInUnicode over the start of the file; false for an empty or missing file.
bool TextFileInUnicode(const String &file_name);

// The wrap-around sum of the file's little-endian 32-bit words (the bytes after the last whole
// word are left out), read in blocks; 0 when the file does not exist. A read error raises.
uint32_t CheckSumOfAFile(const String &file_name);

} // namespace textcore
