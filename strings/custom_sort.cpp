#include "strings/custom_sort.h"

#include "lists/list_comparisons.h"
#include "strings/string_list_text.h"

#include <vector>

namespace textcore {

namespace {

int LongestFirst(TStringList *List, int32_t Index1, int32_t Index2) {
  const String &a = List->Strings(Index1), &b = List->Strings(Index2);
  if (a.size() != b.size())
    return a.size() > b.size() ? -1 : 1;
  return CrudeStringComparison(a, b);
}

int ByString(TStringList *List, int32_t Index1, int32_t Index2) {
  return CrudeStringComparison(List->Strings(Index1), List->Strings(Index2));
}

} // namespace

std::unique_ptr<TStringList> CustomSortPreparedStringlist(StringView spec) {
  const std::unique_ptr<TStringList> words = CommaSeparatedStrings(spec);
  auto prepared = std::make_unique<TStringList>();
  for (int32_t i = 0; i < words->Count(); ++i)
    if (!words->Strings(i).empty())
      prepared->AddObject(words->Strings(i), IntegerAsObject(i));
  prepared->CustomSort(LongestFirst);
  return prepared;
}

String NormalisedLineForCustomSort(StringView line, const TStringList &prepared) {
  String out(line);
  std::vector<bool> covered(line.size(), false);
  for (int32_t w = 0; w < prepared.Count(); ++w) {
    const String &word = prepared.Strings(w);
    if (word.empty())
      continue;
    const auto mark = static_cast<char16_t>(64 + ObjectAsInteger(prepared.Objects(w)));
    for (size_t at = line.find(word); at != StringView::npos; at = line.find(word, at)) {
      bool free = true;
      for (size_t k = at; k < at + word.size() && free; ++k)
        free = !covered[k];
      if (!free) {
        ++at;
        continue;
      }
      for (size_t k = at; k < at + word.size(); ++k) {
        out[k] = mark;
        covered[k] = true;
      }
      at += word.size();
    }
  }
  return out;
}

std::unique_ptr<TStringList> CustomLinesSorted(const TStringList &lines,
                                               const TStringList &prepared) {
  TStringList keys;
  for (int32_t i = 0; i < lines.Count(); ++i)
    keys.AddObject(NormalisedLineForCustomSort(lines.Strings(i), prepared), IntegerAsObject(i));
  keys.CustomSort(ByString);
  auto sorted = std::make_unique<TStringList>();
  for (int32_t i = 0; i < keys.Count(); ++i) {
    const int32_t old = ObjectAsInteger(keys.Objects(i));
    sorted->AddObject(lines.Strings(old), IntegerAsObject(old));
  }
  return sorted;
}

} // namespace textcore
