// UTF-8 signature, length and legality checks.
#include "files/utf8_checks.h"

#include "platform/unit_scan.h"

#include "core/yield.h"

#include <algorithm>

namespace textcore {

namespace {

// Trailing bytes after a lead byte, by the system's table (C0-DF one, E0-EF two, F0-F7 three,
// F8-FB four, FC-FF five).
int32_t TrailingBytes(uint8_t lead) {
  return lead < 0xC0   ? 0
         : lead < 0xE0 ? 1
         : lead < 0xF0 ? 2
         : lead < 0xF8 ? 3
         : lead < 0xFC ? 4
                       : 5;
}

// The bytes a sequence with this lead takes, or 0 for a byte that cannot lead a legal sequence.
int32_t LegalLength(uint8_t lead) {
  return lead < 0x80   ? 1
         : lead < 0xC2 ? 0
         : lead < 0xE0 ? 2
         : lead < 0xF0 ? 3
         : lead < 0xF5 ? 4
                       : 0;
}

bool SecondByteFits(uint8_t lead, uint8_t second) {
  if (second < 0x80 || second > 0xBF)
    return false;
  return !((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
           (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F));
}

constexpr int64_t kYieldEvery = 64 * 1024;

} // namespace

bool IsUTF8Signature(const TThreeBytes &b) { return b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF; }

bool IsUTF8SignatureA(const char *p) {
  return p != nullptr && IsUTF8Signature({static_cast<uint8_t>(p[0]), static_cast<uint8_t>(p[1]),
                                          static_cast<uint8_t>(p[2])});
}

bool IsUTF8SignatureW(const char16_t *p) {
  return p != nullptr && p[0] == 0xEF && p[1] == 0xBB && p[2] == 0xBF;
}

AnsiString UTF8SignatureAsUTF8String() { return AnsiString("\xEF\xBB\xBF"); }

int32_t UTF8LengthInChars(std::string_view s) {
  int32_t count = 0;
  for (size_t i = 0; i < s.size(); ++count) {
    const auto lead = static_cast<uint8_t>(s[i]);
    if ((lead & 0xC0) == 0x80 || lead >= 0xFE)
      return static_cast<int32_t>(s.size());
    const size_t length = lead < 0x80 ? 1 : static_cast<size_t>(TrailingBytes(lead)) + 1;
    if (i + length > s.size())
      return static_cast<int32_t>(s.size());
    i += length;
  }
  return count;
}

bool LegalUTF8Sequence(const uint8_t *b, int32_t n) {
  if (n < 1 || n > 4 || LegalLength(b[0]) != n)
    return false;
  if (n >= 2 && !SecondByteFits(b[0], b[1]))
    return false;
  for (int32_t k = 2; k < n; ++k)
    if (b[k] < 0x80 || b[k] > 0xBF)
      return false;
  return true;
}

bool CheckedUTF(std::string_view s, bool &all_single) {
  all_single = true;
  // ASCII is passed over 16 bytes at a time; the host is yielded to once a block.
  for (size_t block = 0; block < s.size(); block += kYieldEvery) {
    MyYieldProcess();
    const char *end = s.data() + std::min(s.size(), block + kYieldEvery);
    const char *high = unit_scan::ScanForAtLeast(s.data() + block, end, static_cast<char>(0x80));
    if (high == nullptr)
      continue;
    const size_t i = static_cast<size_t>(high - s.data());
    const auto *b = reinterpret_cast<const uint8_t *>(s.data());
    const size_t n = static_cast<size_t>(TrailingBytes(b[i])) + 1;
    if (i + n > s.size() || !LegalUTF8Sequence(b + i, static_cast<int32_t>(n)))
      return false;
    all_single = false;
    return true;
  }
  return true;
}

void TUTF8Scan::Bad(int64_t offset) {
  if (fFirstIllFormed < 0)
    fFirstIllFormed = offset;
  ++fIllFormed;
}

void TUTF8Scan::Step(uint8_t byte) {
  const int64_t at = fOffset++;
  if (fNeed > 0) {
    const bool fits = fHave == 1 ? SecondByteFits(fPending[0], byte) : (byte & 0xC0) == 0x80;
    if (fits) {
      fPending[fHave++] = byte;
      if (fHave == fNeed) {
        ++fMultiByte;
        fNeed = fHave = 0;
      }
      return;
    }
    // The sequence so far is one ill-formed stretch; this byte starts afresh.
    Bad(at - fHave);
    fNeed = fHave = 0;
  }
  if (byte < 0x80)
    return;
  const int32_t length = LegalLength(byte);
  if (length == 0) {
    Bad(at);
    return;
  }
  fPending[0] = byte;
  fHave = 1;
  fNeed = length;
}

// Whole sequences inside the block, from i while no sequence is open: ASCII eight bytes at a
// time, each multi-byte sequence checked at once. Returns where the byte-by-byte state must take
// over (an ill-formed byte, or a sequence cut by the block's end), or n.
size_t TUTF8Scan::SkipWholeSequences(const uint8_t *b, size_t i, size_t n) {
  const auto *const bytes = reinterpret_cast<const char *>(b);
  while (i < n) {
    const uint8_t lead = b[i];
    if (lead < 0x80) {
      // ASCII runs go a block at a time.
      const char *other = unit_scan::ScanForAtLeast(bytes + i, bytes + n, static_cast<char>(0x80));
      i = other ? static_cast<size_t>(other - bytes) : n;
      continue;
    }
    const auto length = static_cast<size_t>(LegalLength(lead));
    if (length < 2 || n - i < length || !SecondByteFits(lead, b[i + 1]) ||
        (length >= 3 && (b[i + 2] & 0xC0) != 0x80) || (length == 4 && (b[i + 3] & 0xC0) != 0x80))
      return i;
    ++fMultiByte;
    i += length;
  }
  return n;
}

void TUTF8Scan::Feed(std::string_view block) {
  const auto *b = reinterpret_cast<const uint8_t *>(block.data());
  const size_t n = block.size();
  const int64_t start = fOffset;
  size_t i = 0;
  while (i < n) {
    if (fNeed == 0) {
      i = SkipWholeSequences(b, i, n);
      if (i == n)
        break;
    }
    fOffset = start + static_cast<int64_t>(i);
    Step(b[i++]);
  }
  fOffset = start + static_cast<int64_t>(n);
}

void TUTF8Scan::Finish() {
  if (fNeed > 0)
    Bad(fOffset - fHave);
  fNeed = fHave = 0;
}

} // namespace textcore
