// TMyFileStream: the framework's file stream with the suite's short-string writer built in.
#pragma once

#include "platform/streams.h"
#include "platform/strings.h"

namespace textcore {

class TMyFileStream : public TFileStream {
public:
  using TFileStream::TFileStream;

  // WriteShortString on this stream.
  bool WriteAShortString(const AnsiString &S);
};

} // namespace textcore
