// TMySaveStringList: a string list that saves itself to a stream, optionally with the object
// slot of each string taken as a 32-bit integer.
//
// Stream form (little-endian): a 4-byte signed count N, then N entries, each the integer (4
// bytes, only when save_Objects_too) followed by the string (4-byte count of UTF-16 units, then
// the units). Strings are read with the default maximum, global_string_safety_limit; a longer
// string is saved whole and reads back only under a raised limit.
//
// LoadFromStream appends to what the list holds. On a damaged stream (a negative count, a stream
// that ends early, a bad string length) it raises EReadError and leaves the list as it was.
// SaveToFile and LoadFromFile remain the string list's text forms.
#pragma once

#include "platform/streams.h"
#include "platform/string_list.h"

namespace textcore {

class TMySaveStringList : public TStringList {
public:
  explicit TMySaveStringList(bool SaveObjectsToo) : save_Objects_too(SaveObjectsToo) {}

  // Raises the stream's EWriteError when it refuses bytes.
  void SaveToStream(TStream &Stream);
  void LoadFromStream(TStream &Stream);

  // The string list's own text forms, still reachable under their names.
  void SaveToStream(TStream &Stream, const TEncoding *AEncoding) override;
  void LoadFromStream(TStream &Stream, const TEncoding *AEncoding) override;

  bool save_Objects_too;
};

} // namespace textcore
