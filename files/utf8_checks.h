// UTF-8 checks: the signature, the number of sequences in a byte string, and whether the first
// non-ASCII bytes of a text are legal UTF-8; and a streaming legality scan that finds every
// ill-formed byte of a text of any size.
#pragma once

#include "platform/strings.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace textcore {

using TThreeBytes = std::array<uint8_t, 3>;

// The first three units are EF BB BF (U+00EF U+00BB U+00BF for the wide form); false for null.
bool IsUTF8Signature(const TThreeBytes &bytes);
bool IsUTF8SignatureA(const char *p);
bool IsUTF8SignatureW(const char16_t *p);
// The three signature bytes.
AnsiString UTF8SignatureAsUTF8String();

// The number of sequences in s, each taken as long as its lead byte's high bits say (up to six
// bytes; continuation bytes are not checked); s's length when a byte that cannot lead (10xxxxxx,
// FE, FF) stands in lead position or the last sequence runs past the end.
int32_t UTF8LengthInChars(std::string_view s);

// Walks s up to its first multi-byte sequence: true with all_single false when that sequence is
// legal UTF-8, true with all_single true when s is all ASCII (or empty), false at the first
// illegal or cut sequence.
bool CheckedUTF(std::string_view s, bool &all_single);

// Whether bytes[0..n) is one legal UTF-8 sequence (n from 1 to 4).
bool LegalUTF8Sequence(const uint8_t *bytes, int32_t n);

// Every ill-formed byte of a UTF-8 text, fed in blocks of any size (a sequence may be split
// between blocks): how many there are, where the first is, and how many legal multi-byte
// sequences there are. Counts as the decoder replaces: one per maximal ill-formed subsequence.
class TUTF8Scan {
public:
  void Feed(std::string_view block);
  // Ends the text: a sequence cut by the end counts as ill-formed.
  void Finish();

  int64_t IllFormed() const { return fIllFormed; }
  int64_t FirstIllFormedOffset() const { return fFirstIllFormed; } // -1 when none
  int64_t MultiByte() const { return fMultiByte; }

private:
  void Bad(int64_t offset);
  void Step(uint8_t byte);
  size_t SkipWholeSequences(const uint8_t *bytes, size_t i, size_t n);

  int64_t fOffset = 0; // of the next byte fed
  int64_t fIllFormed = 0, fFirstIllFormed = -1, fMultiByte = 0;
  // The sequence being read: its bytes so far and how many it needs.
  uint8_t fPending[4] = {};
  int32_t fHave = 0, fNeed = 0;
};

} // namespace textcore
