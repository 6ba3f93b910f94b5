// The framework's quicksort over positions, shared by TList::Sort and TStringList::CustomSort.
//
// It is the classic Hoare partition around the middle element, tracking the pivot's position as
// exchanges move it, so equal items end in the same (unstable) order as the framework gave them.
// Unlike the framework's, it recurses only into the smaller part and loops over the larger: the
// parts are disjoint, so the order of working on them cannot change the result, and no input can
// make the recursion deeper than log2(n). The scans stop at the ends of the range, which a
// consistent comparison never reaches (it stops at the pivot), so a comparison that contradicts
// itself gives some order of the same items and never reads outside them.
#pragma once

#include <cstdint>

namespace textcore {

// compare(i, j) < 0 when the item at i sorts before the item at j; exchange(i, j) swaps them.
template <typename Compare, typename Exchange>
void QuickSortPositions(int32_t left, int32_t right, Compare &&compare, Exchange &&exchange) {
  while (left < right) {
    int32_t i = left, j = right;
    int32_t pivot = left + (right - left) / 2;
    do {
      while (i < right && compare(i, pivot) < 0)
        ++i;
      while (j > left && compare(j, pivot) > 0)
        --j;
      if (i <= j) {
        if (i != j)
          exchange(i, j);
        if (pivot == i)
          pivot = j;
        else if (pivot == j)
          pivot = i;
        ++i;
        --j;
      }
    } while (i <= j);
    // [left, j] and [i, right] remain; recurse into the smaller one.
    if (j - left < right - i) {
      if (left < j)
        QuickSortPositions(left, j, compare, exchange);
      left = i;
    } else {
      if (i < right)
        QuickSortPositions(i, right, compare, exchange);
      right = j;
    }
  }
}

} // namespace textcore
