// The machinery that the typed lists share: a list of one holder class with typed access to its
// values, and, for lists kept in order of a key, the binary and linear searches, insertion in
// order and sorting on the key.
//
// Access by position goes through TList::Items, so a position outside the list raises EListError
// "List index out of bounds (%d)" rather than reach memory outside it; a slot emptied by FreeOne
// raises EListError too. The operations that answer a sentinel out of range check first.
//
// Keyed lists keep `sorted` honest: it means "in ascending order of the key that Find searches
// on". An append or insertion that breaks that order clears it, so that a later Find or
// IndexOF never binary-searches a list that is out of order.
#pragma once

#include "core/yield.h"
#include "lists/sort_items_by_key.h"
#include "lists/useful_base_list_sorts.h"
#include "lists/value_holders.h"

#include <cstdint>
#include <memory>
#include <type_traits>

namespace textcore {

// Raises EListError for the slot at Index, which FreeOne has emptied.
[[noreturn]] void RaiseEmptyListEntry(int32_t Index);

template <typename Base, typename Holder> class TTypedRecordList : public Base {
public:
  using Value = typename Holder::value_type;

  // Records that write no bytes save as a count alone, which is then the only bound on what a
  // load creates: a list of more of them than this is refused on saving, since it would not
  // load again.
  static constexpr int32_t kMaxBlankRecords = 1 << 20;
  static constexpr bool kRecordsHaveBytes = !std::is_same_v<Holder, TValueHolder<Value>>;

  TTypedRecordList() : Base(TUsefulBaseListObjectClass::Of<Holder>()) {}

  bool SaveToStream(TStream &Stream) override {
    if (!kRecordsHaveBytes && this->Count() > kMaxBlankRecords)
      return false;
    return Base::SaveToStream(Stream);
  }

protected:
  int32_t UnbackedRecords() const override {
    return kRecordsHaveBytes ? Base::UnbackedRecords() : kMaxBlankRecords;
  }
  bool RecordsHaveBytes() const override { return kRecordsHaveBytes; }

  bool InRange(int32_t Index) const { return Index >= 0 && Index < this->Count(); }

  static Holder *HolderOf(void *Item) {
    return static_cast<Holder *>(static_cast<TUsefulBaseListObject *>(Item));
  }
  Holder &HolderAt(int32_t Index) const {
    Holder *holder = HolderOf(this->Items(Index));
    if (holder == nullptr)
      RaiseEmptyListEntry(Index);
    return *holder;
  }
  Value &ValueAt(int32_t Index) const { return HolderAt(Index).data; }

  int32_t Append(const Value &AValue) {
    auto holder = std::make_unique<Holder>(AValue);
    const int32_t at = this->Add(static_cast<TUsefulBaseListObject *>(holder.get()));
    holder.release(); // the list owns it now
    return at;
  }
  void InsertAt(int32_t Index, const Value &AValue) {
    auto holder = std::make_unique<Holder>(AValue);
    this->Insert(Index, static_cast<TUsefulBaseListObject *>(holder.get()));
    holder.release();
  }

  // Sorts on KeyOf(value) with Before, a strict weak order of keys.
  template <typename Key, typename KeyOf, typename Before> void SortOn(KeyOf Of, Before KeyBefore) {
    SortItemsByKey<Key>(
        *this, [&](void *Item) { return Of(HolderOf(Item)->data); }, KeyBefore);
  }
};

// Keys: `Key`, `Of(value)`, `Compare(a, b)` (negative, zero or positive) and `Before(a, b)`, a
// strict weak order that agrees with Compare wherever Compare is one.
template <typename Holder, typename KeyTraits>
class TKeyedRecordList : public TTypedRecordList<TUsefulBaseListSorts, Holder> {
public:
  using Key = typename KeyTraits::Key;
  using Value = typename Holder::value_type;

  int32_t ComparedValues(int32_t Index1, int32_t Index2) override {
    return KeyTraits::Compare(KeyAt(Index1), KeyAt(Index2));
  }

protected:
  Key KeyAt(int32_t Index) const { return KeyTraits::Of(this->ValueAt(Index)); }

  // For a list in ascending order: a position holding AKey, or -1, with `nearest` at the last
  // position probed (-1 for an empty list). Yields once per probe.
  int32_t BinarySearch(Key AKey) {
    this->nearest = -1;
    int32_t lo = 0, hi = this->Count() - 1;
    while (lo <= hi) {
      MyYieldProcess();
      const int32_t mid = lo + (hi - lo) / 2;
      this->nearest = mid;
      const int32_t order = KeyTraits::Compare(KeyAt(mid), AKey);
      if (order < 0) {
        lo = mid + 1;
      } else {
        if (order == 0)
          return mid;
        hi = mid - 1;
      }
    }
    return -1;
  }

  // The first position holding AKey, or -1; yields once per record.
  int32_t LinearSearch(Key AKey) {
    for (int32_t i = 0; i < this->Count(); ++i) {
      MyYieldProcess();
      if (KeyTraits::Compare(KeyAt(i), AKey) == 0)
        return i;
    }
    return -1;
  }

  int32_t Search(Key AKey) { return this->sorted ? BinarySearch(AKey) : LinearSearch(AKey); }

  // For a sorted list: inserts where the order stays ascending, before an equal record found,
  // else beside the last probe. Returns the position.
  int32_t InsertInOrder(const Value &AValue) {
    const Key key = KeyTraits::Of(AValue);
    int32_t at = BinarySearch(key);
    if (at < 0) {
      if (this->nearest < 0)
        return this->Append(AValue);
      at = KeyTraits::Compare(KeyAt(this->nearest), key) <= 0 ? this->nearest + 1 : this->nearest;
    }
    this->InsertAt(at, AValue);
    return at;
  }

  // Appends and clears `sorted` when the new record comes before the last one.
  int32_t AppendKeepingOrderFlag(const Value &AValue) {
    const int32_t at = this->Append(AValue);
    NoteOrderAt(at);
    return at;
  }

  // Inserts at Index without looking at the order, and clears `sorted` when it breaks.
  void InsertNotingOrder(int32_t Index, const Value &AValue) {
    this->InsertAt(Index, AValue);
    NoteOrderAt(Index);
  }

  // Clears `sorted` when the record at Index is out of order with its neighbours.
  void NoteOrderAt(int32_t Index) {
    if (!this->sorted)
      return;
    const Key key = KeyAt(Index);
    if ((Index > 0 && KeyTraits::Compare(KeyAt(Index - 1), key) > 0) ||
        (Index + 1 < this->Count() && KeyTraits::Compare(key, KeyAt(Index + 1)) > 0))
      this->sorted = false;
  }

  void SortOnKey() {
    this->template SortOn<Key>(KeyTraits::Of, KeyTraits::Before);
    this->sorted = true;
  }
};

// Keys that are the value itself, compared by Compare.
template <typename T, int32_t (*CompareFunction)(T, T)> struct TPlainKey {
  using Key = T;
  static Key Of(const T &AValue) { return AValue; }
  static int32_t Compare(Key A, Key B) { return CompareFunction(A, B); }
  static bool Before(Key A, Key B) { return A < B; }
};

} // namespace textcore
