// The runtime's version, as the libraries were built.
#pragma once

#include "platform/strings.h"

namespace textcore {

// "major.minor.patch" of the installed runtime.
String QuillmarkVersion();

} // namespace textcore
