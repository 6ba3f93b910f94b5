// WideCharToMultiByte: UTF-16 to a code page, with best fits, the default character and its
// used-default flag, and the composite check that joins letters with their combining marks.
#include "platform/nls_buffers.h"
#include "platform/nls_code_page_tables.h"
#include "platform/nls_code_pages.h"
#include "platform/nls_last_error.h"
#include "platform/utf.h"

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>
#include <unicode/unistr.h>
#include <unicode/ustring.h>

#include <cstring>
#include <functional>
#include <memory>

namespace textcore {

namespace {

// Stands in the checked text for "one default character here", which WC_DEFAULTCHAR asks for.
// A noncharacter, so no code page maps it.
constexpr char16_t kDefaultMarker = u'\uFFFF';

uint32_t ResolvedCodePage(uint32_t code_page) {
  if (code_page == CP_ACP || code_page == CP_THREAD_ACP)
    return GetACP();
  if (code_page == CP_OEMCP)
    return GetOEMCP();
  return code_page == CP_MACCP ? 10000 : code_page;
}

bool IsMark(UChar32 c) { return (U_GET_GC_MASK(c) & U_GC_M_MASK) != 0; }

// The composite check: each letter with the marks after it becomes one precomposed character
// when the code page holds one; otherwise the marks are kept, dropped, or the whole cluster
// becomes one default character, as the flags say.
std::u16string CompositeChecked(std::u16string_view text, uint32_t flags,
                                const std::function<bool(char16_t)> &encodable) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2 *nfc = icu::Normalizer2::getNFCInstance(status);
  std::u16string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    size_t end = i + 1;
    while (end < text.size() && IsMark(text[end]))
      ++end;
    if (end == i + 1 || U_FAILURE(status)) {
      out += text[i++];
      continue;
    }
    icu::UnicodeString cluster(false, text.data() + i, static_cast<int32_t>(end - i));
    UErrorCode norm_status = U_ZERO_ERROR;
    icu::UnicodeString joined = nfc->normalize(cluster, norm_status);
    if (U_SUCCESS(norm_status) && joined.length() == 1 && encodable(joined.charAt(0)))
      out += static_cast<char16_t>(joined.charAt(0));
    else if (flags & WC_DISCARDNS)
      out += text[i];
    else if (flags & WC_DEFAULTCHAR)
      out += kDefaultMarker;
    else
      out.append(text.substr(i, end - i));
    i = end;
  }
  return out;
}

std::string EncodeSingleByte(const SingleByteEncoder &e, bool best_fit, std::u16string_view text,
                             char default_byte, bool &used_default) {
  const uint16_t *table = best_fit ? e.best_fit : e.exact;
  std::string out(text.size(), '\0');
  size_t n = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    char16_t c = text[i];
    uint16_t b = table[c];
    if (b == SingleByteEncoder::kNoByte) {
      // A surrogate pair is one character: one default byte for both halves.
      if (U16_IS_LEAD(c) && i + 1 < text.size() && U16_IS_TRAIL(text[i + 1]))
        ++i;
      used_default = true;
      out[n++] = default_byte;
    } else {
      out[n++] = static_cast<char>(b);
    }
  }
  out.resize(n);
  return out;
}

struct DefaultBytes {
  const char *bytes;
  int32_t length;
  bool used;
};

void FromUnicodeDefault(const void *context, UConverterFromUnicodeArgs *args, const UChar *,
                        int32_t, UChar32, UConverterCallbackReason reason, UErrorCode *status) {
  if (reason > UCNV_IRREGULAR)
    return;
  auto *def = static_cast<DefaultBytes *>(const_cast<void *>(context));
  def->used = true;
  *status = U_ZERO_ERROR;
  ucnv_cbFromUWriteBytes(args, def->bytes, def->length, 0, status);
}

struct UConverterCloser {
  void operator()(UConverter *c) const { ucnv_close(c); }
};
using ConverterPtr = std::unique_ptr<UConverter, UConverterCloser>;

ConverterPtr OpenConverter(uint32_t code_page) {
  UErrorCode status = U_ZERO_ERROR;
  ConverterPtr conv(ucnv_open(ConverterNameOfCodePage(code_page).c_str(), &status));
  return U_SUCCESS(status) ? std::move(conv) : nullptr;
}

bool EncodableByIcu(UConverter *strict, char16_t c) {
  ucnv_resetFromUnicode(strict);
  char out[8];
  UErrorCode status = U_ZERO_ERROR;
  ucnv_fromUChars(strict, out, sizeof out, &c, 1, &status);
  return U_SUCCESS(status);
}

bool EncodeWithIcu(uint32_t code_page, bool best_fit, std::u16string_view text, DefaultBytes &def,
                   std::string &out) {
  ConverterPtr conv = OpenConverter(code_page);
  if (!conv)
    return false;
  UErrorCode status = U_ZERO_ERROR;
  ucnv_setFallback(conv.get(), best_fit);
  ucnv_setFromUCallBack(conv.get(), FromUnicodeDefault, &def, nullptr, nullptr, &status);
  out.resize(text.size() * 4 + 8);
  int32_t n = ucnv_fromUChars(conv.get(), out.data(), static_cast<int32_t>(out.size()), text.data(),
                              static_cast<int32_t>(text.size()), &status);
  if (U_FAILURE(status))
    return false;
  out.resize(static_cast<size_t>(n));
  return true;
}

std::function<bool(char16_t)> EncodablePredicate(uint32_t code_page, ConverterPtr &strict) {
  if (const SingleByteEncoder *e = EncoderOfCodePage(code_page))
    return [e](char16_t c) { return e->exact[c] != SingleByteEncoder::kNoByte; };
  strict = OpenConverter(code_page);
  UErrorCode status = U_ZERO_ERROR;
  if (strict)
    ucnv_setFromUCallBack(strict.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                          &status);
  UConverter *conv = strict.get();
  return [conv](char16_t c) { return conv != nullptr && EncodableByIcu(conv, c); };
}

int32_t EncodeUtf8(uint32_t flags, std::u16string_view text, char *target, int32_t target_length) {
  std::string out;
  if (!EncodeUTF8(text, out, (flags & WC_ERR_INVALID_CHARS) != 0))
    return Fail(ERROR_NO_UNICODE_TRANSLATION);
  return Deliver(out, target, target_length);
}

uint32_t CheckFlags(uint32_t code_page, uint32_t flags, const char *default_char,
                    const bool *used_default) {
  if (code_page == CP_UTF8) {
    if (default_char != nullptr || used_default != nullptr)
      return ERROR_INVALID_PARAMETER;
    return (flags & ~WC_ERR_INVALID_CHARS) == 0 ? ERROR_SUCCESS : ERROR_INVALID_FLAGS;
  }
  constexpr uint32_t kKnown =
      WC_COMPOSITECHECK | WC_DISCARDNS | WC_SEPCHARS | WC_DEFAULTCHAR | WC_NO_BEST_FIT_CHARS;
  if (flags & ~kKnown)
    return ERROR_INVALID_FLAGS;
  uint32_t how = flags & (WC_DISCARDNS | WC_SEPCHARS | WC_DEFAULTCHAR);
  return (how & (how - 1)) == 0 ? ERROR_SUCCESS : ERROR_INVALID_FLAGS;
}

} // namespace

int32_t WideCharToMultiByte(uint32_t code_page, uint32_t flags, const char16_t *source,
                            int32_t source_length, char *target, int32_t target_length,
                            const char *default_char, bool *used_default) {
  if (!ValidBufferArguments(source, source_length, target, target_length))
    return Fail(ERROR_INVALID_PARAMETER);
  code_page = ResolvedCodePage(code_page);
  if (!IsValidCodePage(code_page))
    return Fail(ERROR_INVALID_PARAMETER);
  if (uint32_t error = CheckFlags(code_page, flags, default_char, used_default))
    return Fail(error);
  source_length = RunLength(source, source_length);
  std::u16string_view text(source, static_cast<size_t>(source_length));
  if (code_page == CP_UTF8)
    return EncodeUtf8(flags, text, target, target_length);

  std::u16string checked;
  ConverterPtr strict;
  if (flags & WC_COMPOSITECHECK) {
    checked = CompositeChecked(text, flags, EncodablePredicate(code_page, strict));
    text = checked;
  }
  const bool best_fit = (flags & WC_NO_BEST_FIT_CHARS) == 0;
  const char *def = default_char != nullptr && *default_char != '\0' ? default_char : "?";
  DefaultBytes defaults{def, std::strlen(def) >= 2 ? 2 : 1, false};
  std::string out;
  if (const SingleByteEncoder *e = EncoderOfCodePage(code_page))
    out = EncodeSingleByte(*e, best_fit, text, def[0], defaults.used);
  else if (!EncodeWithIcu(code_page, best_fit, text, defaults, out))
    return Fail(ERROR_INVALID_PARAMETER);
  if (used_default != nullptr)
    *used_default = defaults.used;
  return Deliver(out, target, target_length);
}

} // namespace textcore
