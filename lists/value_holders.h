// The record objects of the typed lists: one value or record per object, in the field `data`,
// with the bytes that the object writes to a saved list and reads back.
//
// Numeric holders write their value as it lies in memory (little-endian, no padding):
//   TLongIntHolder 4, TCardinalHolder 4, TSingleHolder 4, TInt64Holder 8,
//   TIntegerAndSingleHolder 8 (int_, s), TCardinalAndFreqHolder 8 (c, f),
//   TIntegerAnd3CardinalsHolder 16 (freq, card1, card2, card3).
// A read succeeds only when every byte came. TDoubleLongIntHolder, TDoublePointerHolder and
// TWordFreqAndSourceNumHolder write nothing and read nothing: a list of them saves its count
// alone, and reloading it makes that many zeroed records, as lists saved before have always done.
// The holders with strings are in string_holders.h.
#pragma once

#include "core/basic_types.h"
#include "lists/useful_base_list_object.h"
#include "platform/streams.h"

#include <cstdint>
#include <type_traits>

namespace textcore {

// Whether all Count bytes came, though the stream may deliver them in pieces.
inline bool ReadWhole(TStream &Stream, void *Buffer, int64_t Count) {
  return ReadFully(Stream, Buffer, Count) == Count;
}

// A record object holding one Value; writes nothing (the base operations).
template <typename Value> class TValueHolder : public TUsefulBaseListObject {
public:
  using value_type = Value;
  TValueHolder() = default;
  explicit TValueHolder(const Value &AValue) : data(AValue) {}

  Value data{};
};

// A record object whose saved form is the bytes of its Value.
template <typename Value, size_t Bytes> class TPlainBytesHolder : public TValueHolder<Value> {
  static_assert(std::is_trivially_copyable_v<Value> && sizeof(Value) == Bytes,
                "the saved form is the value's bytes, with no padding");

public:
  using TValueHolder<Value>::TValueHolder;

  bool ReadFromStream(TStream &Stream) override {
    return ReadWhole(Stream, &this->data, sizeof(Value));
  }
  bool SaveToStream(TStream &Stream) override {
    return Stream.Write(&this->data, sizeof(Value)) == sizeof(Value);
  }
};

using TLongIntHolder = TPlainBytesHolder<int32_t, 4>;
using TCardinalHolder = TPlainBytesHolder<uint32_t, 4>;
using TSingleHolder = TPlainBytesHolder<float, 4>;
using TInt64Holder = TPlainBytesHolder<int64_t, 8>;
using TIntegerAndSingleHolder = TPlainBytesHolder<TIntegerAndSingleRec, 8>;
using TCardinalAndFreqHolder = TPlainBytesHolder<TCardinalAndFreq, 8>;
using TIntegerAnd3CardinalsHolder = TPlainBytesHolder<TIntegerAnd3CardinalsRec, 16>;

using TDoubleLongIntHolder = TValueHolder<Tdouble_longint_rec>;
using TDoublePointerHolder = TValueHolder<TDoublePointer>;
using TWordFreqAndSourceNumHolder = TValueHolder<TWordFreqAndSourceNum>;

// Plain holders, not list records: an integer handed around as an object.
class TPublicIntegerHolder : public TObject {
public:
  explicit TPublicIntegerHolder(int32_t AData) : data(AData) {}
  int32_t data;
};

class TSmallIntHolder : public TObject {
public:
  explicit TSmallIntHolder(int16_t AInt) : int_(AInt) {}
  int16_t int_;
};

} // namespace textcore
