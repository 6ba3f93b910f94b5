// The record objects whose records carry strings. Saved form: two 32-bit integers, then each
// string in the stream encoding of strings (a 4-byte count of UTF-16 units, then the units).
//   T2StringsAnd2IntegersHolder    int1, int2, s1, s2
//   TStringColumnAndColourHolder   column_number, background_colour, s
// A read fails (False) when the integers do not come whole, and then reads no string; a damaged
// string length raises EReadError, as the string reader does. Strings are read with the default
// maximum, global_string_safety_limit. A write fails when the stream refuses a byte.
#pragma once

#include "core/basic_types.h"
#include "lists/value_holders.h"

namespace textcore {

class T2StringsAnd2IntegersHolder : public TValueHolder<T2StringsAnd2IntegersRec> {
public:
  using TValueHolder::TValueHolder;
  bool ReadFromStream(TStream &Stream) override;
  bool SaveToStream(TStream &Stream) override;
};

class TStringColumnAndColourHolder : public TValueHolder<TStringColumnAndColourRec> {
public:
  using TValueHolder::TValueHolder;
  bool ReadFromStream(TStream &Stream) override;
  bool SaveToStream(TStream &Stream) override;
};

} // namespace textcore
