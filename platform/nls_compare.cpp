// CompareString over cached ICU collators.
#include "platform/nls_compare.h"

#include "platform/nls_buffers.h"
#include "platform/nls_code_pages.h"
#include "platform/nls_last_error.h"

#include <unicode/ucol.h>

#include <cstring>
#include <limits>
#include <map>
#include <memory>
#include <mutex>
#include <utility>

namespace textcore {

namespace {

constexpr uint32_t kCollatorFlags =
    NORM_IGNORECASE | NORM_IGNORENONSPACE | NORM_IGNORESYMBOLS | SORT_DIGITSASNUMBERS;
constexpr uint32_t kKnownFlags = kCollatorFlags | SORT_STRINGSORT | NORM_IGNOREKANATYPE |
                                 NORM_IGNOREWIDTH | NORM_LINGUISTIC_CASING;

struct UCollatorCloser {
  void operator()(UCollator *c) const { ucol_close(c); }
};
using CollatorPtr = std::unique_ptr<UCollator, UCollatorCloser>;

void SetStrength(UCollator *c, uint32_t flags, UErrorCode &status) {
  if (flags & NORM_IGNORENONSPACE) {
    ucol_setStrength(c, UCOL_PRIMARY);
    // Accents go, case stays unless it is ignored too.
    if (!(flags & NORM_IGNORECASE))
      ucol_setAttribute(c, UCOL_CASE_LEVEL, UCOL_ON, &status);
  } else {
    ucol_setStrength(c, (flags & NORM_IGNORECASE) ? UCOL_SECONDARY : UCOL_TERTIARY);
  }
}

CollatorPtr MakeCollator(const std::string &locale, uint32_t flags) {
  UErrorCode status = U_ZERO_ERROR;
  CollatorPtr c(ucol_open(locale.c_str(), &status));
  if (U_FAILURE(status))
    return nullptr;
  SetStrength(c.get(), flags, status);
  if (flags & NORM_IGNORESYMBOLS) {
    ucol_setAttribute(c.get(), UCOL_ALTERNATE_HANDLING, UCOL_SHIFTED, &status);
    ucol_setMaxVariable(c.get(), UCOL_REORDER_CODE_SYMBOL, &status);
  }
  if (flags & SORT_DIGITSASNUMBERS)
    ucol_setAttribute(c.get(), UCOL_NUMERIC_COLLATION, UCOL_ON, &status);
  return U_SUCCESS(status) ? std::move(c) : nullptr;
}

// The collator of a locale and flags; nullptr for an unknown locale.
const UCollator *CollatorOf(LCID locale, uint32_t flags) {
  static std::mutex guard;
  static std::map<std::pair<LCID, uint32_t>, CollatorPtr> collators;
  locale = ResolvedLCID(locale);
  flags &= kCollatorFlags;
  std::lock_guard<std::mutex> lock(guard);
  auto key = std::make_pair(locale, flags);
  auto found = collators.find(key);
  if (found != collators.end())
    return found->second.get();
  std::string id = IcuLocaleOfLCID(locale);
  CollatorPtr made = id.empty() ? nullptr : MakeCollator(id, flags);
  return collators.emplace(key, std::move(made)).first->second.get();
}

bool IsWordSortIgnorable(char16_t c) { return c == u'-' || c == u'\''; }

std::u16string WithoutWordSortIgnorables(StringView s, bool &had_any) {
  std::u16string out;
  out.reserve(s.size());
  for (char16_t c : s)
    if (IsWordSortIgnorable(c))
      had_any = true;
    else
      out += c;
  return out;
}

int32_t Collate(const UCollator *c, StringView a, StringView b) {
  constexpr size_t kMax = static_cast<size_t>(std::numeric_limits<int32_t>::max());
  if (a.size() > kMax || b.size() > kMax) // beyond ICU's lengths: the order of UTF-16 units
    return a < b ? CSTR_LESS_THAN : a == b ? CSTR_EQUAL : CSTR_GREATER_THAN;
  return ucol_strcoll(c, a.data(), static_cast<int32_t>(a.size()), b.data(),
                      static_cast<int32_t>(b.size())) +
         2;
}

// The word sort: compare without hyphens and apostrophes first; only when that ties do they
// count, the string without them first.
int32_t WordSortCollate(const UCollator *c, StringView a, StringView b) {
  bool a_had = false, b_had = false;
  std::u16string bare_a = WithoutWordSortIgnorables(a, a_had);
  std::u16string bare_b = WithoutWordSortIgnorables(b, b_had);
  if (!a_had && !b_had)
    return Collate(c, a, b);
  int32_t bare = Collate(c, bare_a, bare_b);
  if (bare != CSTR_EQUAL || (a_had && b_had))
    return bare != CSTR_EQUAL ? bare : Collate(c, a, b);
  return a_had ? CSTR_GREATER_THAN : CSTR_LESS_THAN;
}

} // namespace

int32_t CompareStrings(LCID locale, uint32_t flags, StringView a, StringView b) {
  if (flags & ~kKnownFlags)
    return Fail(ERROR_INVALID_FLAGS);
  const UCollator *c = CollatorOf(locale, flags);
  if (c == nullptr)
    return Fail(ERROR_INVALID_PARAMETER);
  // Symbols are ignored anyway when asked; then there is nothing left for the word sort to do.
  if ((flags & (SORT_STRINGSORT | NORM_IGNORESYMBOLS)) == 0)
    return WordSortCollate(c, a, b);
  return Collate(c, a, b);
}

int32_t CompareStringW(LCID locale, uint32_t flags, const char16_t *a, int32_t a_length,
                       const char16_t *b, int32_t b_length) {
  if (a == nullptr || b == nullptr || a_length < -1 || b_length < -1)
    return Fail(ERROR_INVALID_PARAMETER);
  StringView sa = a_length == -1 ? StringView(a) : StringView(a, size_t(a_length));
  StringView sb = b_length == -1 ? StringView(b) : StringView(b, size_t(b_length));
  return CompareStrings(locale, flags, sa, sb);
}

int32_t CompareStringA(LCID locale, uint32_t flags, const char *a, int32_t a_length, const char *b,
                       int32_t b_length) {
  if (a == nullptr || b == nullptr || a_length < -1 || b_length < -1)
    return Fail(ERROR_INVALID_PARAMETER);
  uint32_t code_page = DefaultAnsiCodePageOf(locale);
  if (code_page == 0)
    code_page = GetACP();
  std::string_view sa = a_length == -1 ? std::string_view(a) : std::string_view(a, a_length);
  std::string_view sb = b_length == -1 ? std::string_view(b) : std::string_view(b, b_length);
  return CompareStrings(locale, flags, AnsiToString(sa, code_page), AnsiToString(sb, code_page));
}

} // namespace textcore
