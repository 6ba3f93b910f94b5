// Sorting the items of a list by a key taken from each item once: the keys and items are copied
// into one array, sorted there, and the items written back. A comparison then touches no record
// object, which keeps a sort of a million records within a small multiple of sorting the bare
// values. The sort is not stable: items with equal keys end in no defined order.
//
// The yield hook runs once per 1024 items taken and per 1024 comparisons. Code it reaches must
// not add or remove items; if it does, the sort raises EListError and leaves the list as that
// code left it. Empty slots go to the end. An exception from the hook leaves the list unsorted
// but whole.
#pragma once

#include "core/yield.h"
#include "platform/list.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace textcore {

// Raises EListError: the list's count changed while it was being sorted.
[[noreturn]] void RaiseListChangedWhileSorting();

// KeyOf(item) gives the key of a non-null item; Before(a, b) is a strict weak order of keys.
template <typename Key, typename KeyOf, typename Before>
void SortItemsByKey(TList &List, KeyOf &&KeyOfItem, Before &&KeyBefore) {
  const int32_t count = List.Count();
  if (count < 2)
    return;
  std::vector<std::pair<Key, void *>> keyed;
  keyed.reserve(static_cast<size_t>(count));
  for (int32_t i = 0; i < count; ++i) {
    if ((i & 1023) == 1023)
      MyYieldProcess();
    void *item = List.List()[i];
    if (item != nullptr)
      keyed.emplace_back(KeyOfItem(item), item);
  }
  uint32_t comparisons = 0;
  std::sort(keyed.begin(), keyed.end(), [&](const auto &a, const auto &b) {
    if ((++comparisons & 1023) == 0)
      MyYieldProcess();
    return KeyBefore(a.first, b.first);
  });
  if (List.Count() != count)
    RaiseListChangedWhileSorting();
  void **items = List.List();
  for (size_t i = 0; i < keyed.size(); ++i)
    items[i] = keyed[i].second;
  std::fill(items + keyed.size(), items + count, nullptr);
}

} // namespace textcore
