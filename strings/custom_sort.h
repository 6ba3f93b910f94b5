// Sorting lines in an order the user spells out: "red,green,blue" puts lines with "red" before
// lines with "green". Each wanted word is overwritten in a copy of each line by a run of one
// character standing for its place, and the lines sort by those copies.
#pragma once

#include "platform/string_list.h"
#include "platform/strings.h"

#include <memory>

namespace textcore {

// The non-empty words of the comma-separated spec, each with its 0-based place among the
// pieces of spec as its object (an integer, see ObjectAsInteger), longest first, equal lengths
// by CrudeStringComparison.
std::unique_ptr<TStringList> CustomSortPreparedStringlist(StringView spec);
// line with every occurrence of each prepared word, taken in the prepared order, overwritten by
// a run of the character 64 + the word's place. An occurrence that would overlap one already
// overwritten is passed over.
String NormalisedLineForCustomSort(StringView line, const TStringList &prepared);
// A new list of the lines sorted by their normalised forms (CrudeStringComparison), each line's
// object being its old index. The sort is the string list's custom sort (not stable).
std::unique_ptr<TStringList> CustomLinesSorted(const TStringList &lines,
                                               const TStringList &prepared);

} // namespace textcore
