// Deciding a text's encoding, and decoding it once.
#include "files/text_decoding.h"

#include "files/utf8_checks.h"
#include "platform/encoding.h"
#include "platform/nls_code_pages.h"
#include "platform/nls_fold.h"
#include "platform/utf.h"
#include "strings/precomposed.h"

#include <algorithm>
#include <cstring>

namespace textcore {

namespace {

constexpr int64_t kLegalPerIllFormed = 16;

TNotTextReason NotTextKind(TFileContentsSet contents) {
  if (contents.Contains(_Zip))
    return ntr_archive;
  if (contents.Contains(_Storage))
    return ntr_storage;
  if (contents.Contains(_early_Word))
    return ntr_word;
  return ntr_text;
}

String Utf16(std::string_view bytes, bool big_endian) {
  const TEncoding *encoding = big_endian ? TEncoding::BigEndianUnicode() : TEncoding::Unicode();
  return encoding->GetString(
      ByteSpan(reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size()));
}

String EightBit(std::string_view bytes, uint32_t code_page) {
  String text(bytes.size(), u'\0');
  if (bytes.empty() || bytes.size() > static_cast<size_t>(INT32_MAX))
    return String();
  // No single- or double-byte page makes more units than it has bytes.
  const int32_t made =
      MultiByteToWideChar(code_page, 0, bytes.data(), static_cast<int32_t>(bytes.size()),
                          text.data(), static_cast<int32_t>(text.size()));
  text.resize(static_cast<size_t>(std::max(made, 0)));
  return text;
}

void Compose(String &text) {
  if (PrecomposedPrefix(text) < text.size())
    text = EnsurePrecomposed(text);
}

// 8-bit or UTF-8: legal UTF-8 throughout is UTF-8; so is UTF-8 with only a few ill-formed
// stretches, which the scan counts.
void ReadEightBitOrUtf8(std::string_view body, size_t offset, uint32_t code_page,
                        TTextDecision &decision, String &text) {
  text.assign(body.size(), u'\0');
  const int64_t made = DecodeUTF8(body, text.data(), true);
  if (made >= 0) {
    text.resize(static_cast<size_t>(made));
    const bool ascii = std::none_of(body.begin(), body.end(), [](char c) { return c & 0x80; });
    decision.encoding = ascii && offset == 0 ? te_8_bit : te_utf8; // a signature says UTF-8
    return;
  }
  TUTF8Scan scan;
  scan.Feed(body);
  scan.Finish();
  if (scan.MultiByte() > 0 && scan.IllFormed() * kLegalPerIllFormed <= scan.MultiByte()) {
    text.resize(static_cast<size_t>(DecodeUTF8(body, text.data(), false)));
    decision.encoding = te_utf8;
    decision.ill_formed = scan.IllFormed();
    decision.first_ill_formed = static_cast<int64_t>(offset) + scan.FirstIllFormedOffset();
    return;
  }
  decision.encoding = te_8_bit;
  text = EightBit(body, code_page);
}

} // namespace

TTextDecision ReadTextOfBytes(std::string_view bytes, uint32_t code_page, bool binary_as_text,
                              String &text) {
  TTextDecision decision;
  text.clear();
  const int64_t prefix =
      std::min<int64_t>(static_cast<int64_t>(bytes.size()), kThoroughPrefixBytes);
  decision.contents = FileBufferType(bytes.data(), prefix, true);
  decision.not_text = NotTextKind(decision.contents);
  const bool marked16 = bytes.size() >= 2 && ((bytes[0] == '\xFF' && bytes[1] == '\xFE') ||
                                              (bytes[0] == '\xFE' && bytes[1] == '\xFF'));
  // A byte-order mark decides, also on a text whose last unit was cut to one byte.
  if (decision.not_text == ntr_text && (marked16 || decision.contents.Contains(_16_bit) ||
                                        decision.contents.Contains(_16_bit_reversed))) {
    const bool reversed =
        marked16 ? bytes[0] == '\xFE' : decision.contents.Contains(_16_bit_reversed);
    decision.encoding = reversed ? te_utf16_reversed : te_utf16;
    decision.mark_bytes = marked16 ? 2 : 0;
    text = Utf16(bytes.substr(decision.mark_bytes), reversed);
    Compose(text);
    return decision;
  }
  if (decision.not_text == ntr_text && std::memchr(bytes.data(), 0, bytes.size()) != nullptr)
    decision.not_text = ntr_nul;
  if (decision.not_text != ntr_text) {
    if (!binary_as_text)
      return decision;
    decision.encoding = te_8_bit;
    text = EightBit(bytes, code_page);
    return decision;
  }
  decision.mark_bytes = bytes.starts_with("\xEF\xBB\xBF") ? 3 : 0;
  ReadEightBitOrUtf8(bytes.substr(decision.mark_bytes), decision.mark_bytes, code_page, decision,
                     text);
  Compose(text);
  return decision;
}

String TextEncodingName(const TTextDecision &decision, uint32_t code_page) {
  switch (decision.encoding) {
  case te_utf16:
    return u"UTF-16";
  case te_utf16_reversed:
    return u"UTF-16BE";
  case te_utf8:
    return u"UTF-8";
  case te_8_bit:
    return u"cp" + IntToStr(code_page);
  default:
    return String();
  }
}

} // namespace textcore
