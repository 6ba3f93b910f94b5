// In-place rewriting primitives of bare_assemb.h: replacing, compacting, case tables, rotation.
#include "core/bare_assemb.h"
#include "platform/unit_scan.h"

#include <array>
#include <cstring>

namespace textcore {

namespace {

constexpr char16_t kCR = 13;
constexpr char16_t kLF = 10;

inline unsigned Byte(char c) { return static_cast<unsigned char>(c); }

template <typename Unit> void ReplaceBelow32(Unit *text, int32_t length) {
  for (int32_t i = 0; i < length; ++i)
    if (static_cast<std::make_unsigned_t<Unit>>(text[i]) < 32)
      text[i] = ' ';
}

template <typename Unit> void ReplaceUnit(Unit *text, Unit c, int32_t length) {
  for (int32_t i = 0; i < length; ++i)
    if (text[i] == c)
      text[i] = ' ';
}

template <typename Unit> void ReplaceCRs(Unit *text, int32_t length) {
  bool after_cr = false;
  for (int32_t i = 0; i < length; ++i) {
    const Unit c = text[i];
    if (c == static_cast<Unit>(kCR)) {
      text[i] = ' ';
      after_cr = true;
    } else {
      if (c == static_cast<Unit>(kLF) && after_cr)
        text[i] = ' ';
      after_cr = false;
    }
  }
}

template <typename Unit> void Fill(Unit *text, Unit value, int32_t count) {
  for (int32_t i = 0; i < count; ++i)
    text[i] = value;
}

// Compaction shared by ClearBetweenChars and CleanBetweenChars. The position of the next
// closing character is remembered, so a text full of unmatched openings is still one pass.
int32_t CompactBetween(char *text, char open, char close, int32_t length, int64_t reach,
                       bool blank) {
  char *const end = text + length;
  const char *next_close = text; // the first close at or after the read cursor, or null
  bool close_known = false;
  char *write = text;
  for (char *read = text; read < end;) {
    if (*read != open) {
      *write++ = *read++;
      continue;
    }
    if (!close_known || (next_close != nullptr && next_close < read)) {
      next_close = unit_scan::ScanFor<char>(read, end, close);
      close_known = true;
    }
    const bool found = next_close != nullptr && next_close - read < reach;
    if (!found) {
      ++read; // an opening character with nothing to close it goes alone
      continue;
    }
    const ptrdiff_t stretch = next_close - read + 1;
    if (blank)
      write = static_cast<char *>(std::memset(write, ' ', static_cast<size_t>(stretch))) + stretch;
    read += stretch;
  }
  *write = 0;
  return static_cast<int32_t>(write - text);
}

// Byte classes for CutLowercaseWords, built once per call from the two tables.
enum : uint8_t { kKeep, kBlank, kUpper, kSpace, kNeutral };

std::array<uint8_t, 256> WordClasses(const ANSILower_or_upperStr_type &lowers,
                                     const ANSILower_or_upperStr_type &uppers) {
  std::array<uint8_t, 256> classes{};
  for (unsigned c = 0; c < 256; ++c)
    classes[c] = c <= 32    ? kSpace
                 : c <= 64  ? kNeutral
                 : c <= 'Z' ? kUpper
                 : c < 'a'  ? kKeep
                 : c <= 'z' ? kBlank
                            : kKeep;
  // Above z the lower-case table is consulted before the upper-case one.
  for (int32_t k = 0; k < uppers.UsableLength(); ++k)
    if (Byte(uppers.chars[k]) > 'z')
      classes[Byte(uppers.chars[k])] = kUpper;
  for (int32_t k = 0; k < lowers.UsableLength(); ++k)
    if (Byte(lowers.chars[k]) > 'z')
      classes[Byte(lowers.chars[k])] = kBlank;
  return classes;
}

ptrdiff_t BoundedLength(const char16_t *s, ptrdiff_t limit) {
  ptrdiff_t n = 0;
  while (n < limit && s[n] != 0)
    ++n;
  return n;
}

} // namespace

void ReplaceCharacterBySpace(char *text, char c, int32_t length) { ReplaceUnit(text, c, length); }

void ReplaceCharacterBySpaceW(char16_t *text, char16_t c, int32_t length) {
  ReplaceUnit(text, c, length);
}

void ReplaceControlCharsBySpaceA(char *text, int32_t length) { ReplaceBelow32(text, length); }
void ReplaceControlCharsBySpaceW(char16_t *text, int32_t length) { ReplaceBelow32(text, length); }
void ReplaceCarriageReturnsBySpaceA(char *text, int32_t length) { ReplaceCRs(text, length); }
void ReplaceCarriageReturnsBySpaceW(char16_t *text, int32_t length) { ReplaceCRs(text, length); }
void ReplaceTabsBySpace(char *text, int32_t length) { ReplaceUnit(text, '\t', length); }
void BlankOutSomeBytesA(char *text, int32_t count) { Fill(text, ' ', count); }
void BlankOutSomeBytesW(char16_t *text, int32_t count) { Fill(text, u' ', count); }
void ZeroSomeBytesW(char16_t *text, int32_t count) { Fill(text, u'\0', count); }

int32_t LengthConvertedToUnix(char *text, int32_t length) {
  if (length <= 0)
    return 0;
  char *const end = text + length;
  char *write = text;
  for (const char *read = text; read < end;) {
    const char *lf = unit_scan::ScanFor<char>(read, end, '\n');
    const char *stop = lf != nullptr ? lf : end;
    if (write != read)
      std::memmove(write, read, static_cast<size_t>(stop - read));
    write += stop - read;
    read = stop + (lf != nullptr ? 1 : 0);
  }
  return static_cast<int32_t>(write - text);
}

int32_t CutDoubleCRLFsW(char16_t *text, int32_t length) {
  if (length <= 0)
    return 0;
  int32_t write = 0;
  for (int32_t read = 0; read < length; ++read) {
    // A CR LF directly followed by another CR LF goes; the last pair of a run stays.
    if (length - read >= 4 && text[read] == kCR && text[read + 1] == kLF && text[read + 2] == kCR &&
        text[read + 3] == kLF) {
      ++read;
      continue;
    }
    text[write++] = text[read];
  }
  if (write < length)
    text[write] = 0;
  return write;
}

int32_t RemoveRedundantSpaceW(char16_t *text, int32_t length) {
  if (length <= 0)
    return 0;
  char16_t *const end = text + length;
  char16_t *write = text;
  const char16_t *read = text;
  for (;;) {
    const char16_t *pair = unit_scan::ScanForPair<char16_t>(read, end, u' ');
    const char16_t *stop = pair != nullptr ? pair + 1 : end; // keep the run's first space
    if (write != read)
      std::memmove(write, read, static_cast<size_t>(stop - read) * 2);
    write += stop - read;
    if (pair == nullptr)
      break;
    read = stop;
    while (read < end && *read == u' ')
      ++read;
  }
  *write = 0;
  return static_cast<int32_t>(write - text);
}

int32_t ClearBetweenChars(char *text, char open, char close, int32_t length) {
  if (length <= 0)
    return 0;
  return CompactBetween(text, open, close, length, INT64_MAX, false);
}

int32_t CleanBetweenChars(char *text, char open, char close, int32_t length, int32_t reach,
                          bool remove) {
  if (length <= 0)
    return 0;
  return CompactBetween(text, open, close, length, reach, !remove);
}

void CapitaliseABuffer(char *text, const ANSILower_or_upperStr_type &lowers,
                       const ANSILower_or_upperStr_type &uppers, int32_t length) {
  if (length <= 0)
    return;
  std::array<unsigned char, 256> map;
  for (unsigned c = 0; c < 256; ++c)
    map[c] = static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 32 : c);
  // Backwards, so that a letter listed twice takes its first partner.
  const int32_t m = std::min(lowers.UsableLength(), uppers.UsableLength());
  for (int32_t k = m - 1; k >= 0; --k)
    if (Byte(lowers.chars[k]) > 'z')
      map[Byte(lowers.chars[k])] = static_cast<unsigned char>(uppers.chars[k]);
  for (int32_t i = 0; i < length; ++i)
    text[i] = static_cast<char>(map[Byte(text[i])]);
}

void CutLowercaseWords(char *text, const ANSILower_or_upperStr_type &lowers,
                       const ANSILower_or_upperStr_type &uppers, int32_t length) {
  if (length <= 0)
    return;
  const std::array<uint8_t, 256> classes = WordClasses(lowers, uppers);
  bool upper_seen = false;
  for (int32_t i = 0; i < length; ++i) {
    switch (classes[Byte(text[i])]) {
    case kSpace:
      upper_seen = false;
      break;
    case kUpper:
      upper_seen = true;
      break;
    case kBlank:
      if (!upper_seen)
        text[i] = ' ';
      break;
    default:
      break;
    }
  }
}

void Swap2Strings(char16_t *text, int32_t length_a, int32_t length_b) {
  if (length_a <= 0 || length_b <= 0 || text[0] == 0)
    return;
  const int64_t total = int64_t{length_a} + length_b;
  int64_t moved = 0;
  for (int64_t start = 0; moved < total; ++start) {
    // Unit p moves to (p + length_b) mod total; follow one cycle with a single carried unit.
    int64_t p = start;
    char16_t carried = text[p];
    do {
      p += length_b;
      if (p >= total)
        p -= total;
      std::swap(carried, text[p]);
      ++moved;
    } while (p != start);
  }
}

void SetZeroWidthJoinersToDefined(const char16_t *text, uint16_t *types, int32_t length) {
  for (int32_t i = 0; i < length; ++i)
    if (text[i] == 0x200D)
      types[i] = 0x0200;
}

void SetZeroWidthNonJoinersToDefinedAlpha(const char16_t *text, uint16_t *types, int32_t length) {
  for (int32_t i = 0; i < length; ++i)
    if (text[i] == 0x200C)
      types[i] = 0x0300;
}

void SearchAndReplaceFastW(char16_t *text, const char16_t *search, const char16_t *replacement,
                           int32_t text_length, int32_t search_length) {
  if (text == nullptr || search == nullptr || replacement == nullptr || text_length <= 0 ||
      search_length <= 0)
    return;
  // Both texts are measured no further than one unit past search_length.
  if (BoundedLength(search, search_length + 1) != search_length ||
      BoundedLength(replacement, search_length + 1) != search_length)
    return;
  char16_t *const end = text + text_length;
  for (char16_t *p = text; end - p >= search_length; p += search_length) {
    p = FastStrPosW(p, search, static_cast<int32_t>(end - p));
    if (p == nullptr)
      return;
    std::memcpy(p, replacement, static_cast<size_t>(search_length) * 2);
  }
}

} // namespace textcore
