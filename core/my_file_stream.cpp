// TMyFileStream's one method.
#include "core/my_file_stream.h"

#include "core/stream_codec.h"

namespace textcore {

bool TMyFileStream::WriteAShortString(const AnsiString &S) { return WriteShortString(*this, S); }

} // namespace textcore
