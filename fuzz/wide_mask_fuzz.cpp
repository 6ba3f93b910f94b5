// File-name masks: the matcher agrees with a plain recursive reference on every mask and name,
// and never takes long however many stars the mask holds.
#include "fuzz/fuzz_check.h"
#include "platform/nls_case.h"
#include "platform/utf.h"
#include "search/wide_masks.h"

#include <cstdint>
#include <iterator>

using namespace textcore;

namespace {

bool IsPair(StringView s, size_t i) {
  return i + 1 < s.size() && IsHighSurrogate(s[i]) && IsLowSurrogate(s[i + 1]);
}

// Exponential in the worst case, so only short texts reach it.
bool Reference(StringView name, StringView mask) {
  if (mask.empty())
    return name.empty();
  size_t units = IsPair(name, 0) ? 2 : 1;
  // A star stops only between characters, never inside a surrogate pair.
  if (mask[0] == u'*')
    return Reference(name, mask.substr(1)) ||
           (!name.empty() && Reference(name.substr(units), mask));
  if (name.empty())
    return false;
  if (mask[0] == u'?')
    return Reference(name.substr(units), mask.substr(1));
  return mask[0] == name[0] && Reference(name.substr(1), mask.substr(1));
}

// Masks are typed text; a half of a surrogate pair on its own has no defined meaning in one, so
// the comparison with the reference covers well-formed masks only (names may hold lone halves).
bool WellFormed(StringView s) {
  for (size_t i = 0; i < s.size(); ++i) {
    if (IsPair(s, i))
      ++i;
    else if (IsSurrogate(s[i]))
      return false;
  }
  return true;
}

String Folded(StringView s) {
  String up = LCMapCase(LOCALE_INVARIANT, s, LCMAP_UPPERCASE);
  return LCMapCase(LOCALE_INVARIANT, up, LCMAP_LOWERCASE);
}

bool ReferenceWithDots(StringView name, StringView mask) {
  if (Reference(name, mask))
    return true;
  return mask.ends_with(u".*") && ReferenceWithDots(name, mask.substr(0, mask.size() - 2));
}

// Bytes as UTF-16 units from a small alphabet, so that matches are common: letters in two cases
// and scripts, dots, the wildcards and a surrogate pair.
String Text(const uint8_t *data, size_t size) {
  static const char16_t alphabet[] = {u'a',      u'A',      u'.',   u'*',   u'?',   u'b', u'\u03C3',
                                      u'\u03A3', u'\u03C2', 0xD801, 0xDC00, 0xDC28, u'x', u' '};
  String s;
  for (size_t i = 0; i < size; ++i)
    s.push_back(alphabet[data[i] % std::size(alphabet)]);
  return s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  if (size < 1)
    return 0;
  size_t cut = data[0] % size;
  String mask = Text(data + 1, cut), name = Text(data + 1 + cut, size - 1 - cut);
  bool ours = MatchesMask(name, mask);
  size_t blanks = mask.find_first_not_of(u' ');
  if (name.size() <= 14 && mask.size() <= 14 && WellFormed(mask)) {
    bool want = !name.empty() && blanks != String::npos &&
                ReferenceWithDots(Folded(name), Folded(mask.substr(blanks)));
    FUZZ_CHECK(ours == want);
  }
  // A mask list with both separators builds masks that never hold a separator.
  TWideMasks masks;
  BuildAMask(masks, mask + u";\r\n" + name);
  for (const String &m : masks)
    FUZZ_CHECK(m.find_first_of(u";\r\n") == String::npos);
  return 0;
}
