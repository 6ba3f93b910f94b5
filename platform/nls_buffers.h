// The calling convention that the Windows national-language calls share, written once for all
// of them: how a failure is reported, which buffer arguments are refused, what a length of -1
// means, and how a finished result is handed to the caller's buffer.
#pragma once

#include "platform/nls_last_error.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace textcore {

// Fails a call: sets the thread's last error and returns 0 (false for the Boolean calls).
inline int32_t Fail(uint32_t error) {
  SetLastError(error);
  return 0;
}

// The arguments a conversion into the caller's buffer refuses with ERROR_INVALID_PARAMETER: no
// source, an empty one, a length below -1, a negative room, or room without a buffer.
template <typename Source, typename Target>
bool ValidBufferArguments(const Source *source, int32_t source_length, const Target *target,
                          int32_t target_length) {
  return source != nullptr && source_length != 0 && source_length >= -1 && target_length >= 0 &&
         (target_length == 0 || target != nullptr);
}

// A source length of -1 means "up to the terminating NUL", which is converted with the rest.
template <typename Unit> int32_t RunLength(const Unit *source, int32_t length) {
  return length == -1 ? static_cast<int32_t>(std::char_traits<Unit>::length(source)) + 1 : length;
}

// Hands a finished result to the caller: its size when target_length is 0 (a size query), the
// units copied, or ERROR_INSUFFICIENT_BUFFER after copying what fits.
template <typename Unit>
int32_t Deliver(const Unit *result, size_t size, Unit *target, int32_t target_length) {
  const int32_t needed = static_cast<int32_t>(size);
  if (target_length == 0)
    return needed;
  if (needed > target_length) {
    std::memcpy(target, result, sizeof(Unit) * static_cast<size_t>(target_length));
    return Fail(ERROR_INSUFFICIENT_BUFFER);
  }
  std::memcpy(target, result, sizeof(Unit) * size);
  return needed;
}

template <typename Unit>
int32_t Deliver(const std::basic_string<Unit> &result, Unit *target, int32_t target_length) {
  return Deliver(result.data(), result.size(), target, target_length);
}

} // namespace textcore
