// Splitting mask lists and matching names against single masks.
#include "search/wide_masks.h"

#include "platform/nls_case.h"

#include <array>

namespace textcore {

namespace {

bool IsLead(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsTrail(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Units of the character starting at i: 2 for a surrogate pair, else 1.
size_t CharUnits(StringView s, size_t i) {
  return IsLead(s[i]) && i + 1 < s.size() && IsTrail(s[i + 1]) ? 2 : 1;
}

// Case folded through upper and then lower case, so that every case form of a letter meets:
// final and medial sigma, sharp s and its capital, dotted and dotless i with I. Short texts stay
// on the stack.
class FoldedText {
public:
  explicit FoldedText(StringView text) {
    char16_t *out = text.size() <= fLocal.size() ? fLocal.data() : Heap(text.size());
    text.copy(out, text.size());
    LCMapCaseInPlace(LOCALE_INVARIANT, LCMAP_UPPERCASE, out, text.size());
    LCMapCaseInPlace(LOCALE_INVARIANT, LCMAP_LOWERCASE, out, text.size());
    fView = StringView(out, text.size());
  }
  FoldedText(const FoldedText &) = delete;
  FoldedText &operator=(const FoldedText &) = delete;
  StringView View() const { return fView; }

private:
  char16_t *Heap(size_t size) {
    fHeap.resize(size);
    return fHeap.data();
  }
  std::array<char16_t, 256> fLocal;
  String fHeap;
  StringView fView;
};

// Wildcard match of folded texts. On a mismatch after a star, the star takes one more character
// and matching resumes there; an earlier star never needs retrying, because the later star can
// absorb whatever the earlier one would have.
bool WildcardMatch(StringView name, StringView mask) {
  size_t n = 0, m = 0;
  size_t star = StringView::npos, star_n = 0;
  while (n < name.size()) {
    if (m < mask.size() && mask[m] == u'*') {
      star = ++m;
      star_n = n;
    } else if (m < mask.size() && mask[m] == u'?') {
      n += CharUnits(name, n);
      ++m;
    } else if (m < mask.size() && mask[m] == name[n]) {
      ++n;
      ++m;
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

// A mask ending in ".*" also stands for the name with no extension at all.
bool MatchWithDotRules(StringView name, StringView mask) {
  if (WildcardMatch(name, mask))
    return true;
  return mask.size() >= 2 && mask.ends_with(u".*") &&
         MatchWithDotRules(name, mask.substr(0, mask.size() - 2));
}

} // namespace

void BuildAMask(TWideMasks &masks, StringView spec) {
  masks.clear();
  String rest = Trim(spec);
  size_t start = 0;
  while (start < rest.size()) {
    size_t end = rest.find_first_of(u";\r\n", start);
    if (end == String::npos) {
      masks.emplace_back(rest.substr(start));
      break;
    }
    masks.emplace_back(rest.substr(start, end - start));
    // CR LF is one line break.
    start = end + (rest[end] == u'\r' && end + 1 < rest.size() && rest[end + 1] == u'\n' ? 2 : 1);
  }
}

bool MatchesMask(StringView name, StringView mask) {
  size_t blanks = mask.find_first_not_of(u' ');
  if (name.empty() || blanks == StringView::npos)
    return false;
  FoldedText folded_name(name), folded_mask(mask.substr(blanks));
  return MatchWithDotRules(folded_name.View(), folded_mask.View());
}

int32_t WhereInAMask(StringView name, const TWideMasks &masks) {
  for (size_t i = 0; i < masks.size(); ++i)
    if (!masks[i].empty() && MatchesMask(name, masks[i]))
      return static_cast<int32_t>(i);
  return -1;
}

} // namespace textcore
