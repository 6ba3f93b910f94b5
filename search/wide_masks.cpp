// Splitting mask lists and matching names against single masks.
#include "search/wide_masks.h"

#include "platform/wildcards.h"

namespace textcore {

void BuildAMask(TWideMasks &masks, StringView spec) {
  masks.clear();
  String rest = Trim(spec);
  size_t start = 0;
  while (start < rest.size()) {
    size_t end = rest.find_first_of(u";\r\n", start);
    // Each mask is trimmed: "*.txt; *.htm" means what it says wherever the mask is used.
    if (end == String::npos) {
      masks.emplace_back(Trim(StringView(rest).substr(start)));
      break;
    }
    masks.emplace_back(Trim(StringView(rest).substr(start, end - start)));
    // CR LF is one line break.
    start = end + (rest[end] == u'\r' && end + 1 < rest.size() && rest[end + 1] == u'\n' ? 2 : 1);
  }
}

bool MatchesMask(StringView name, StringView mask) {
  const size_t blanks = mask.find_first_not_of(u' ');
  return blanks != StringView::npos && MatchesWildcard(name, mask.substr(blanks));
}

int32_t WhereInAMask(StringView name, const TWideMasks &masks) {
  for (size_t i = 0; i < masks.size(); ++i)
    if (!masks[i].empty() && MatchesMask(name, masks[i]))
      return static_cast<int32_t>(i);
  return -1;
}

} // namespace textcore
