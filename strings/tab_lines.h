// Lines made of a key, a TAB and a value (a file name and its date, a word and its count), and
// the comparers that sort such lines by the key's file name, the value's date or its number.
//
// The three comparers read one process-wide descending flag, which SetSortDescendingAndSort
// sets, and read it differently: with the flag set the file-name comparer sorts its keys in
// reverse order while the date and number comparers hand CompareDates and CompareLongints their
// items as they come, and with the flag clear each does the opposite. The flag is unguarded: sort
// on one thread at a time.
#pragma once

#include "platform/date_time.h"
#include "platform/string_list.h"
#include "platform/strings.h"

#include <cstdint>

namespace textcore {

// The text before / after the first TAB; "" when s has none.
String PreTabPart(StringView s);
String AfterTabPart(StringView s);
String PreTabPathAndFilenameOf(StringView s);
// The file-name part (after the last "/" or "\") of PreTabPart.
String PreTabFilenameOf(StringView s);
// AfterTabPart read as a date, a time, or a date, blanks and a time, in the user's format
// settings; unreadable gives unreadable, and the first form Now.
TDateTime AfterTabDateOf(StringView s, TDateTime unreadable);
TDateTime AfterTabDateOf(StringView s);
// DigitsOnlyOf(AfterTabPart(s)) as an integer; -1 when that does not read.
int32_t AfterTabIntegerOf(StringView s);
// s itself when it reads as an integer, else its characters 0 to 9 alone.
String DigitsOnlyOf(StringView s);
// a + TAB + b, or b alone when a is empty.
String AddWithTab(StringView a, StringView b);
// The first item whose PreTabPart is name exactly; -1.
int32_t IndexOfPreTabFnameOnly(const TStringList &list, StringView name);

// Custom-sort comparers of key TAB value lines.
// By the upper-cased file name of the key, Compare2Strings.
int StringListCompareStringsFilenamePreTab(TStringList *List, int32_t Index1, int32_t Index2);
// By the date after the TAB, CompareDates. An unreadable date counts as the moment the sort
// began (SetSortDescendingAndSort reads Now once for the whole sort), so it compares the same
// way every time; called outside that, as the moment of the comparison.
int StringListCompareStringsDateAfterTab(TStringList *List, int32_t Index1, int32_t Index2);
// By AfterTabIntegerOf, CompareLongints.
int StringListCompareStringsIntegerAfterTab(TStringList *List, int32_t Index1, int32_t Index2);

// Stores descending in the flag the comparers read and sorts list with comparer.
void SetSortDescendingAndSort(bool descending, TStringList &list, TStringListSortCompare comparer);

} // namespace textcore
