// The per-thread last error code of the national-language calls.
#include "platform/nls_last_error.h"

namespace textcore {

namespace {
thread_local uint32_t last_error = ERROR_SUCCESS;
} // namespace

uint32_t GetLastError() { return last_error; }

void SetLastError(uint32_t code) { last_error = code; }

} // namespace textcore
