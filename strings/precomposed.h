// Composing decomposed text: each base character with its following combining marks becomes the
// precomposed character where Unicode has one (canonical composition), so that word tests by
// category see one letter where a keyboard or a file gave a letter and an accent.
#pragma once

#include "platform/strings.h"

namespace textcore {

// s in composed form. The result can be longer than s: a few characters that Unicode never keeps
// precomposed come apart. A failure of the folding service for an invalid parameter, a short
// buffer or invalid flags raises EOSError; any other failure gives s unchanged.
String EnsurePrecomposed(StringView s);

} // namespace textcore
