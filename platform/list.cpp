// TList over a vector of slots whose size is the list's capacity.
#include "platform/list.h"

#include "platform/exceptions.h"
#include "platform/quick_sort.h"

#include <algorithm>
#include <new>
#include <utility>

namespace textcore {

namespace {

[[noreturn]] void RaiseListError(const char16_t *what, int64_t value) {
  throw EListError(String(u"List ") + what + u" out of bounds (" + IntToStr(value) + u")");
}

} // namespace

TList::~TList() { Clear(); }

void TList::CheckIndex(int32_t Index) const {
  if (Index < 0 || Index >= fCount)
    RaiseListError(u"index", Index);
}

void TList::SetCapacity(int32_t NewCapacity) {
  if (NewCapacity < fCount || NewCapacity > MaxListSize)
    RaiseListError(u"capacity", NewCapacity);
  try {
    if (NewCapacity < Capacity()) {
      fItems.resize(static_cast<size_t>(NewCapacity));
      fItems.shrink_to_fit();
    } else {
      fItems.reserve(static_cast<size_t>(NewCapacity));
      fItems.resize(static_cast<size_t>(NewCapacity), nullptr);
    }
  } catch (const std::bad_alloc &) {
    RaiseListError(u"capacity", NewCapacity);
  }
}

void TList::SetCount(int32_t NewCount) {
  if (NewCount < 0 || NewCount > MaxListSize)
    RaiseListError(u"count", NewCount);
  if (NewCount > Capacity())
    SetCapacity(NewCount);
  if (NewCount > fCount)
    std::fill(fItems.begin() + fCount, fItems.begin() + NewCount, nullptr);
  else
    while (fCount > NewCount)
      Delete(fCount - 1);
  fCount = NewCount;
}

void *TList::Items(int32_t Index) const {
  CheckIndex(Index);
  return fItems[static_cast<size_t>(Index)];
}

void TList::SetItems(int32_t Index, void *Item) {
  CheckIndex(Index);
  void *old = fItems[static_cast<size_t>(Index)];
  if (old == Item)
    return;
  fItems[static_cast<size_t>(Index)] = Item;
  if (old != nullptr)
    Notify(old, lnDeleted);
  if (Item != nullptr)
    Notify(Item, lnAdded);
}

// Grows by a quarter once past 64 slots, so a run of Adds costs linear time overall.
void TList::Grow() {
  int32_t capacity = Capacity();
  int32_t delta = capacity > 64 ? capacity / 4 : capacity > 8 ? 16 : 4;
  if (capacity < MaxListSize)
    delta = std::min(delta, MaxListSize - capacity);
  SetCapacity(capacity + delta);
}

int32_t TList::Add(void *Item) {
  int32_t index = fCount;
  if (index == Capacity())
    Grow();
  fItems[static_cast<size_t>(index)] = Item;
  ++fCount;
  if (Item != nullptr)
    Notify(Item, lnAdded);
  return index;
}

void TList::Insert(int32_t Index, void *Item) {
  if (Index < 0 || Index > fCount)
    RaiseListError(u"index", Index);
  if (fCount == Capacity())
    Grow();
  auto at = fItems.begin() + Index;
  std::move_backward(at, fItems.begin() + fCount, fItems.begin() + fCount + 1);
  *at = Item;
  ++fCount;
  if (Item != nullptr)
    Notify(Item, lnAdded);
}

void TList::Delete(int32_t Index) {
  CheckIndex(Index);
  void *item = fItems[static_cast<size_t>(Index)];
  std::move(fItems.begin() + Index + 1, fItems.begin() + fCount, fItems.begin() + Index);
  --fCount;
  fItems[static_cast<size_t>(fCount)] = nullptr;
  if (item != nullptr)
    Notify(item, lnDeleted);
}

int32_t TList::Remove(void *Item) {
  int32_t index = IndexOf(Item);
  if (index >= 0)
    Delete(index);
  return index;
}

void *TList::Extract(void *Item) {
  int32_t index = IndexOf(Item);
  if (index < 0)
    return nullptr;
  // Cleared first, so that Delete does not report the item as deleted.
  fItems[static_cast<size_t>(index)] = nullptr;
  Delete(index);
  if (Item != nullptr)
    Notify(Item, lnExtracted);
  return Item;
}

int32_t TList::IndexOf(const void *Item) const {
  auto end = fItems.begin() + fCount;
  auto found = std::find(fItems.begin(), end, Item);
  return found == end ? -1 : static_cast<int32_t>(found - fItems.begin());
}

void TList::Exchange(int32_t Index1, int32_t Index2) {
  CheckIndex(Index1);
  CheckIndex(Index2);
  std::swap(fItems[static_cast<size_t>(Index1)], fItems[static_cast<size_t>(Index2)]);
}

void TList::Move(int32_t CurIndex, int32_t NewIndex) {
  if (CurIndex == NewIndex)
    return;
  CheckIndex(NewIndex);
  CheckIndex(CurIndex);
  auto cur = fItems.begin() + CurIndex, target = fItems.begin() + NewIndex;
  if (CurIndex < NewIndex)
    std::rotate(cur, cur + 1, target + 1);
  else
    std::rotate(target, cur, cur + 1);
}

void TList::Pack() {
  auto end = fItems.begin() + fCount;
  auto kept_end = std::remove(fItems.begin(), end, nullptr);
  std::fill(kept_end, end, nullptr);
  fCount = static_cast<int32_t>(kept_end - fItems.begin());
}

void TList::Clear() {
  SetCount(0);
  SetCapacity(0);
}

TList *TList::Expand() {
  if (fCount == Capacity())
    Grow();
  return this;
}

void TList::Assign(const TList &ListA, TListAssignOp AOperator, const TList *ListB) {
  if (ListB != nullptr) {
    if (&ListA != this)
      Combine(ListA, laCopy);
    Combine(*ListB, AOperator);
  } else {
    Combine(ListA, AOperator);
  }
}

void TList::Combine(const TList &Source, TListAssignOp AOperator) {
  if (&Source == this) {
    // Combining a list with itself: only the operators that empty it change anything.
    if (AOperator == laXor || AOperator == laSrcUnique || AOperator == laDestUnique)
      Clear();
    return;
  }
  auto in_source = [&](void *item) { return Source.IndexOf(item) >= 0; };
  std::vector<void *> only_source;
  for (int32_t i = 0; i < Source.Count(); ++i)
    if (IndexOf(Source.fItems[static_cast<size_t>(i)]) < 0)
      only_source.push_back(Source.fItems[static_cast<size_t>(i)]);
  switch (AOperator) {
  case laCopy:
    Clear();
    SetCapacity(Source.Capacity());
    for (int32_t i = 0; i < Source.Count(); ++i)
      Add(Source.fItems[static_cast<size_t>(i)]);
    return;
  case laAnd:
    for (int32_t i = fCount - 1; i >= 0; --i)
      if (!in_source(fItems[static_cast<size_t>(i)]))
        Delete(i);
    return;
  case laXor:
  case laSrcUnique:
    for (int32_t i = fCount - 1; i >= 0; --i)
      if (in_source(fItems[static_cast<size_t>(i)]))
        Delete(i);
    if (AOperator == laSrcUnique)
      return;
    [[fallthrough]];
  case laOr:
    for (void *item : only_source)
      if (IndexOf(item) < 0) // an item the source holds twice is added once
        Add(item);
    return;
  case laDestUnique:
    Clear();
    for (void *item : only_source)
      Add(item);
    return;
  }
}

void TList::Sort(TListSortCompare Compare) {
  if (fCount < 2 || Compare == nullptr)
    return;
  void **items = fItems.data();
  QuickSortPositions(
      0, fCount - 1, [&](int32_t i, int32_t j) { return Compare(items[i], items[j]); },
      [&](int32_t i, int32_t j) { std::swap(items[i], items[j]); });
}

void TList::Notify(void *, TListNotification) {}

} // namespace textcore
