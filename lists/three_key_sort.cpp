// The three-key sort: a quicksort that yields once per pass, and tie-break passes over runs.
#include "lists/three_key_sort.h"

#include "core/yield.h"
#include "platform/exceptions.h"

#include <algorithm>
#include <climits>
#include <utility>

namespace textcore {

namespace {

// Sets a flag for the life of a scope and clears it on every way out.
class FlagScope {
public:
  explicit FlagScope(bool &flag) : fFlag(flag) { fFlag = true; }
  ~FlagScope() { fFlag = false; }
  FlagScope(const FlagScope &) = delete;
  FlagScope &operator=(const FlagScope &) = delete;

private:
  bool &fFlag;
};

// Puts the level and key back as they were, also when a comparison throws.
class SortRecScope {
public:
  explicit SortRecScope(TCurrentSortRec &rec) : fRec(rec), fSaved(rec) {}
  ~SortRecScope() { fRec = fSaved; }
  SortRecScope(const SortRecScope &) = delete;
  SortRecScope &operator=(const SortRecScope &) = delete;

private:
  TCurrentSortRec &fRec;
  TCurrentSortRec fSaved;
};

// Empties the yield hook for the life of a scope and puts the saved one back on every way out.
class NoYieldScope {
public:
  NoYieldScope() : fSaved(std::exchange(AYieldProcessProc(), nullptr)) {}
  ~NoYieldScope() { AYieldProcessProc() = std::move(fSaved); }
  NoYieldScope(const NoYieldScope &) = delete;
  NoYieldScope &operator=(const NoYieldScope &) = delete;

private:
  TYieldProcessProc fSaved;
};

[[noreturn]] void RaiseIndexError(int32_t index) {
  throw EListError(u"List index out of bounds (" + IntToStr(index) + u")");
}

} // namespace

// Settings ------------------------------------------------------------------------------------

void T3SortYieldingList::SetAscending(bool A1, bool A2, bool A3) { fAscending = {A1, A2, A3}; }

void T3SortYieldingList::SetSortToAscend(Tsort_num Level, bool Value) {
  fAscending[std::min<size_t>(Level, sort_third_sort)] = Value;
}

bool T3SortYieldingList::ToggledMainSortAscending() {
  fAscending[sort_first_sort] = !fAscending[sort_first_sort];
  return fAscending[sort_first_sort];
}

int32_t T3SortYieldingList::AscendingSwapped(int32_t Value) const {
  if (!LevelDescends())
    return Value;
  return Value == INT32_MIN ? INT32_MAX : -Value;
}

bool T3SortYieldingList::CheckStartAndFinish(int32_t &Start, int32_t &Finish) const {
  Start = std::max(Start, 0);
  Finish = std::min(Finish, Count() - 1);
  return Finish > Start;
}

void T3SortYieldingList::SetBase(void *, int32_t) {}

// Quicksort -----------------------------------------------------------------------------------

void T3SortYieldingList::CheckRange(int32_t L, int32_t R) const {
  if (L < 0)
    RaiseIndexError(L);
  if (R >= Count())
    RaiseIndexError(R);
}

// One Hoare pass around the key of the middle item; leaves L..J and I..R to sort. The scans stop
// at the ends of the range, which a consistent comparison never reaches anyway, so that a
// comparison that contradicts itself cannot walk them off the range.
void T3SortYieldingList::Partition(int32_t SortVar, int32_t L, int32_t R, int32_t &I, int32_t &J,
                                   const TCompareFunctOfObject &Compare) {
  base_itemnum = static_cast<int32_t>((static_cast<uint32_t>(L) + static_cast<uint32_t>(R)) >> 1);
  SetBase(List()[base_itemnum], SortVar);
  auto compare_at = [&](int32_t position) {
    comparison_itemnum = position;
    return Compare(List()[position]);
  };
  I = L;
  J = R;
  do {
    // The flag is read at every step: the comparison may look at it too, and both must agree.
    while ((LevelDescends() ? compare_at(I) < 0 : compare_at(I) > 0) && I < R)
      ++I;
    while ((LevelDescends() ? compare_at(J) > 0 : compare_at(J) < 0) && J > L)
      --J;
    if (I <= J) {
      std::swap(List()[I], List()[J]);
      ++I;
      --J;
    }
  } while (I <= J);
}

// Recursing only into the smaller part keeps the stack at log2(n) frames whatever the input; the
// parts are disjoint, so working on them in another order gives the same result.
void T3SortYieldingList::TempQuickSort(int32_t SortVar, int32_t L, int32_t R,
                                       const TCompareFunctOfObject &Compare) {
  while (L < R) {
    MyYieldProcess();
    CheckRange(L, R); // the hook may have emptied the list, though it must not
    int32_t I = 0, J = 0;
    Partition(SortVar, L, R, I, J, Compare);
    if (J - L < R - I) {
      if (L < J)
        TempQuickSort(SortVar, L, J, Compare);
      L = I;
    } else {
      if (I < R)
        TempQuickSort(SortVar, I, R, Compare);
      R = J;
    }
  }
}

void T3SortYieldingList::DoAPrivateSort(const TCompareFunctOfObject &Compare, int32_t SortVar,
                                        int32_t Start, int32_t Finish) {
  sorted = true;
  current_sort_rec.current_sort_var = SortVar;
  TempQuickSort(SortVar, Start, Finish, Compare);
}

void T3SortNonYieldingList::DoAPrivateSort(const TCompareFunctOfObject &Compare, int32_t SortVar,
                                           int32_t Start, int32_t Finish) {
  NoYieldScope no_yield;
  T3SortYieldingList::DoAPrivateSort(Compare, SortVar, Start, Finish);
}

// Tie-break passes ----------------------------------------------------------------------------

// The last position of the run of neighbours from Start on that equal Start's item on SortVar.
// Items() checks every position: a sort of an earlier run may have yielded to code that
// shortened the list.
int32_t T3SortYieldingList::EndOfRun(const TCompareFunctOfObject &Compare, int32_t SortVar,
                                     int32_t Start, int32_t Finish) {
  current_sort_rec.current_sort_var = SortVar;
  base_itemnum = Start;
  SetBase(Items(Start), SortVar);
  int32_t j = Start;
  while (j < Finish) {
    comparison_itemnum = j + 1;
    if (Compare(Items(j + 1)) != 0)
      break;
    ++j;
  }
  return j;
}

// After a run is sorted the scan goes on past its end: the run's last item cannot start a longer
// run, since its neighbour already differed from the run.
void T3SortYieldingList::DoNextSort(const TCompareFunctOfObject &Compare, int32_t PrevVar,
                                    int32_t NextVar, int32_t Start, int32_t Finish) {
  if (PrevVar == NextVar)
    return;
  SortRecScope restore(current_sort_rec);
  const Tsort_num level = current_sort_rec.current_sort_doing;
  for (int32_t i = Start; i < Finish;) {
    int32_t j = EndOfRun(Compare, PrevVar, i, Finish);
    if (j > i) {
      current_sort_rec.current_sort_doing =
          static_cast<Tsort_num>(std::min<int>(level + 1, sort_third_sort));
      current_sort_rec.current_sort_var = NextVar;
      DoAPrivateSort(Compare, NextVar, i, j);
      current_sort_rec = {level, PrevVar};
    }
    i = j + 1;
  }
}

// Within each run equal on the first key, orders the runs equal on the second key by the third.
void T3SortYieldingList::SortEachRunOfTwoKeys(const TCompareFunctOfObject &Compare,
                                              int32_t SortVar1, int32_t SortVar2, int32_t SortVar3,
                                              int32_t Start, int32_t Finish) {
  if (SortVar2 == SortVar3)
    return; // every DoNextSort below would do nothing
  for (int32_t i = Start; i < Finish;) {
    current_sort_rec.current_sort_doing = sort_first_sort;
    int32_t j = EndOfRun(Compare, SortVar1, i, Finish);
    if (j > i) {
      current_sort_rec.current_sort_doing = sort_second_sort;
      DoNextSort(Compare, SortVar2, SortVar3, i, j);
    }
    i = j + 1;
  }
  current_sort_rec = {sort_first_sort, SortVar1};
}

// Entry points --------------------------------------------------------------------------------

void T3SortYieldingList::DoASingleSort(const TCompareFunctOfObject &Compare, int32_t SortVar,
                                       int32_t Start, int32_t Finish) {
  if (BusySorting)
    return;
  FlagScope busy(BusySorting);
  if (!CheckStartAndFinish(Start, Finish))
    return;
  current_sort_rec.current_sort_doing = sort_first_sort;
  DoAPrivateSort(Compare, SortVar, Start, Finish);
}

void T3SortYieldingList::DoASingleSort(const TCompareFunctOfObject &Compare, int32_t SortVar) {
  DoASingleSort(Compare, SortVar, 0, Count() - 1);
}

void T3SortYieldingList::DoADoubleSort(const TCompareFunctOfObject &Compare, int32_t SortVar1,
                                       int32_t SortVar2, int32_t Start, int32_t Finish) {
  if (BusySorting)
    return;
  FlagScope busy(BusySorting);
  if (!CheckStartAndFinish(Start, Finish))
    return;
  current_sort_rec.current_sort_doing = sort_first_sort;
  DoAPrivateSort(Compare, SortVar1, Start, Finish);
  DoNextSort(Compare, SortVar1, SortVar2, Start, Finish);
}

void T3SortYieldingList::DoADoubleSort(const TCompareFunctOfObject &Compare, int32_t SortVar1,
                                       int32_t SortVar2) {
  DoADoubleSort(Compare, SortVar1, SortVar2, 0, Count() - 1);
}

void T3SortYieldingList::DoATrebleSort(const TCompareFunctOfObject &Compare, int32_t SortVar1,
                                       int32_t SortVar2, int32_t SortVar3, int32_t Start,
                                       int32_t Finish) {
  if (BusySorting)
    return;
  FlagScope busy(BusySorting);
  if (!CheckStartAndFinish(Start, Finish))
    return;
  current_sort_rec.current_sort_doing = sort_first_sort;
  DoAPrivateSort(Compare, SortVar1, Start, Finish);
  DoNextSort(Compare, SortVar1, SortVar2, Start, Finish);
  SortEachRunOfTwoKeys(Compare, SortVar1, SortVar2, SortVar3, Start, Finish);
}

void T3SortYieldingList::DoATrebleSort(const TCompareFunctOfObject &Compare, int32_t SortVar1,
                                       int32_t SortVar2, int32_t SortVar3) {
  DoATrebleSort(Compare, SortVar1, SortVar2, SortVar3, 0, Count() - 1);
}

} // namespace textcore
