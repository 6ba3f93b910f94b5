// Reading a text file's bytes: the first byte picks the 8-bit code page, the rest is a file's
// content. Reading never fails, a decoded text is never longer in units than the file in bytes
// (composition never lengthens a text decoded from one), UTF-16 behind either byte-order mark
// comes back unit for unit once composed, the detection rules agree with the decision, and the
// same bytes fed in pieces (their lengths taken from the first bytes) are decided and read as
// they are whole.
#include "files/file_contents.h"
#include "files/text_decoding.h"
#include "files/text_stream.h"
#include "files/utf8_checks.h"
#include "fuzz/fuzz_check.h"
#include "platform/utf.h"
#include "strings/precomposed.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr uint32_t kCodePages[] = {1252, 1250, 1251, 1253, 1255, 1256, 932, 936, 949, 874, 437};

std::string WithMark(std::u16string_view units, bool big_endian) {
  std::string bytes = big_endian ? "\xFE\xFF" : "\xFF\xFE";
  for (char16_t unit : units) {
    const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    bytes += big_endian ? high : low;
    bytes += big_endian ? low : high;
  }
  return bytes;
}

// The lengths of the pieces a text is cut into: 1 to 32 bytes each, from its first four bytes in
// turn, so that the fuzzer chooses the cuts along with the bytes.
std::vector<size_t> PieceLengths(std::string_view bytes) {
  std::vector<size_t> lengths;
  for (size_t k = 0; k < std::min<size_t>(4, bytes.size()); ++k)
    lengths.push_back(1 + static_cast<uint8_t>(bytes[k]) % 32);
  if (lengths.empty())
    lengths.push_back(1);
  return lengths;
}

void CheckReadInPieces(std::string_view bytes, uint32_t code_page, bool binary,
                       const textcore::TTextDecision &whole, const textcore::String &whole_text) {
  using namespace textcore;
  const std::vector<size_t> lengths = PieceLengths(bytes);
  TTextDecider decider(code_page, binary);
  for (size_t at = 0, k = 0; at < bytes.size(); at += lengths[k++ % lengths.size()])
    decider.Feed(bytes.substr(at, lengths[k % lengths.size()]));
  const TTextDecision decision = decider.Finish();
  FUZZ_CHECK(decision.contents == whole.contents);
  FUZZ_CHECK(decision.encoding == whole.encoding);
  FUZZ_CHECK(decision.not_text == whole.not_text);
  FUZZ_CHECK(decision.mark_bytes == whole.mark_bytes);
  FUZZ_CHECK(decision.ill_formed == whole.ill_formed);
  FUZZ_CHECK(decision.first_ill_formed == whole.first_ill_formed);
  TTextDecoder decoder(decision, code_page);
  String text;
  const std::string_view body = bytes.substr(decision.mark_bytes);
  for (size_t at = 0, k = 0; at < body.size(); at += lengths[k++ % lengths.size()])
    decoder.Decode(body.substr(at, lengths[k % lengths.size()]), false, text);
  decoder.Decode({}, true, text);
  FUZZ_CHECK(text == whole_text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  using namespace textcore;
  if (size < 1)
    return 0;
  const uint32_t code_page = kCodePages[data[0] % std::size(kCodePages)];
  const std::string_view bytes(reinterpret_cast<const char *>(data + 1), size - 1);
  for (bool binary : {false, true}) {
    String text;
    const TTextDecision decision = ReadTextOfBytes(bytes, code_page, binary, text);
    FUZZ_CHECK(decision.encoding != te_none || !binary);
    FUZZ_CHECK(decision.encoding != te_none || text.empty());
    FUZZ_CHECK(decision.first_ill_formed < static_cast<int64_t>(bytes.size()));
    FUZZ_CHECK((decision.ill_formed > 0) == (decision.first_ill_formed >= 0));
    CheckReadInPieces(bytes, code_page, binary, decision, text);
  }
  // The readers of the detection rules on the same bytes.
  const TFileContentsSet thorough =
      FileBufferType(bytes.data(), static_cast<int64_t>(bytes.size()), true);
  FUZZ_CHECK(thorough.Empty() || bytes.size() >= 4);
  bool all_single = false;
  if (CheckedUTF(bytes, all_single) && all_single)
    for (char c : bytes)
      FUZZ_CHECK(static_cast<uint8_t>(c) < 0x80);
  // The scan finds an ill-formed stretch exactly where the strict decoder fails.
  TUTF8Scan scan;
  scan.Feed(bytes);
  scan.Finish();
  std::u16string decoded(bytes.size(), u'\0');
  FUZZ_CHECK((scan.IllFormed() == 0) == (DecodeUTF8(bytes, decoded.data(), true) >= 0));
  const int32_t sequences = UTF8LengthInChars(bytes);
  FUZZ_CHECK(sequences >= 0 && static_cast<size_t>(sequences) <= bytes.size());

  std::u16string units(bytes.size() / 2, u'\0');
  std::memcpy(units.data(), bytes.data(), units.size() * 2);
  for (bool big_endian : {false, true}) {
    String text;
    ReadTextOfBytes(WithMark(units, big_endian), code_page, false, text);
    FUZZ_CHECK(text == EnsurePrecomposed(units));
  }
  return 0;
}
