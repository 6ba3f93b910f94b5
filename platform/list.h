// TList: the framework's ordered list of untyped references (void*).
//
// Indices count from 0; an index out of range raises EListError "List index out of bounds (%d)".
// The list does not own what it points at. A descendant that does overrides Notify, which hears
// of every non-null item added, deleted or extracted, and calls Clear in its own destructor:
// by the time ~TList runs, the descendant's Notify can no longer be reached.
#pragma once

#include "platform/object.h"

#include <cstdint>
#include <vector>

namespace textcore {

enum TListNotification : uint8_t { lnAdded, lnExtracted, lnDeleted };

// How Assign combines the list with a source: copy it, keep what both hold (laAnd), add what
// only the source holds (laOr), keep what only one of them holds (laXor), keep what only this
// list holds (laSrcUnique) or what only the source holds (laDestUnique).
enum TListAssignOp : uint8_t { laCopy, laAnd, laOr, laXor, laSrcUnique, laDestUnique };

// Negative when Item1 sorts before Item2, positive when after, 0 when equal.
using TListSortCompare = int (*)(void *Item1, void *Item2);

class TList : public TObject {
public:
  // The largest count or capacity a list accepts, as the framework's MaxListSize.
  static constexpr int32_t MaxListSize = INT32_MAX / 16;

  TList() = default;
  ~TList() override;
  TList(const TList &) = delete;
  TList &operator=(const TList &) = delete;

  int32_t Count() const { return fCount; }
  // Grows with nullptr; shrinking deletes from the end, notifying each non-null item.
  void SetCount(int32_t NewCount);
  int32_t Capacity() const { return static_cast<int32_t>(fItems.size()); }
  // Raises EListError "List capacity out of bounds (%d)" below Count or above MaxListSize.
  void SetCapacity(int32_t NewCapacity);

  void *Items(int32_t Index) const;
  void SetItems(int32_t Index, void *Item);
  void *First() const { return Items(0); }
  void *Last() const { return Items(fCount - 1); }
  // The slots themselves, Capacity() of them; the first Count() are the items.
  void **List() { return fItems.data(); }

  int32_t Add(void *Item);
  void Insert(int32_t Index, void *Item);
  void Delete(int32_t Index);
  // Deletes the first occurrence of Item; its former index, or -1 when absent.
  int32_t Remove(void *Item);
  // Removes the first occurrence of Item without deleting it (lnExtracted); Item, or nullptr.
  void *Extract(void *Item);
  int32_t IndexOf(const void *Item) const;
  void Exchange(int32_t Index1, int32_t Index2);
  void Move(int32_t CurIndex, int32_t NewIndex);
  void Pack();
  void Clear();
  // Makes room for one more item when the list is full.
  TList *Expand();
  // Combines this list with ListA (or, when ListB is given, first copies ListA, then combines
  // with ListB).
  void Assign(const TList &ListA, TListAssignOp AOperator = laCopy, const TList *ListB = nullptr);
  void Sort(TListSortCompare Compare);

protected:
  virtual void Notify(void *Ptr, TListNotification Action);
  void Grow();

private:
  void CheckIndex(int32_t Index) const;
  void Combine(const TList &Source, TListAssignOp AOperator);

  std::vector<void *> fItems; // Capacity() slots
  int32_t fCount = 0;
};

} // namespace textcore
