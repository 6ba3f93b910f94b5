// A small record class for testing the base lists: a 32-bit value and a string, so that a record
// can fail both ways, by a short read (False) and by a damaged string length (EReadError). It
// counts the live records, so that tests can see what a list frees.
#pragma once

#include "core/stream_codec.h"
#include "lists/useful_base_list_sorts.h"

#include <cstdint>

namespace testsupport {

class TSampleRecord : public textcore::TUsefulBaseListObject {
public:
  TSampleRecord() { ++live; }
  TSampleRecord(int32_t v, textcore::String l) : value(v), label(std::move(l)) { ++live; }
  ~TSampleRecord() override { --live; }

  bool ReadFromStream(textcore::TStream &Stream) override {
    if (Stream.Read(&value, sizeof value) != sizeof value)
      return false;
    label = textcore::ReadAString(Stream);
    return true;
  }
  bool SaveToStream(textcore::TStream &Stream) override {
    return Stream.Write(&value, sizeof value) == sizeof value &&
           textcore::WriteAString(Stream, label);
  }

  static inline int32_t live = 0;
  int32_t value = 0;
  textcore::String label;
};

// Sorted lists of sample records, equal when their values are.
class TSampleSortedList : public textcore::TUsefulBaseListSorts {
public:
  TSampleSortedList()
      : TUsefulBaseListSorts(textcore::TUsefulBaseListObjectClass::Of<TSampleRecord>()) {}
  int32_t ComparedValues(int32_t Index1, int32_t Index2) override {
    int32_t a = Value(Index1), b = Value(Index2);
    return a < b ? -1 : a > b ? 1 : 0;
  }
  int32_t Value(int32_t Index) const { return static_cast<TSampleRecord *>(Items(Index))->value; }
  static int ByValue(void *a, void *b) {
    int32_t x = static_cast<TSampleRecord *>(a)->value, y = static_cast<TSampleRecord *>(b)->value;
    return x < y ? -1 : x > y ? 1 : 0;
  }
};

} // namespace testsupport
