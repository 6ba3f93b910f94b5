// Buffer primitives: the hot loops of text cleaning, comparison, checksums and format detection.
//
// Every routine works on caller-owned memory given as a pointer and an explicit length, counted
// in units of the buffer's own width (bytes for the ANSI forms, UTF-16 units for the wide forms)
// unless its note says otherwise. A length of zero or below does nothing and gives the empty
// result (null, false, 0). Positions come back as pointers into the caller's buffer. NUL inside
// the length is an ordinary character: the length governs, never a terminator. Patterns and
// the search text of SearchAndReplaceFastW are NUL-terminated.
//
// Each routine is one forward pass with no allocation. Matching is exact code-unit equality;
// only FastStrIPos/FastStrIPosW accept either of two caller-supplied variants per position.
//
// The compaction routines that write a terminator (ClearBetweenChars, CleanBetweenChars,
// RemoveRedundantSpaceW) need room for one unit beyond the length: a pass that removes nothing
// writes the NUL at position length. CutDoubleCRLFsW writes its NUL only when it removed
// something, so it never writes past the length.
#pragma once

#include "core/bare_assemb_types.h"

#include <cstdint>

namespace textcore {

// Searching ------------------------------------------------------------------------------------

// The first occurrence of the whole pattern lying inside the first length characters, or null
// (also for a null text or pattern, an empty pattern, or a pattern longer than the range).
const char *FastStrPos(const char *text, const char *pattern, int32_t length);
const char16_t *FastStrPosW(const char16_t *text, const char16_t *pattern, int32_t length);

// As FastStrPos, each pattern position matching either variant1[k] or variant2[k]. The two
// variants must be of equal length; no case folding is done here. A match may end on the last
// character of the range.
const char *FastStrIPos(const char *text, const char *variant1, const char *variant2,
                        int32_t length);
const char16_t *FastStrIPosW(const char16_t *text, const char16_t *variant1,
                             const char16_t *variant2, int32_t length);

// The first c within length characters, or null.
const char *FastStrScan(const char *text, char c, int32_t length);
const char16_t *FastStrScanW(const char16_t *text, char16_t c, int32_t length);

// Non-const forms for callers that go on to rewrite what they found.
inline char *FastStrPos(char *text, const char *pattern, int32_t length) {
  return const_cast<char *>(FastStrPos(static_cast<const char *>(text), pattern, length));
}
inline char16_t *FastStrPosW(char16_t *text, const char16_t *pattern, int32_t length) {
  return const_cast<char16_t *>(FastStrPosW(static_cast<const char16_t *>(text), pattern, length));
}
inline char *FastStrIPos(char *text, const char *variant1, const char *variant2, int32_t length) {
  return const_cast<char *>(
      FastStrIPos(static_cast<const char *>(text), variant1, variant2, length));
}
inline char16_t *FastStrIPosW(char16_t *text, const char16_t *variant1, const char16_t *variant2,
                              int32_t length) {
  return const_cast<char16_t *>(
      FastStrIPosW(static_cast<const char16_t *>(text), variant1, variant2, length));
}
inline char *FastStrScan(char *text, char c, int32_t length) {
  return const_cast<char *>(FastStrScan(static_cast<const char *>(text), c, length));
}
inline char16_t *FastStrScanW(char16_t *text, char16_t c, int32_t length) {
  return const_cast<char16_t *>(FastStrScanW(static_cast<const char16_t *>(text), c, length));
}

// Comparing ------------------------------------------------------------------------------------

// True when the first count units are equal (and when count is 0).
bool EqualContentsA(const char *a, const char *b, int32_t count);
bool EqualContentsW(const char16_t *a, const char16_t *b, int32_t count);

// The units left after the first difference: count - k - 1 for a first difference at k, 0 when
// there is none (so a difference at the last unit also gives 0).
int32_t HowFarEqualContentsA(const char *a, const char *b, int32_t count);
int32_t HowFarEqualContentsW(const char16_t *a, const char16_t *b, int32_t count);

// Checksums and byte-order marks ---------------------------------------------------------------

// The wrap-around sum of count little-endian 16-bit words (2 x count bytes are read).
uint16_t My2Checksum(const void *p, int32_t count);
// The wrap-around sum of count div 4 little-endian 32-bit words; count is in bytes and 1 to 3
// trailing bytes are ignored. Plain sums, so a stream can be summed chunk by chunk.
uint32_t My4Checksum(const void *p, int32_t count);

// The first two bytes are FF FE or FE FF; the buffer must hold at least two bytes.
bool UnicodeSigned(const void *p);
// The first two bytes are FE FF (big-endian UTF-16).
bool UnicodeByteReversed(const void *p);

// Rewriting in place ---------------------------------------------------------------------------

void ReplaceCharacterBySpace(char *text, char c, int32_t length);
void ReplaceCharacterBySpaceW(char16_t *text, char16_t c, int32_t length);
// Every unit below 32 becomes a space.
void ReplaceControlCharsBySpaceA(char *text, int32_t length);
void ReplaceControlCharsBySpaceW(char16_t *text, int32_t length);
// Every CR becomes a space, and so does a LF directly after such a CR; a lone LF stays.
void ReplaceCarriageReturnsBySpaceA(char *text, int32_t length);
void ReplaceCarriageReturnsBySpaceW(char16_t *text, int32_t length);
void ReplaceTabsBySpace(char *text, int32_t length);
void BlankOutSomeBytesA(char *text, int32_t count);
void BlankOutSomeBytesW(char16_t *text, int32_t count);
void ZeroSomeBytesW(char16_t *text, int32_t count);

// Removes every LF byte, moving the rest down, and returns the new length. CR bytes are kept
// and no terminator is written.
int32_t LengthConvertedToUnix(char *text, int32_t length);

// Reduces every run of two or more CR LF pairs to one CR LF. When something was removed a NUL
// follows the compacted text. Returns the new length.
int32_t CutDoubleCRLFsW(char16_t *text, int32_t length);

// Reduces every run of two or more spaces (U+0020 only) to one, writes a NUL after the result
// and returns its length.
int32_t RemoveRedundantSpaceW(char16_t *text, int32_t length);

// Removes every stretch from an opening character through the next closing character; an
// opening character with no closing one after it is dropped alone. When open and close are the
// same character only that character goes. Writes a NUL after the result and returns its length.
int32_t ClearBetweenChars(char *text, char open, char close, int32_t length);

// As ClearBetweenChars, but the closing character must lie within reach characters counted from
// the opening one inclusive. A found stretch is dropped (remove true) or overwritten by as many
// spaces (remove false); an opening character without a close within reach is dropped in both
// modes. Writes a NUL after the result and returns its length.
int32_t CleanBetweenChars(char *text, char open, char close, int32_t length, int32_t reach,
                          bool remove);

// Upper-cases a..z, and letters above z found in the lower-case table become the upper-case
// table's letter at the same position (over the shorter of the two tables).
void CapitaliseABuffer(char *text, const ANSILower_or_upperStr_type &lowers,
                       const ANSILower_or_upperStr_type &uppers, int32_t length);

// In each space-delimited word, blanks every lower-case letter standing before the word's first
// upper-case letter; from that letter on the word is kept whole.
void CutLowercaseWords(char *text, const ANSILower_or_upperStr_type &lowers,
                       const ANSILower_or_upperStr_type &uppers, int32_t length);

// The buffer holds block A (length_a units) then block B (length_b units); afterwards it holds
// B then A. Done by cycle rotation without scratch memory. A buffer whose first unit is NUL is
// left alone.
void Swap2Strings(char16_t *text, int32_t length_a, int32_t length_b);

// Character-class words for the buffer matcher: at each U+200D (zero-width joiner) the parallel
// type word becomes $0200 (defined), at each U+200C (zero-width non-joiner) $0300 (defined and
// alphabetic).
void SetZeroWidthJoinersToDefined(const char16_t *text, uint16_t *types, int32_t length);
void SetZeroWidthNonJoinersToDefinedAlpha(const char16_t *text, uint16_t *types, int32_t length);

// Replaces every occurrence of search (search_length units, NUL-terminated) within text_length
// units by replacement, scanning on after each replaced occurrence. The text never changes
// length: when the replacement's length up to its NUL differs from search_length, or the search
// text is not search_length units long, nothing is done.
void SearchAndReplaceFastW(char16_t *text, const char16_t *search, const char16_t *replacement,
                           int32_t text_length, int32_t search_length);

} // namespace textcore
