// Case mapping through two tables of all UTF-16 units, built once from ICU's simple (one to one)
// case mappings, with the Turkish i applied on top where linguistic casing asks for it.
#include "platform/nls_case.h"

#include "platform/nls_buffers.h"
#include "platform/nls_code_page_tables.h"
#include "platform/nls_code_pages.h"
#include "platform/nls_last_error.h"

#include <unicode/uchar.h>
#include <unicode/ustring.h>
#include <unicode/utf16.h>

#include <cstring>
#include <limits>
#include <memory>
#include <vector>

namespace textcore {

namespace {

struct CaseTables {
  char16_t upper[0x10000];
  char16_t lower[0x10000];
};

const CaseTables &Tables() {
  static const std::unique_ptr<CaseTables> tables = [] {
    auto t = std::make_unique<CaseTables>();
    for (UChar32 c = 0; c < 0x10000; ++c) {
      UChar32 up = u_toupper(c), low = u_tolower(c);
      // A mapping that would leave the BMP (none today) keeps the unit, so lengths hold.
      t->upper[c] = static_cast<char16_t>(U_IS_BMP(up) && !U_IS_SURROGATE(c) ? up : c);
      t->lower[c] = static_cast<char16_t>(U_IS_BMP(low) && !U_IS_SURROGATE(c) ? low : c);
    }
    return t;
  }();
  return *tables;
}

bool HasTurkishI(LCID locale) {
  std::string id = IcuLocaleOfLCID(locale);
  std::string language = id.substr(0, id.find('_'));
  return language == "tr" || language == "az";
}

bool ValidFlags(uint32_t flags) {
  uint32_t which = flags & (LCMAP_UPPERCASE | LCMAP_LOWERCASE);
  return (flags & ~(LCMAP_UPPERCASE | LCMAP_LOWERCASE | LCMAP_LINGUISTIC_CASING)) == 0 &&
         (which == LCMAP_UPPERCASE || which == LCMAP_LOWERCASE);
}

void MapUnits(bool upper, bool turkish, const char16_t *in, size_t length, char16_t *out) {
  const char16_t *table = upper ? Tables().upper : Tables().lower;
  for (size_t i = 0; i < length; ++i) {
    char16_t c = in[i];
    if (U16_IS_LEAD(c) && i + 1 < length && U16_IS_TRAIL(in[i + 1])) {
      UChar32 cp = U16_GET_SUPPLEMENTARY(c, in[i + 1]);
      UChar32 mapped = upper ? u_toupper(cp) : u_tolower(cp);
      if (U_IS_BMP(mapped))
        mapped = cp;
      out[i] = U16_LEAD(mapped);
      out[i + 1] = U16_TRAIL(mapped);
      ++i;
      continue;
    }
    // Turkish and Azeri pair i with İ and ı with I; the text may be mapped in place.
    if (turkish && c == (upper ? u'i' : u'I'))
      out[i] = upper ? u'\u0130' : u'\u0131';
    else
      out[i] = table[c];
  }
}

using FullMapper = int32_t (*)(UChar *, int32_t, const UChar *, int32_t, const char *,
                               UErrorCode *);

// One call when the result fits the first guess, a second with the size ICU asked for otherwise.
String FullMapping(LCID locale, StringView text, FullMapper map) {
  if (text.empty() || text.size() > size_t(std::numeric_limits<int32_t>::max() / 3))
    return String(text);
  const std::string id = IcuLocaleOfLCID(locale);
  const auto length = static_cast<int32_t>(text.size());
  String out(text.size() + 16, u'\0');
  UErrorCode status = U_ZERO_ERROR;
  int32_t needed = map(out.data(), int32_t(out.size()), text.data(), length, id.c_str(), &status);
  if (status == U_BUFFER_OVERFLOW_ERROR) {
    out.assign(size_t(needed), u'\0');
    status = U_ZERO_ERROR;
    needed = map(out.data(), needed, text.data(), length, id.c_str(), &status);
  }
  if (U_FAILURE(status))
    return String(text);
  out.resize(size_t(needed));
  return out;
}

} // namespace

String FullUpperCase(LCID locale, StringView text) {
  return FullMapping(locale, text, u_strToUpper);
}

String FullLowerCase(LCID locale, StringView text) {
  return FullMapping(locale, text, u_strToLower);
}

char16_t UpperCaseOfUnit(char16_t c) { return Tables().upper[c]; }
char16_t LowerCaseOfUnit(char16_t c) { return Tables().lower[c]; }

void LCMapCaseInPlace(LCID locale, uint32_t flags, char16_t *text, size_t length) {
  if (!ValidFlags(flags) || text == nullptr)
    return;
  bool turkish = (flags & LCMAP_LINGUISTIC_CASING) && HasTurkishI(locale);
  MapUnits((flags & LCMAP_UPPERCASE) != 0, turkish, text, length, text);
}

String LCMapCase(LCID locale, StringView text, uint32_t flags) {
  String out(text);
  LCMapCaseInPlace(locale, flags, out.data(), out.size());
  return out;
}

int32_t LCMapStringW(LCID locale, uint32_t flags, const char16_t *source, int32_t source_length,
                     char16_t *target, int32_t target_length) {
  if (!ValidBufferArguments(source, source_length, target, target_length))
    return Fail(ERROR_INVALID_PARAMETER);
  if (!ValidFlags(flags))
    return Fail(ERROR_INVALID_FLAGS);
  source_length = RunLength(source, source_length);
  if (target_length == 0)
    return source_length;
  if (target_length < source_length)
    return Fail(ERROR_INSUFFICIENT_BUFFER);
  if (target != source)
    std::memmove(target, source, sizeof(char16_t) * size_t(source_length));
  LCMapCaseInPlace(locale, flags, target, size_t(source_length));
  return source_length;
}

int32_t LCMapStringA(LCID locale, uint32_t flags, const char *source, int32_t source_length,
                     char *target, int32_t target_length) {
  if (!ValidBufferArguments(source, source_length, target, target_length))
    return Fail(ERROR_INVALID_PARAMETER);
  if (!ValidFlags(flags))
    return Fail(ERROR_INVALID_FLAGS);
  source_length = RunLength(source, source_length);
  if (target_length == 0)
    return source_length;
  if (target_length < source_length)
    return Fail(ERROR_INSUFFICIENT_BUFFER);
  uint32_t code_page = DefaultAnsiCodePageOf(locale);
  if (code_page == 0)
    code_page = GetACP();
  const SingleByteDecoder *d = DecoderOfCodePage(code_page);
  const SingleByteEncoder *e = EncoderOfCodePage(code_page);
  std::vector<char> out(source, source + source_length);
  bool turkish = (flags & LCMAP_LINGUISTIC_CASING) && HasTurkishI(locale);
  bool upper = (flags & LCMAP_UPPERCASE) != 0;
  for (size_t i = 0; i < out.size(); ++i) {
    char &byte = out[i];
    uint8_t b = static_cast<uint8_t>(byte);
    if (IsDBCSLeadByteEx(code_page, b)) {
      ++i;
      continue;
    }
    // Double-byte pages: only ASCII letters change, never a byte inside a character.
    char16_t c = d != nullptr ? d->to_unicode[b] : (b < 0x80 ? b : 0);
    if (c == 0)
      continue;
    char16_t mapped;
    MapUnits(upper, turkish, &c, 1, &mapped);
    uint16_t back = e != nullptr ? e->exact[mapped] : (mapped < 0x80 ? mapped : 0xFFFF);
    if (back != SingleByteEncoder::kNoByte)
      byte = static_cast<char>(back);
  }
  std::memcpy(target, out.data(), out.size());
  return source_length;
}

} // namespace textcore
