// The thread's last error code, as the Windows national-language calls report their failures:
// a call that fails returns 0 (or false) and leaves the reason here for GetLastError.
#pragma once

#include <cstdint>

namespace textcore {

constexpr uint32_t ERROR_SUCCESS = 0;
constexpr uint32_t ERROR_INVALID_PARAMETER = 87;
constexpr uint32_t ERROR_INSUFFICIENT_BUFFER = 122;
constexpr uint32_t ERROR_INVALID_FLAGS = 1004;
constexpr uint32_t ERROR_NO_UNICODE_TRANSLATION = 1113;

// The code of the last failure on this thread. Successful calls do not clear it, as on Windows.
uint32_t GetLastError();
void SetLastError(uint32_t code);

} // namespace textcore
