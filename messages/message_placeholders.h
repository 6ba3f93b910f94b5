// The placeholders of a Format pattern, as the arguments they read.
//
// A message's placeholders are its contract with the code that fills it, so a translated text is
// accepted only when it reads the same arguments as the built-in one, each as the same kind.
// Width and precision may differ; order may change through an index ("%1:s ... %0:s").
#pragma once

#include "platform/strings.h"

#include <cstdint>
#include <vector>

namespace textcore {

enum TPlaceholderKind : uint8_t { pkUnused, pkString, pkInteger, pkFloat, pkPointer };

// Sets kinds[i] to the kind that argument i is read as (pkUnused when the pattern skips it).
// False when a specifier is malformed, reads one argument as two kinds, or has an index, width
// or precision of more than three digits (a huge width would make Format build a huge string).
bool ReadPlaceholders(StringView pattern, std::vector<TPlaceholderKind> &kinds);

// True when both patterns are well formed and read the same arguments as the same kinds.
bool SamePlaceholders(StringView a, StringView b);

} // namespace textcore
