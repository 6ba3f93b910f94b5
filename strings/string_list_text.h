// Moving between strings and string lists: cutting text into items (with or without quoted
// fields), joining items, lists of lists, and the small edits tools make to whole lists
// (reversing, trimming, thinning at random, keeping an ascending list of numbers complete).
//
// Several of these keep an integer in an item's object slot instead of an object (an old index,
// a colour); such lists must not own their objects.
#pragma once

#include "platform/string_list.h"
#include "platform/strings.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

namespace textcore {

using TArrayOfStringLists = std::vector<std::unique_ptr<TStringList>>;

// A new list of the pieces of s cut at each c, an LF straight after a cut skipped; a c at the end
// gives an empty last piece, and "" one empty piece. Without c, cut at CR (so CR LF lines).
std::unique_ptr<TStringList> StringListFromString(char16_t c, StringView s);
std::unique_ptr<TStringList> StringListFromString(StringView s);
// Clears list and fills it with the fields of s cut at each c. A double quote opens a quoted
// field, in which c is text; the closing quote ends the field (the quotes are dropped, and a c
// straight after it starts no other field). The last field is added even when empty, unless a
// closing quote ended it. The count of fields, negated when a quote is still open at the end:
// 'a,"b",c' gives a, b, c and 3; 'a,"b' a, b and -2.
int32_t StringToStringList(char16_t c, StringView s, TStringList &list);
// The items joined with c.
String StringListToString(char16_t c, const TStringList &list);
// One new list per line of list that is not empty, by StringToStringList(c, line).
TArrayOfStringLists ArrayOfStringlists(const TStringList &list, char16_t c);
// A new list of the trimmed pieces of s between commas; an empty list for "".
std::unique_ptr<TStringList> CommaSeparatedStrings(StringView s);

// Given an item, whether to keep it (keep) and whether to keep it in the returned form
// (converted) rather than as it was.
using TLineKeepTest = std::function<String(const String &item, bool &keep, bool &converted)>;
// A new list of the items of list that test keeps, with their objects.
std::unique_ptr<TStringList> StringListRemovingAnyLines(const TStringList &list,
                                                        const TLineKeepTest &test);
// Reverses the order of the items, setting each one's object to the negative of its old index.
// A list that owns its objects raises EStringListError before anything changes (they would be
// lost).
void ReverseAStringList(TStringList &list);
// Trims every item and deletes those left empty.
void TrimAStringlist(TStringList &list);
// In a list of ascending integers, inserts n in its place unless it is there.
void ForceItemsToInclude(TStringList &list, int32_t n);
// Deletes items at random until at most n remain.
void RandomReduceStringlist(TStringList &list, int32_t n);
// A new list of a[i] + offset, one item each.
std::unique_ptr<TStringList> TArrayOfIntegersToStringlist(std::span<const int32_t> a,
                                                          int32_t offset);
// Text with colour marks ("<#", hexadecimal digits, ">", then a word): the text before each mark
// is an item (when there is any), the word after it up to and including the next space an item
// whose object is the colour (the hexadecimal value as it stands, at most eight digits), and what
// follows the last mark a last item. "<#>" and "<#xyz>" are no marks.
std::unique_ptr<TStringList> StringlistFromStringWithHexColourWords(StringView s);

} // namespace textcore
