// The file-name wildcard matcher: folded tables for the common case, code points folded whole
// where a surrogate pair occurs.
#include "platform/wildcards.h"

#include "platform/nls_case.h"
#include "platform/utf.h"

#include <memory>

namespace textcore {

namespace {

// Units of the character starting at i: 2 for a surrogate pair, else 1.
size_t CharUnits(StringView s, size_t i) {
  return IsHighSurrogate(s[i]) && i + 1 < s.size() && IsLowSurrogate(s[i + 1]) ? 2 : 1;
}

// Case folding through upper and then lower case, so that every case form of a letter meets:
// final and medial sigma, sharp s and its capital, dotted and dotless i with I. One table of all
// UTF-16 units serves the common case; a surrogate unit maps to itself there.
struct FoldTable {
  char16_t unit[0x10000];
};

const FoldTable &Folds() {
  static const std::unique_ptr<FoldTable> table = [] {
    auto t = std::make_unique<FoldTable>();
    for (uint32_t c = 0; c < 0x10000; ++c)
      t->unit[c] = LowerCaseOfUnit(UpperCaseOfUnit(static_cast<char16_t>(c)));
    return t;
  }();
  return *table;
}

bool HasSurrogate(StringView s) {
  char16_t any = 0;
  for (char16_t c : s) // no early exit, so the loop vectorises
    any |= static_cast<char16_t>((c & 0xF800) == 0xD800);
  return any != 0;
}

// Text with surrogate pairs folded whole, through the platform's mapping of code points.
String FoldedPairs(StringView text) {
  String out(text);
  LCMapCaseInPlace(LOCALE_INVARIANT, LCMAP_UPPERCASE, out.data(), out.size());
  LCMapCaseInPlace(LOCALE_INVARIANT, LCMAP_LOWERCASE, out.data(), out.size());
  return out;
}

// Without surrogate pairs each character is one unit, so the part of the mask after its last star
// must match the end of the name unit for unit; checking it first makes "*.txt" cost its length.
// True, with both texts shortened, unless the ends differ. Only for texts without surrogates.
bool SplitOffTail(StringView &name, StringView &mask, const char16_t *fold) {
  size_t last_star = mask.rfind(u'*');
  if (last_star == StringView::npos)
    return true;
  StringView tail = mask.substr(last_star + 1);
  if (tail.size() > name.size())
    return false;
  StringView end = name.substr(name.size() - tail.size());
  for (size_t i = 0; i < tail.size(); ++i)
    if (tail[i] != u'?' && fold[tail[i]] != fold[end[i]])
      return false;
  name.remove_suffix(tail.size());
  mask = mask.substr(0, last_star + 1);
  return true;
}

// Wildcard match of folded texts. On a mismatch after a star, the star takes one more character
// and matching resumes there; an earlier star never needs retrying, because the later star can
// absorb whatever the earlier one would have.
bool WildcardMatch(StringView name, StringView mask, const char16_t *fold, bool units_are_chars) {
  size_t n = 0, m = 0;
  if (units_are_chars && !SplitOffTail(name, mask, fold))
    return false;
  size_t star = StringView::npos, star_n = 0;
  while (n < name.size()) {
    if (m < mask.size() && mask[m] == u'*') {
      star = ++m;
      star_n = n;
    } else if (m < mask.size() && mask[m] == u'?') {
      n += CharUnits(name, n);
      ++m;
    } else if (m < mask.size() && fold[mask[m]] == fold[name[n]]) {
      ++n;
      ++m;
    } else if (star == mask.size()) {
      return true; // a final star takes the rest
    } else if (star != StringView::npos) {
      star_n += CharUnits(name, star_n);
      n = star_n;
      m = star;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == u'*')
    ++m;
  return m == mask.size();
}

// A mask ending in ".*" also stands for the name with no extension at all. With several such
// endings, P.*.* matches nothing that P.* does not, so P.* and P are the only two tries.
bool MatchWithDotRules(StringView name, StringView mask, const char16_t *fold,
                       bool units_are_chars) {
  StringView bare = mask;
  while (bare.ends_with(u".*"))
    bare.remove_suffix(2);
  if (bare.size() == mask.size())
    return WildcardMatch(name, mask, fold, units_are_chars);
  return WildcardMatch(name, mask.substr(0, bare.size() + 2), fold, units_are_chars) ||
         WildcardMatch(name, bare, fold, units_are_chars);
}

} // namespace

bool MatchesWildcard(StringView name, StringView pattern) {
  if (name.empty() || pattern.empty())
    return false;
  const char16_t *fold = Folds().unit;
  if (!HasSurrogate(name) && !HasSurrogate(pattern))
    return MatchWithDotRules(name, pattern, fold, true);
  // Folded beforehand; the table then leaves the folded surrogates as they are.
  const String folded_name = FoldedPairs(name), folded_pattern = FoldedPairs(pattern);
  return MatchWithDotRules(folded_name, folded_pattern, fold, false);
}

} // namespace textcore
