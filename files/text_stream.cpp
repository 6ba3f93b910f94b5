// Deciding and decoding a text in pieces: the one implementation of the reading rules, which
// ReadTextOfBytes applies to all the bytes at once.
#include "files/text_stream.h"

#include "platform/encoding.h"
#include "platform/nls_code_pages.h"
#include "platform/nls_fold.h"
#include "platform/unit_scan.h"
#include "platform/utf.h"
#include "strings/precomposed.h"

#include <algorithm>
#include <cstring>

namespace textcore {

namespace {

constexpr int64_t kLegalPerIllFormed = 16;

// The most bytes handed to the code-page converter at once: its lengths are 32-bit.
constexpr size_t kSliceBytes = 1u << 30;

// No byte below 0x40 is a trail byte in any double-byte page, nor a lead byte: a character
// always ends after it.
constexpr uint8_t kFirstTrailByte = 0x40;

TNotTextReason NotTextKind(TFileContentsSet contents) {
  if (contents.Contains(_Zip))
    return ntr_archive;
  if (contents.Contains(_Storage))
    return ntr_storage;
  if (contents.Contains(_early_Word))
    return ntr_word;
  return ntr_text;
}

// How many bytes at the end of bytes begin a UTF-8 sequence that the next bytes may still
// complete or cut short (0 to 3). Only a byte that is no continuation byte starts a stretch, so
// the last such byte among the final three is where an unfinished one would begin.
size_t UnfinishedUtf8Tail(std::string_view bytes) {
  const size_t n = bytes.size();
  for (size_t k = 1; k <= std::min<size_t>(3, n); ++k) {
    const auto b = static_cast<uint8_t>(bytes[n - k]);
    if ((b & 0xC0) == 0x80)
      continue;
    bool cut = false;
    UTF8StretchAt(bytes.substr(n - k), cut);
    return cut ? k : 0;
  }
  return 0;
}

void AppendUtf8(std::string_view bytes, String &text) {
  const size_t at = text.size();
  text.resize(at + bytes.size()); // no sequence gives more units than it has bytes
  const int64_t made = DecodeUTF8(bytes, text.data() + at, false);
  text.resize(at + static_cast<size_t>(made));
}

// Where a double-byte stretch may be cut: just after its last byte below 0x40; 0 when it has none.
size_t SafeDoubleByteCut(std::string_view bytes) {
  for (size_t i = bytes.size(); i > 0; --i)
    if (static_cast<uint8_t>(bytes[i - 1]) < kFirstTrailByte)
      return i;
  return 0;
}

} // namespace

// TTextDecider ----------------------------------------------------------------------------------

TTextDecider::TTextDecider(uint32_t, bool binary_as_text) : fBinaryAsText(binary_as_text) {}

void TTextDecider::StartScan(std::string_view bytes, size_t before) {
  fSignatureBytes = fPrefix.starts_with("\xEF\xBB\xBF") ? 3 : 0;
  if (before > fSignatureBytes)
    fScan.Feed(std::string_view(fPrefix).substr(fSignatureBytes, before - fSignatureBytes));
  const size_t skip = fSignatureBytes > before ? fSignatureBytes - before : 0;
  fScan.Feed(bytes.substr(std::min(skip, bytes.size())));
  fScanning = true;
}

void TTextDecider::Feed(std::string_view bytes) {
  const auto before = static_cast<size_t>(fSize);
  fSize += static_cast<int64_t>(bytes.size());
  if (fPrefix.size() < static_cast<size_t>(kThoroughPrefixBytes))
    fPrefix.append(bytes.substr(0, static_cast<size_t>(kThoroughPrefixBytes) - fPrefix.size()));
  fNul = fNul || (!bytes.empty() && std::memchr(bytes.data(), 0, bytes.size()) != nullptr);
  if (fScanning)
    fScan.Feed(bytes);
  else if (fSize >= 3)
    StartScan(bytes, before);
}

TTextDecision TTextDecider::Finish() {
  if (!fScanning)
    StartScan({}, static_cast<size_t>(fSize));
  fScan.Finish();
  TTextDecision decision;
  decision.contents = FileBufferType(fPrefix.data(), static_cast<int64_t>(fPrefix.size()), true);
  decision.not_text = NotTextKind(decision.contents);
  const bool marked16 = fPrefix.starts_with("\xFF\xFE") || fPrefix.starts_with("\xFE\xFF");
  // A byte-order mark decides, also on a text whose last unit was cut to one byte.
  if (decision.not_text == ntr_text && (marked16 || decision.contents.Contains(_16_bit) ||
                                        decision.contents.Contains(_16_bit_reversed))) {
    const bool reversed =
        marked16 ? fPrefix[0] == '\xFE' : decision.contents.Contains(_16_bit_reversed);
    decision.encoding = reversed ? te_utf16_reversed : te_utf16;
    decision.mark_bytes = marked16 ? 2 : 0;
    return decision;
  }
  if (decision.not_text == ntr_text && fNul)
    decision.not_text = ntr_nul;
  if (decision.not_text != ntr_text) {
    if (fBinaryAsText)
      decision.encoding = te_8_bit;
    return decision;
  }
  // Legal UTF-8 throughout is UTF-8, unless it is all ASCII without a signature; so is UTF-8
  // with only a few ill-formed stretches. Anything else is 8-bit text.
  decision.mark_bytes = fSignatureBytes;
  if (fScan.IllFormed() == 0) {
    const bool ascii = fScan.MultiByte() == 0;
    decision.encoding = ascii && fSignatureBytes == 0 ? te_8_bit : te_utf8;
  } else if (fScan.MultiByte() > 0 && fScan.IllFormed() * kLegalPerIllFormed <= fScan.MultiByte()) {
    decision.encoding = te_utf8;
    decision.ill_formed = fScan.IllFormed();
    decision.first_ill_formed =
        static_cast<int64_t>(fSignatureBytes) + fScan.FirstIllFormedOffset();
  } else {
    decision.encoding = te_8_bit;
  }
  return decision;
}

// TTextDecoder ----------------------------------------------------------------------------------

TTextDecoder::TTextDecoder(const TTextDecision &decision, uint32_t code_page)
    : fCodePage(code_page) {
  // Bytes that are no text but are read as 8-bit text anyway come back as they are.
  fComposed = decision.not_text == ntr_text;
  switch (decision.encoding) {
  case te_utf8:
    fMode = m_utf8;
    break;
  case te_utf16:
    fMode = m_utf16;
    break;
  case te_utf16_reversed:
    fMode = m_utf16_reversed;
    break;
  case te_8_bit:
    // UTF-8 named as the 8-bit page is read as UTF-8 is, with each bad stretch replaced.
    if (code_page == CP_UTF8)
      fMode = m_utf8;
    else
      fMode = IsValidCodePage(code_page) ? m_code_page : m_unknown_page;
    // 0x81 leads a character in every double-byte page and in no other.
    fDoubleByte = fMode == m_code_page && IsDBCSLeadByteEx(code_page, 0x81);
    break;
  default:
    fMode = m_nothing;
  }
}

void TTextDecoder::Decode(std::string_view bytes, bool last, String &text) {
  const size_t from = text.size();
  text += fHeldUnits;
  fHeldUnits.clear();
  const size_t held_end = text.size();
  switch (fMode) {
  case m_utf8:
    DecodeUtf8(bytes, last, text);
    break;
  case m_utf16:
  case m_utf16_reversed:
    DecodeUtf16(bytes, last, text);
    break;
  case m_code_page:
    if (fDoubleByte) {
      DecodeDoubleByte(bytes, last, text);
    } else {
      for (size_t at = 0; at < bytes.size(); at += kSliceBytes)
        DecodeCodePage(bytes.substr(at, kSliceBytes), text);
    }
    break;
  case m_unknown_page:
    // The converter knows no such page: ASCII is ASCII in every page, and each other byte is
    // shown as unreadable rather than dropped.
    for (char c : bytes)
      text += static_cast<uint8_t>(c) < 0x80 ? static_cast<char16_t>(c)
                                             : static_cast<char16_t>(kReplacementCharacter);
    break;
  case m_nothing:
    break;
  }
  if (fComposed)
    Compose(text, from, held_end, last);
}

void TTextDecoder::DecodeUtf8(std::string_view bytes, bool last, String &text) {
  if (!fHeldBytes.empty()) {
    // The held stretch takes what it needs of this piece; at most three more bytes decide it.
    std::string joined = fHeldBytes;
    joined.append(bytes.substr(0, 3));
    bool cut = false;
    const size_t stretch = UTF8StretchAt(joined, cut);
    if (cut && !last) {
      fHeldBytes = joined; // the piece was all of it
      return;
    }
    AppendUtf8(std::string_view(joined).substr(0, stretch), text);
    bytes.remove_prefix(stretch - fHeldBytes.size());
    fHeldBytes.clear();
  }
  const size_t keep = last ? 0 : UnfinishedUtf8Tail(bytes);
  AppendUtf8(bytes.substr(0, bytes.size() - keep), text);
  fHeldBytes.assign(bytes.substr(bytes.size() - keep));
}

void TTextDecoder::DecodeUtf16(std::string_view bytes, bool last, String &text) {
  const TEncoding *encoding =
      fMode == m_utf16_reversed ? TEncoding::BigEndianUnicode() : TEncoding::Unicode();
  const auto span = [](std::string_view b) {
    return ByteSpan(reinterpret_cast<const uint8_t *>(b.data()), b.size());
  };
  if (!fHeldBytes.empty() && !bytes.empty()) {
    fHeldBytes += bytes[0];
    bytes.remove_prefix(1);
    text += encoding->GetString(span(fHeldBytes));
    fHeldBytes.clear();
  }
  const size_t even = bytes.size() & ~size_t{1};
  text += encoding->GetString(span(bytes.substr(0, even)));
  fHeldBytes.append(bytes.substr(even));
  // An odd byte at the very end reads as the converter reads it: one replacement.
  if (last && !fHeldBytes.empty()) {
    text += encoding->GetString(span(fHeldBytes));
    fHeldBytes.clear();
  }
}

void TTextDecoder::DecodeDoubleByte(std::string_view bytes, bool last, String &text) {
  if (!fHeldBytes.empty()) {
    // The held bytes end with a character at this piece's first safe point, if it has one.
    size_t joined_part = bytes.size();
    for (size_t i = 0; i < bytes.size(); ++i)
      if (static_cast<uint8_t>(bytes[i]) < kFirstTrailByte) {
        joined_part = i + 1;
        break;
      }
    std::string joined = std::move(fHeldBytes);
    fHeldBytes.clear();
    joined.append(bytes.substr(0, joined_part));
    bytes.remove_prefix(joined_part);
    const size_t done = DecodeDoubleByteRun(joined, last, text);
    fHeldBytes.assign(std::string_view(joined).substr(done));
    if (!fHeldBytes.empty())
      return; // the piece had no safe point: all of it is held
  }
  const size_t done = DecodeDoubleByteRun(bytes, last, text);
  fHeldBytes.assign(bytes.substr(done));
}

size_t TTextDecoder::DecodeDoubleByteRun(std::string_view bytes, bool last, String &text) {
  size_t done = 0;
  while (done < bytes.size()) {
    const std::string_view rest = bytes.substr(done);
    const bool final_slice = rest.size() <= kSliceBytes;
    std::string_view slice = rest.substr(0, kSliceBytes);
    if (!final_slice || !last) {
      size_t cut = SafeDoubleByteCut(slice);
      if (cut == 0) {
        if (final_slice && slice.size() <= kMaxHeldDoubleBytes)
          break; // held until a safe point comes
        // A long stretch without one: cut after a whole character as the lead bytes pair them.
        for (size_t i = 0; i < slice.size();) {
          const size_t width = IsDBCSLeadByteEx(fCodePage, static_cast<uint8_t>(slice[i])) ? 2 : 1;
          if (i + width > slice.size())
            break;
          i += width;
          cut = i;
        }
      }
      slice = slice.substr(0, cut);
    }
    DecodeCodePage(slice, text);
    done += slice.size();
  }
  return done;
}

void TTextDecoder::DecodeCodePage(std::string_view bytes, String &text) {
  if (bytes.empty())
    return;
  const size_t at = text.size();
  // No single- or double-byte page makes more units than it has bytes.
  text.resize(at + bytes.size());
  const int32_t made =
      MultiByteToWideChar(fCodePage, 0, bytes.data(), static_cast<int32_t>(bytes.size()),
                          text.data() + at, static_cast<int32_t>(bytes.size()));
  text.resize(at + static_cast<size_t>(std::max(made, 0)));
}

void TTextDecoder::Compose(String &text, size_t from, size_t held_end, bool last) {
  size_t cut = text.size();
  if (!last) {
    // Hold back from the last character that composition cannot reach back across; the held
    // units before held_end have no such place after their first. A high surrogate at the end
    // is no character yet: the low half that may follow decides what it is.
    cut = from;
    for (size_t i = text.size(); i > held_end;) {
      size_t j = i - 1;
      char32_t c = text[j];
      if (IsLowSurrogate(text[j]) && j > from && IsHighSurrogate(text[j - 1]))
        c = CodePointOfPair(text[--j], text[i - 1]);
      const bool unpaired_at_end = j + 1 == text.size() && IsHighSurrogate(text[j]);
      if (HasPrecomposedBoundaryBefore(c) && !unpaired_at_end) {
        cut = j;
        break;
      }
      i = j;
    }
    // A run that long without a boundary is composed as far as it has come, whole pairs only.
    if (text.size() - cut > kMaxHeldUnits)
      cut = text.size() - (IsHighSurrogate(text.back()) ? 1 : 0);
  }
  fHeldUnits.assign(text, cut, String::npos);
  text.resize(cut);
  // Units below U+0300 are composed already, and each starts a place composition does not
  // reach back across; the converter's quick check then vouches for a further stretch.
  const char16_t *begin = text.data() + from, *end = text.data() + text.size();
  const char16_t *first = unit_scan::ScanForAtLeast(begin, end, char16_t{0x300});
  if (first == nullptr)
    return;
  size_t start = static_cast<size_t>(first - text.data());
  if (start > from)
    --start;
  start += PrecomposedPrefix(StringView(text).substr(start));
  if (start == text.size())
    return;
  const String composed = EnsurePrecomposed(StringView(text).substr(start));
  text.resize(start);
  text += composed;
}

} // namespace textcore
