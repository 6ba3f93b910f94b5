// MultiByteToWideChar and WideCharToMultiByte: single-byte pages through 256-entry tables,
// double-byte pages through ICU, UTF-8 through the runtime's own codec, all under the Windows
// calling convention.
#include "platform/nls_code_pages.h"

#include "platform/nls_buffers.h"
#include "platform/nls_code_page_tables.h"
#include "platform/nls_last_error.h"
#include "platform/utf.h"

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>
#include <unicode/unistr.h>
#include <unicode/ustring.h>

#include <cstring>
#include <memory>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace textcore {

namespace {

uint32_t ResolvedCodePage(uint32_t code_page) {
  switch (code_page) {
  case CP_ACP:
  case CP_THREAD_ACP:
    return GetACP();
  case CP_OEMCP:
    return GetOEMCP();
  case CP_MACCP:
    return 10000;
  default:
    return code_page;
  }
}

struct UConverterCloser {
  void operator()(UConverter *c) const { ucnv_close(c); }
};
using ConverterPtr = std::unique_ptr<UConverter, UConverterCloser>;

// Writes U+FFFD for every bad byte sequence, whatever the page's own substitute is.
void ToUnicodeReplacement(const void *, UConverterToUnicodeArgs *args, const char *, int32_t,
                          UConverterCallbackReason reason, UErrorCode *status) {
  if (reason > UCNV_IRREGULAR)
    return;
  static const UChar kReplacement = 0xFFFD;
  *status = U_ZERO_ERROR;
  ucnv_cbToUWriteUChars(args, &kReplacement, 1, 0, status);
}

// -1 when the bytes are invalid under MB_ERR_INVALID_CHARS; the text otherwise.
bool DecodeWithIcu(uint32_t code_page, bool strict, const char *source, int32_t length,
                   std::u16string &out) {
  UErrorCode status = U_ZERO_ERROR;
  if (code_page == CP_UTF8) {
    out.resize(static_cast<size_t>(length));
    const int64_t made =
        DecodeUTF8(std::string_view(source, static_cast<size_t>(length)), out.data(), strict);
    if (made < 0)
      return false;
    out.resize(static_cast<size_t>(made));
    return true;
  }
  ConverterPtr conv(ucnv_open(ConverterNameOfCodePage(code_page).c_str(), &status));
  if (U_FAILURE(status))
    return false;
  if (strict)
    ucnv_setToUCallBack(conv.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
  else
    ucnv_setToUCallBack(conv.get(), ToUnicodeReplacement, nullptr, nullptr, nullptr, &status);
  out.resize(static_cast<size_t>(length) * 2 + 2);
  int32_t n = ucnv_toUChars(conv.get(), out.data(), static_cast<int32_t>(out.size()), source,
                            length, &status);
  if (U_FAILURE(status))
    return false;
  out.resize(static_cast<size_t>(n));
  return true;
}

void DecodeSingleByte(const SingleByteDecoder &d, bool glyphs, const uint8_t *source,
                      int32_t length, char16_t *target) {
  const char16_t *table = d.to_unicode;
  int32_t i = 0;
#if defined(__SSE2__)
  // Most pages keep ASCII as it is, and most text is ASCII: such bytes are widened 16 at a time.
  bool ascii_kept = true;
  for (char16_t b = 0; b < 0x80 && ascii_kept; ++b)
    ascii_kept = table[b] == b;
  if (ascii_kept) {
    const __m128i zero = _mm_setzero_si128();
    for (; i + 16 <= length; i += 16) {
      const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(source + i));
      if (_mm_movemask_epi8(bytes) != 0) {
        for (int32_t k = i; k < i + 16; ++k)
          target[k] = table[source[k]];
        continue;
      }
      _mm_storeu_si128(reinterpret_cast<__m128i *>(target + i), _mm_unpacklo_epi8(bytes, zero));
      _mm_storeu_si128(reinterpret_cast<__m128i *>(target + i + 8), _mm_unpackhi_epi8(bytes, zero));
    }
  }
#endif
  for (; i < length; ++i)
    target[i] = table[source[i]];
  if (glyphs && d.is_console_page)
    for (int32_t i = 0; i < length; ++i)
      if (source[i] < 0x20 || source[i] == 0x7F)
        target[i] = ConsoleGlyphOf(source[i]);
}

std::u16string Decomposed(const std::u16string &text) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2 *nfd = icu::Normalizer2::getNFDInstance(status);
  if (U_FAILURE(status))
    return text;
  icu::UnicodeString out = nfd->normalize(
      icu::UnicodeString(false, text.data(), static_cast<int32_t>(text.size())), status);
  return U_SUCCESS(status) ? std::u16string(out.getBuffer(), size_t(out.length())) : text;
}

bool ValidMultiByteFlags(uint32_t code_page, uint32_t flags) {
  if (code_page == CP_UTF8)
    return (flags & ~MB_ERR_INVALID_CHARS) == 0;
  constexpr uint32_t kKnown =
      MB_PRECOMPOSED | MB_COMPOSITE | MB_USEGLYPHCHARS | MB_ERR_INVALID_CHARS;
  return (flags & ~kKnown) == 0 &&
         (flags & (MB_PRECOMPOSED | MB_COMPOSITE)) != (MB_PRECOMPOSED | MB_COMPOSITE);
}

} // namespace

int32_t MultiByteToWideChar(uint32_t code_page, uint32_t flags, const char *source,
                            int32_t source_length, char16_t *target, int32_t target_length) {
  if (!ValidBufferArguments(source, source_length, target, target_length))
    return Fail(ERROR_INVALID_PARAMETER);
  code_page = ResolvedCodePage(code_page);
  CodePageKind kind = KindOfCodePage(code_page);
  if (kind == CodePageKind::kUnknown)
    return Fail(ERROR_INVALID_PARAMETER);
  if (!ValidMultiByteFlags(code_page, flags))
    return Fail(ERROR_INVALID_FLAGS);
  source_length = RunLength(source, source_length);
  const bool strict = (flags & MB_ERR_INVALID_CHARS) != 0;
  const auto *bytes = reinterpret_cast<const uint8_t *>(source);
  const SingleByteDecoder *d = DecoderOfCodePage(code_page);
  if (kind == CodePageKind::kSingleByte && d == nullptr)
    return Fail(ERROR_INVALID_PARAMETER);
  // The common case writes straight into the caller's buffer: one table look-up per byte.
  if (d != nullptr && (flags & MB_COMPOSITE) == 0) {
    if (target_length == 0)
      return source_length;
    int32_t n = source_length <= target_length ? source_length : target_length;
    DecodeSingleByte(*d, (flags & MB_USEGLYPHCHARS) != 0, bytes, n, target);
    return n == source_length ? n : Fail(ERROR_INSUFFICIENT_BUFFER);
  }
  std::u16string text;
  if (d != nullptr) {
    text.resize(static_cast<size_t>(source_length));
    DecodeSingleByte(*d, (flags & MB_USEGLYPHCHARS) != 0, bytes, source_length, text.data());
  } else if (!DecodeWithIcu(code_page, strict, source, source_length, text)) {
    return Fail(strict ? ERROR_NO_UNICODE_TRANSLATION : ERROR_INVALID_PARAMETER);
  }
  if (flags & MB_COMPOSITE)
    text = Decomposed(text);
  return Deliver(text, target, target_length);
}

uint32_t GetACP() {
  LCID lcid = EnvironmentLCID();
  uint32_t cp = lcid != 0 ? DefaultAnsiCodePageOf(lcid) : 0;
  return cp != 0 ? cp : 1252;
}

uint32_t LCIDToCodePage(LCID lcid) {
  const uint32_t code_page = DefaultAnsiCodePageOf(lcid);
  return code_page != 0 ? code_page : GetACP();
}

uint32_t GetOEMCP() {
  LCID lcid = EnvironmentLCID();
  uint32_t cp = lcid != 0 ? DefaultOemCodePageOf(lcid) : 0;
  return cp != 0 ? cp : 850;
}

bool IsValidCodePage(uint32_t code_page) {
  code_page = ResolvedCodePage(code_page);
  switch (KindOfCodePage(code_page)) {
  case CodePageKind::kSingleByte:
    return DecoderOfCodePage(code_page) != nullptr;
  case CodePageKind::kUnknown:
    return false;
  default:
    return true;
  }
}

bool IsDBCSLeadByteEx(uint32_t code_page, uint8_t byte) {
  code_page = ResolvedCodePage(code_page);
  if (code_page == 932)
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
  if (code_page == 936 || code_page == 949 || code_page == 950)
    return byte >= 0x81 && byte <= 0xFE;
  return false;
}

const char16_t *CodePageToUnicodeTable(uint32_t code_page) {
  const SingleByteDecoder *d = DecoderOfCodePage(ResolvedCodePage(code_page));
  return d != nullptr ? d->to_unicode : nullptr;
}

String AnsiToString(std::string_view bytes, uint32_t code_page) {
  if (bytes.empty())
    return String();
  int32_t length = static_cast<int32_t>(bytes.size());
  int32_t needed = MultiByteToWideChar(code_page, 0, bytes.data(), length, nullptr, 0);
  String text(static_cast<size_t>(needed), u'\0');
  if (needed > 0)
    MultiByteToWideChar(code_page, 0, bytes.data(), length, text.data(), needed);
  return text;
}

AnsiString StringToAnsi(StringView text, uint32_t code_page, bool *used_default) {
  if (used_default != nullptr)
    *used_default = false;
  if (text.empty())
    return AnsiString();
  bool utf8 = ResolvedCodePage(code_page) == CP_UTF8;
  bool *flag = utf8 ? nullptr : used_default;
  int32_t length = static_cast<int32_t>(text.size());
  int32_t needed =
      WideCharToMultiByte(code_page, 0, text.data(), length, nullptr, 0, nullptr, flag);
  AnsiString bytes(static_cast<size_t>(needed), '\0');
  if (needed > 0)
    WideCharToMultiByte(code_page, 0, text.data(), length, bytes.data(), needed, nullptr, flag);
  return bytes;
}

} // namespace textcore
