// String lists that carry a value with each string, and sort on it, highest first.
//
// Each string's object is a holder of its value, owned by the list: Delete, Clear and the
// destructor free it. GetOne answers zero (a zeroed record) for a position outside the list or a
// string without a holder; SetOne gives such a string a holder. The sorts are the string list's
// custom sort (not stable) and yield once per 1024 comparisons.
//
// TStringListWithFreqPointers is the exception: its object slots hold a 32-bit frequency each,
// not an object, and nothing is freed.
#pragma once

#include "core/basic_types.h"
#include "core/yield.h"
#include "lists/list_comparisons.h"
#include "lists/value_holders.h"
#include "platform/string_list.h"

#include <cstdint>
#include <memory>

namespace textcore {

template <typename Holder> class TStringListWithHolders : public TStringList {
public:
  using Value = typename Holder::value_type;

  TStringListWithHolders() : TStringList(/*OwnsObjects=*/true) {}

  // Adds S with a holder of Value; the position.
  int32_t AddOne(const String &S, const Value &AValue) {
    auto holder = std::make_unique<Holder>(AValue);
    const int32_t at = AddObject(S, holder.get());
    if (Objects(at) == holder.get()) // a sorted list may keep an equal string instead
      holder.release();
    return at;
  }
  Value GetOne(int32_t Index) const {
    const Holder *holder = HolderAt(Index);
    return holder != nullptr ? holder->data : Value{};
  }
  void SetOne(int32_t Index, const Value &AValue) {
    if (Index < 0 || Index >= Count())
      return;
    if (Holder *holder = HolderAt(Index))
      holder->data = AValue;
    else
      PutObject(Index, new Holder(AValue));
  }

protected:
  Holder *HolderAt(int32_t Index) const {
    if (Index < 0 || Index >= Count())
      return nullptr;
    return dynamic_cast<Holder *>(Objects(Index));
  }

  // Custom sort, highest KeyOf first, by Compare (negative, zero or positive, ascending).
  template <typename Key, Key (*KeyOf)(const Value &), int32_t (*Compare)(Key, Key)>
  void SortHighestFirst() {
    fComparisons = 0;
    CustomSort([](TStringList *List, int32_t Index1, int32_t Index2) -> int {
      auto &self = static_cast<TStringListWithHolders &>(*List);
      if ((++self.fComparisons & 1023) == 0)
        MyYieldProcess();
      return Compare(KeyOf(self.GetOne(Index2)), KeyOf(self.GetOne(Index1)));
    });
  }

private:
  uint32_t fComparisons = 0;
};

namespace string_list_keys {
template <typename T> T Itself(const T &AValue) { return AValue; }
inline float SingleOf(const TIntegerAndSingleRec &Rec) { return Rec.s; }
inline int32_t Long1Of(const Tdouble_longint_rec &Rec) { return Rec.long1; }
} // namespace string_list_keys

class TStringListWithALongint : public TStringListWithHolders<TLongIntHolder> {
public:
  void SortOnFreq() {
    SortHighestFirst<int32_t, string_list_keys::Itself<int32_t>, CompareLongints>();
  }
};

class TStringListWithASingle : public TStringListWithHolders<TSingleHolder> {
public:
  void SortOnFreq() { SortHighestFirst<float, string_list_keys::Itself<float>, CompareSingles>(); }
};

class TStringListWithIntAndSingle : public TStringListWithHolders<TIntegerAndSingleHolder> {
public:
  // By s, highest first.
  void SortOnSingle() { SortHighestFirst<float, string_list_keys::SingleOf, CompareSingles>(); }
};

class TStringListWithDoubleLongintList : public TStringListWithHolders<TDoubleLongIntHolder> {
public:
  // By long1, highest first.
  void SortOnFreq() { SortHighestFirst<int32_t, string_list_keys::Long1Of, CompareLongints>(); }
};

class TStringListWithFreqPointers : public TStringList {
public:
  // The object slot that holds Freq, for AddObject.
  static TObject *FreqAsObject(int32_t Freq) { return IntegerAsObject(Freq); }
  // The frequency that the object slot at Index holds.
  int32_t FreqOf(int32_t Index) const { return ObjectAsInteger(Objects(Index)); }
  // By the frequency in each object slot, highest first.
  void SortOnFreq();

private:
  uint32_t fComparisons = 0;
};

} // namespace textcore
