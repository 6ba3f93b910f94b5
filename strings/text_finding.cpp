#include "strings/text_finding.h"

#include "core/yield.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

namespace textcore {

namespace {

template <typename Char> const Char *Nearer(const Char *p, const Char *a, const Char *b) {
  if (p == nullptr)
    return nullptr;
  const std::basic_string_view<Char> text(p);
  const Char *found = nullptr;
  for (const Char *pattern : {a, b}) {
    if (pattern == nullptr || *pattern == 0)
      continue;
    const size_t at = text.find(pattern);
    if (at != text.npos && (found == nullptr || p + at < found))
      found = p + at;
  }
  return found;
}

} // namespace

int32_t PosExNearer(StringView s, StringView a, StringView b, int32_t from) {
  const int32_t pa = a.empty() ? 0 : Pos(a, s, from), pb = b.empty() ? 0 : Pos(b, s, from);
  if (pa == 0 || pb == 0)
    return std::max(pa, pb);
  return std::min(pa, pb);
}

const char *StrPosNearerA(const char *p, const char *a, const char *b) { return Nearer(p, a, b); }

const char16_t *StrPosNearerW(const char16_t *p, const char16_t *a, const char16_t *b) {
  return Nearer(p, a, b);
}

const char *FirstCharInBufferNotInQuotes(const char *p, char c) {
  if (p == nullptr)
    return nullptr;
  char quote = 0;
  for (; *p != 0; ++p) {
    if (quote != 0) {
      if (*p == quote && p[-1] != '\\')
        quote = 0;
    } else if (*p == c) {
      return p;
    } else if (*p == '"' || *p == '\'') {
      quote = *p;
    }
  }
  return nullptr;
}

int32_t PositionOfNumberInString(StringView s, int32_t from) {
  for (size_t i = static_cast<size_t>(std::max(from, 1)) - 1; i < s.size(); ++i)
    if (s[i] >= u'0' && s[i] <= u'9')
      return static_cast<int32_t>(i) + 1;
  return -1;
}

int32_t IntegerInsideSquareBrackets(StringView s) {
  const size_t open = s.find(u'[');
  if (open == StringView::npos)
    return 0;
  size_t end = open + 1;
  while (end < s.size() && s[end] >= u'0' && s[end] <= u'9')
    ++end;
  return StrToInt(s.substr(open + 1, end - open - 1));
}

String ValueString(StringView s) {
  const size_t at = s.find(u'=');
  return at == StringView::npos ? String() : String(s.substr(at + 1));
}

std::pair<String, String> StringHalvesSplitAtMark(StringView mark, StringView s) {
  const size_t at = mark.empty() ? StringView::npos : s.find(mark);
  if (at == StringView::npos)
    return {String(s), String()};
  return {String(s.substr(0, at)), String(s.substr(at + mark.size()))};
}

std::unique_ptr<TStringListWithFreqPointers> RepeatedXCharChunks(int32_t n, StringView s) {
  auto list = std::make_unique<TStringListWithFreqPointers>();
  if (n <= 0)
    return list;
  const auto size = static_cast<size_t>(n);
  std::unordered_map<String, int32_t> index_of;
  for (size_t start = 0; start + size <= s.size(); start += size) {
    const StringView chunk = s.substr(start, size);
    if (Trim(chunk).size() <= 100)
      continue;
    for (size_t at = s.find(chunk, start + size); at != StringView::npos;
         at = s.find(chunk, at + 1)) {
      const auto [place, added] = index_of.try_emplace(String(chunk), list->Count());
      if (added)
        list->AddObject(place->first, TStringListWithFreqPointers::FreqAsObject(1));
      else
        list->PutObject(place->second,
                        TStringListWithFreqPointers::FreqAsObject(list->FreqOf(place->second) + 1));
      MyYieldProcess();
    }
  }
  if (list->Count() >= 2)
    list->SortOnFreq();
  return list;
}

} // namespace textcore
