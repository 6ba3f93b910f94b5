// FoldString over ICU's normalizers.
#include "platform/nls_fold.h"

#include "platform/nls_buffers.h"
#include "platform/nls_last_error.h"

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <cstring>

namespace textcore {

namespace {

bool ValidFlags(uint32_t flags) {
  constexpr uint32_t kKnown =
      MAP_FOLDCZONE | MAP_PRECOMPOSED | MAP_COMPOSITE | MAP_FOLDDIGITS | MAP_EXPAND_LIGATURES;
  if (flags == 0 || (flags & ~kKnown) != 0)
    return false;
  if ((flags & MAP_PRECOMPOSED) && (flags & MAP_COMPOSITE))
    return false;
  return !((flags & MAP_EXPAND_LIGATURES) && (flags & (MAP_PRECOMPOSED | MAP_COMPOSITE)));
}

// Ligatures that have no compatibility decomposition of their own.
const char16_t *SpelledLigature(UChar32 c) {
  switch (c) {
  case 0x00C6:
    return u"AE";
  case 0x00E6:
    return u"ae";
  case 0x0152:
    return u"OE";
  case 0x0153:
    return u"oe";
  case 0x00DF:
    return u"ss";
  default:
    return nullptr;
  }
}

bool IsCompatibilityLigature(UChar32 c) {
  return (c >= 0xFB00 && c <= 0xFB06) || c == 0x0132 || c == 0x0133 ||
         (c >= 0x01C4 && c <= 0x01CC) || (c >= 0x01F1 && c <= 0x01F3);
}

void AppendCompatibilityForm(const icu::Normalizer2 *nfkc, UChar32 c, icu::UnicodeString &out) {
  icu::UnicodeString form;
  if (nfkc != nullptr && nfkc->getDecomposition(c, form))
    out += form;
  else
    out.append(c);
}

// The character-by-character foldings, before any normal form.
icu::UnicodeString FoldCharacters(uint32_t flags, const icu::UnicodeString &text) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2 *nfkc = icu::Normalizer2::getNFKCInstance(status);
  if (U_FAILURE(status))
    nfkc = nullptr;
  icu::UnicodeString out;
  for (int32_t i = 0; i < text.length();) {
    UChar32 c = text.char32At(i);
    i += U16_LENGTH(c);
    int32_t kind = u_getIntPropertyValue(c, UCHAR_NUMERIC_TYPE);
    int32_t digit = kind == U_NT_DECIMAL || kind == U_NT_DIGIT
                        ? static_cast<int32_t>(u_getNumericValue(c))
                        : -1;
    if ((flags & MAP_FOLDDIGITS) && digit >= 0)
      out.append(static_cast<UChar>(u'0' + digit));
    else if ((flags & MAP_EXPAND_LIGATURES) && SpelledLigature(c) != nullptr)
      out.append(SpelledLigature(c));
    else if ((flags & MAP_EXPAND_LIGATURES) && IsCompatibilityLigature(c))
      AppendCompatibilityForm(nfkc, c, out);
    else if ((flags & MAP_FOLDCZONE) && c >= 0xF900 && c <= 0xFFEF)
      AppendCompatibilityForm(nfkc, c, out);
    else
      out.append(c);
  }
  return out;
}

icu::UnicodeString Folded(uint32_t flags, const icu::UnicodeString &text) {
  icu::UnicodeString out = (flags & (MAP_FOLDCZONE | MAP_FOLDDIGITS | MAP_EXPAND_LIGATURES)) != 0
                               ? FoldCharacters(flags, text)
                               : text;
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2 *form = nullptr;
  if (flags & MAP_PRECOMPOSED)
    form = icu::Normalizer2::getNFCInstance(status);
  else if (flags & MAP_COMPOSITE)
    form = icu::Normalizer2::getNFDInstance(status);
  if (form == nullptr || U_FAILURE(status))
    return out;
  icu::UnicodeString normal = form->normalize(out, status);
  return U_SUCCESS(status) ? normal : out;
}

} // namespace

int32_t FoldStringW(uint32_t flags, const char16_t *source, int32_t source_length, char16_t *target,
                    int32_t target_length) {
  if (!ValidBufferArguments(source, source_length, target, target_length))
    return Fail(ERROR_INVALID_PARAMETER);
  if (!ValidFlags(flags))
    return Fail(ERROR_INVALID_FLAGS);
  source_length = RunLength(source, source_length);
  icu::UnicodeString folded = Folded(flags, icu::UnicodeString(false, source, source_length));
  const int32_t needed = folded.length();
  if (target_length == 0)
    return needed;
  if (needed > target_length)
    return Fail(ERROR_INSUFFICIENT_BUFFER);
  std::memcpy(target, folded.getBuffer(), sizeof(char16_t) * size_t(needed));
  return needed;
}

String FoldString(uint32_t flags, StringView text) {
  if (text.empty() || !ValidFlags(flags))
    return String(text);
  icu::UnicodeString folded =
      Folded(flags, icu::UnicodeString(false, text.data(), static_cast<int32_t>(text.size())));
  return String(folded.getBuffer(), size_t(folded.length()));
}

size_t PrecomposedPrefix(StringView text) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2 *nfc = icu::Normalizer2::getNFCInstance(status);
  if (U_FAILURE(status) || text.size() > static_cast<size_t>(INT32_MAX))
    return 0;
  const icu::UnicodeString view(false, text.data(), static_cast<int32_t>(text.size()));
  const int32_t span = nfc->spanQuickCheckYes(view, status);
  return U_SUCCESS(status) ? static_cast<size_t>(span) : 0;
}

bool HasPrecomposedBoundaryBefore(char32_t c) {
  if (c < 0x300)
    return true;
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2 *nfc = icu::Normalizer2::getNFCInstance(status);
  // Without the normaliser nothing is composed, so every place is a boundary.
  return U_FAILURE(status) || nfc->hasBoundaryBefore(static_cast<UChar32>(c));
}

} // namespace textcore
