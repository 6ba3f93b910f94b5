// Lists of numbers as people write them: "1-3,5" for 1, 2, 3 and 5. Written from numbers (runs of
// three or more consecutive numbers as first-last), and read back from user or settings text.
//
// Reading: items are separated by ",", blanks around an item and its numbers are ignored, and a
// number is a run of ASCII digits that fits a 32-bit integer. An item is a number or a range
// "a-b" of a to b (nothing when b < a); a range whose start does not read starts at 0, one whose
// end does not read adds nothing, as does any other item that does not read. Since the text may
// come from anyone, a list holds at most most_numbers_in_a_list numbers: a range of more, or one
// that would take the list past that many, is unreadable and adds nothing, and so is a single
// number past it. So "1-2000000000" reads as an empty list, never as billions of numbers.
#pragma once

#include "platform/format_settings.h"
#include "platform/string_list.h"
#include "platform/strings.h"

#include <cstdint>
#include <vector>

namespace textcore {

constexpr int32_t most_numbers_in_a_list = 1'000'000;

// The items of list that read as optionally signed decimal integers (no blanks; others are
// passed over and neither break nor end a run), in order: runs of three or more numbers each one
// more than the one before written as first "-" last, the others singly, "," between them and
// each as its item's text. 1, 2, 3, 5, 7, 8 gives "1-3,5,7,8"; 3, 2, 1 gives "3,2,1".
String HumanAbbreviatedNumberListString(const TStringList &list);
// The same of each value plus offset.
String HumanAbbreviatedNumberListString(const std::vector<int32_t> &values, int32_t offset);

// The numbers of s, each written out, joined by ",": "1-3,5" gives "1,2,3,5".
String HumanAbbreviatedNumberListStringExpanded(StringView s);
// The numbers of s, each less offset.
std::vector<int32_t> HumanAbbreviatedNumberListStringAsIntegers(StringView s, int32_t offset);
// The n-th number of s (counting from 1) as text; "" when s has fewer.
String ANumberInHumanString(StringView s, int32_t n);

// s with the first "01" made the first short month name of the settings, the first "02" the
// second, and so on to "12": "01-03" gives "Jan-Mar" in English.
String HumanAbbreviatedNumberListStringToMonths(StringView s);
String HumanAbbreviatedNumberListStringToMonths(StringView s, const TFormatSettings &settings);

// Sets every flag false, then true at the index of each number of s, counting from 0 when
// zero_based and from 1 otherwise: "n" marks n's index, "a-b" the indices of a to b, "-b" those
// of 1 to b; "a-" and items whose numbers do not read mark nothing. An index beyond the flags is
// taken as the nearest end. flags keeps its length. The host's yield hook is called once per item.
void ConvertStringToRangeOfBoolean(StringView s, bool zero_based, std::vector<bool> &flags);

} // namespace textcore
