// TMyStreamableStringlist: a string list (strings only, in the order added) with a compact stream
// form, which travels inside saved lists wherever an entry carries a few strings.
//
// Stream form (little-endian): a 4-byte signed count, then the strings.
//   current form  count = minus the number of strings; each string as WriteAString writes it
//                 (4-byte count of UTF-16 units, then the units)
//   older form    count = the number of strings (0 or more); each a short string (length byte,
//                 then 8-bit text in the system's code page)
// An empty list is the count 0 alone, which reads the same under either form. SaveToStream
// writes the current form; ReadFromStream reads both.
//
// Neither operation raises for a failure of its own reading or writing: the result says it.
#pragma once

#include "platform/encoding.h"
#include "platform/streams.h"
#include "platform/string_list.h"

namespace textcore {

class TMyStreamableStringlist : public TStringList {
public:
  TMyStreamableStringlist() = default;

  // Writes the current form. False when the stream refused bytes, or when a string is longer
  // than global_string_safety_limit: it is written whole, but would not read back.
  bool SaveToStream(TStream &Stream);
  // Replaces the strings by those read in either form. False on a stream that ends early or a
  // string above global_string_safety_limit; the strings read before it stay.
  bool ReadFromStream(TStream &Stream);

  // The string list's own text form, still reachable under its name.
  void SaveToStream(TStream &Stream, const TEncoding *AEncoding) override;
};

} // namespace textcore
