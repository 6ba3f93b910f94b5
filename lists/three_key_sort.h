// A list of record references that sorts a range of itself by up to three keys, yielding to the
// host between partitioning passes so that the tool's window stays alive during long sorts.
//
// Keys are integers chosen by the descendant, which owns the records and knows what the keys
// mean. The list never looks at a record itself: before each partitioning pass (and at the head of
// each run in a tie-break pass) it hands one record to SetBase, which captures that record's key,
// and the caller's comparison then compares the captured base with one item:
// negative when the base is smaller, zero when equal, positive when larger, for the key in
// current_sort_rec. Capturing the base once per pass lets a descendant decode it once rather than
// once per comparison.
//
// Direction: a level whose fAscending flag is false comes out in increasing order of its key as
// the comparison reports it; a level whose flag is true comes out in decreasing order. (A
// descendant that negates its comparison through AscendingSwapped turns that round.)
//
// Sorting ties: a second key orders only runs of neighbours equal on the first key, and a third
// key only runs equal on the first two. Records equal on every key given end in no defined order.
//
// Re-entrance: the yield hook may run user-interface code that asks this list for another sort;
// BusySorting drops such requests. That code must not add or remove items while a sort runs (if it
// does, the sort raises EListError rather than touch slots that are gone).
#pragma once

#include "core/procedural_types.h"
#include "platform/list.h"

#include <array>
#include <cstdint>

namespace textcore {

enum Tsort_num : uint8_t { sort_first_sort, sort_second_sort, sort_third_sort };

// The direction flag of each sort level.
using TAscendingSort = std::array<bool, 3>;

struct TCurrentSortRec {
  Tsort_num current_sort_doing = sort_first_sort; // the level being sorted now
  int32_t current_sort_var = 0;                   // the key number in force
};

class T3SortYieldingList : public TList {
public:
  bool BusySorting = false; // true while an entry point runs
  TAscendingSort fAscending{};
  TCurrentSortRec current_sort_rec;
  bool sorted = false;            // set by every private sort; only descendants clear it
  int32_t comparison_itemnum = 0; // the position being compared with the base
  int32_t base_itemnum = 0;       // the position whose key is the base

  T3SortYieldingList() = default;

  // Sorts positions Start..Finish (already valid) by one key.
  virtual void DoAPrivateSort(const TCompareFunctOfObject &Compare, int32_t SortVar, int32_t Start,
                              int32_t Finish);
  // Captures Item's key for SortVar as the base of the comparisons that follow. Does nothing
  // here; every descendant supplies it.
  virtual void SetBase(void *Item, int32_t SortVar);

  // The entry points. Each does nothing while another sort of this list runs; the range is
  // clamped to the list, and fewer than two items are left alone. The forms without a range sort
  // the whole list.
  virtual void DoASingleSort(const TCompareFunctOfObject &Compare, int32_t SortVar, int32_t Start,
                             int32_t Finish);
  virtual void DoASingleSort(const TCompareFunctOfObject &Compare, int32_t SortVar);
  virtual void DoADoubleSort(const TCompareFunctOfObject &Compare, int32_t SortVar1,
                             int32_t SortVar2, int32_t Start, int32_t Finish);
  virtual void DoADoubleSort(const TCompareFunctOfObject &Compare, int32_t SortVar1,
                             int32_t SortVar2);
  virtual void DoATrebleSort(const TCompareFunctOfObject &Compare, int32_t SortVar1,
                             int32_t SortVar2, int32_t SortVar3, int32_t Start, int32_t Finish);
  virtual void DoATrebleSort(const TCompareFunctOfObject &Compare, int32_t SortVar1,
                             int32_t SortVar2, int32_t SortVar3);

  void SetAscending(bool A1, bool A2, bool A3);
  void SetSortToAscend(Tsort_num Level, bool Value);
  // Inverts the first level's flag and returns its new value.
  bool ToggledMainSortAscending();
  // Value, or its negation when the current level's flag is set (INT32_MIN becomes INT32_MAX).
  int32_t AscendingSwapped(int32_t Value) const;
  // Clamps Start to at least 0 and Finish to at most Count() - 1; true when Finish > Start.
  bool CheckStartAndFinish(int32_t &Start, int32_t &Finish) const;

  // On a range already sorted by PrevVar, sorts each run of neighbours equal on PrevVar by
  // NextVar, one level further down. Nothing happens when PrevVar == NextVar.
  void DoNextSort(const TCompareFunctOfObject &Compare, int32_t PrevVar, int32_t NextVar,
                  int32_t Start, int32_t Finish);
  // Quicksorts positions L..R by SortVar at the current level, yielding once per partitioning
  // pass. Positions outside the list raise EListError.
  void TempQuickSort(int32_t SortVar, int32_t L, int32_t R, const TCompareFunctOfObject &Compare);

private:
  // A level number past the third (a descendant may set current_sort_rec itself) reads the third
  // level's flag rather than memory beside the array. Inline: the partition asks at every step.
  bool LevelDescends() const {
    const size_t level = current_sort_rec.current_sort_doing;
    return fAscending[level < 2 ? level : 2];
  }
  void CheckRange(int32_t L, int32_t R) const;
  void Partition(int32_t SortVar, int32_t L, int32_t R, int32_t &I, int32_t &J,
                 const TCompareFunctOfObject &Compare);
  int32_t EndOfRun(const TCompareFunctOfObject &Compare, int32_t SortVar, int32_t Start,
                   int32_t Finish);
  void SortEachRunOfTwoKeys(const TCompareFunctOfObject &Compare, int32_t SortVar1,
                            int32_t SortVar2, int32_t SortVar3, int32_t Start, int32_t Finish);
};

// The same list for sorts run where yielding is not allowed: each private sort switches the yield
// hook off and puts it back afterwards, also when a comparison throws.
class T3SortNonYieldingList : public T3SortYieldingList {
public:
  void DoAPrivateSort(const TCompareFunctOfObject &Compare, int32_t SortVar, int32_t Start,
                      int32_t Finish) override;
};

} // namespace textcore
