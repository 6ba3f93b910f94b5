// Reports the result code of starting a program or opening a document.
#pragma once

#include "platform/strings.h"

#include <cstdint>

namespace textcore {

// Codes below 32 are failures: each is shown in a message box (empty caption, OK only) that
// names Name; 32 and above mean success and show nothing. Returns Code unchanged, for the caller
// to test.
uint32_t CheckExec(uint32_t Code, const String &Name);

} // namespace textcore
