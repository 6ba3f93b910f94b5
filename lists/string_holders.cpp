// Reading and writing the records that carry strings.
#include "lists/string_holders.h"

#include "core/stream_codec.h"
#include "platform/exceptions.h"

#include <cstdint>
#include <initializer_list>

namespace textcore {

namespace {

bool ReadTwoIntegers(TStream &Stream, int32_t &First, int32_t &Second) {
  int32_t both[2];
  if (!ReadWhole(Stream, both, sizeof both))
    return false;
  First = both[0];
  Second = both[1];
  return true;
}

// The integers, then the strings; false at the first part the stream refuses.
bool WriteIntegersAndStrings(TStream &Stream, int32_t First, int32_t Second,
                             std::initializer_list<const String *> Strings) {
  const int32_t both[2] = {First, Second};
  if (Stream.Write(both, sizeof both) != sizeof both)
    return false;
  try {
    for (const String *s : Strings)
      WriteAString(Stream, *s);
  } catch (const EWriteError &) {
    return false;
  }
  return true;
}

} // namespace

bool T2StringsAnd2IntegersHolder::ReadFromStream(TStream &Stream) {
  if (!ReadTwoIntegers(Stream, data.int1, data.int2))
    return false;
  data.s1 = ReadAString(Stream);
  data.s2 = ReadAString(Stream);
  return true;
}

bool T2StringsAnd2IntegersHolder::SaveToStream(TStream &Stream) {
  return WriteIntegersAndStrings(Stream, data.int1, data.int2, {&data.s1, &data.s2});
}

bool TStringColumnAndColourHolder::ReadFromStream(TStream &Stream) {
  if (!ReadTwoIntegers(Stream, data.column_number, data.background_colour))
    return false;
  data.s = ReadAString(Stream);
  return true;
}

bool TStringColumnAndColourHolder::SaveToStream(TStream &Stream) {
  return WriteIntegersAndStrings(Stream, data.column_number, data.background_colour, {&data.s});
}

} // namespace textcore
