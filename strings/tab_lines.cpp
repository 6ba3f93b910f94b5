#include "strings/tab_lines.h"

#include "lists/list_comparisons.h"
#include "platform/format_date_time.h"

#include <optional>
#include <utility>

namespace textcore {

namespace {

constexpr char16_t kTab = u'\t';

bool sort_descending = false;
// The moment an unreadable date stands for while SetSortDescendingAndSort sorts.
std::optional<TDateTime> sort_began;

} // namespace

String PreTabPart(StringView s) {
  const size_t tab = s.find(kTab);
  return tab == StringView::npos ? String() : String(s.substr(0, tab));
}

String AfterTabPart(StringView s) {
  const size_t tab = s.find(kTab);
  return tab == StringView::npos ? String() : String(s.substr(tab + 1));
}

String PreTabPathAndFilenameOf(StringView s) { return PreTabPart(s); }

String PreTabFilenameOf(StringView s) {
  const String path = PreTabPart(s);
  const size_t slash = path.find_last_of(u"/\\");
  return slash == String::npos ? path : path.substr(slash + 1);
}

TDateTime AfterTabDateOf(StringView s, TDateTime unreadable) {
  TDateTime value = 0;
  return TryStrToDateTime(AfterTabPart(s), value) ? value : unreadable;
}

TDateTime AfterTabDateOf(StringView s) {
  TDateTime value = 0;
  return TryStrToDateTime(AfterTabPart(s), value) ? value : Now();
}

int32_t AfterTabIntegerOf(StringView s) { return StrToIntDef(DigitsOnlyOf(AfterTabPart(s)), -1); }

String DigitsOnlyOf(StringView s) {
  int32_t value = 0;
  if (TryStrToInt(s, value))
    return String(s);
  String digits;
  for (char16_t c : s)
    if (c >= u'0' && c <= u'9')
      digits.push_back(c);
  return digits;
}

String AddWithTab(StringView a, StringView b) {
  if (a.empty())
    return String(b);
  String line(a);
  line.push_back(kTab);
  line.append(b);
  return line;
}

int32_t IndexOfPreTabFnameOnly(const TStringList &list, StringView name) {
  for (int32_t i = 0; i < list.Count(); ++i)
    if (PreTabPart(list.Strings(i)) == name)
      return i;
  return -1;
}

int StringListCompareStringsFilenamePreTab(TStringList *List, int32_t Index1, int32_t Index2) {
  if (sort_descending)
    std::swap(Index1, Index2);
  return Compare2Strings(UpperCase(PreTabFilenameOf(List->Strings(Index1))),
                         UpperCase(PreTabFilenameOf(List->Strings(Index2))));
}

int StringListCompareStringsDateAfterTab(TStringList *List, int32_t Index1, int32_t Index2) {
  if (!sort_descending)
    std::swap(Index1, Index2);
  const TDateTime unreadable = sort_began ? *sort_began : Now();
  return CompareDates(AfterTabDateOf(List->Strings(Index1), unreadable),
                      AfterTabDateOf(List->Strings(Index2), unreadable));
}

int StringListCompareStringsIntegerAfterTab(TStringList *List, int32_t Index1, int32_t Index2) {
  if (!sort_descending)
    std::swap(Index1, Index2);
  return CompareLongints(AfterTabIntegerOf(List->Strings(Index1)),
                         AfterTabIntegerOf(List->Strings(Index2)));
}

void SetSortDescendingAndSort(bool descending, TStringList &list, TStringListSortCompare comparer) {
  sort_descending = descending;
  // A sort that yields may be re-entered; the outer sort's moment stands for both.
  const bool outermost = !sort_began.has_value();
  if (outermost)
    sort_began = Now();
  try {
    list.CustomSort(comparer);
  } catch (...) {
    if (outermost)
      sort_began.reset();
    throw;
  }
  if (outermost)
    sort_began.reset();
}

} // namespace textcore
