// Markup pairs between settings text and the pair array.
#include "definitions/ignore_tag_strings.h"

#include <algorithm>

namespace textcore {

String IgnoreTag_TypeToString(const TIgnore_tag_type &pairs) {
  String text;
  for (int32_t i = 0; i < ignore_tag_pairs; ++i) {
    const char16_t open = pairs[i], close = pairs[i + ignore_tag_pairs];
    if (open == 0 || close == 0)
      continue;
    if (!text.empty())
      text += u',';
    text += open;
    text += u'*';
    text += close;
  }
  return text;
}

TIgnore_tag_type StringToIgnoreTag_Type(StringView s) {
  TIgnore_tag_type pairs{};
  String t;
  for (char16_t c : s)
    if (c != u'*' && c > u' ')
      t += c;
  int32_t pair = 0;
  size_t start = 0;
  while (start <= t.size()) {
    size_t end = std::min(t.find(u',', start), t.size());
    if (end > start) {
      pairs[pair] = t[start];
      pairs[pair + ignore_tag_pairs] = t[end - 1];
      pair = std::min(pair + 1, ignore_tag_pairs - 1);
    }
    start = end + 1;
  }
  return pairs;
}

} // namespace textcore
