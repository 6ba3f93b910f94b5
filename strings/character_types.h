// The character-type query of the string functions: the Windows classes (alpha, upper, lower,
// digit, space, punctuation, control, blank, hex digit) of a run of wide or 8-bit text, into a
// growable array of one flag word per character.
#pragma once

#include "platform/nls_locale_ids.h"

#include <cstdint>
#include <vector>

namespace textcore {

// Fills types with the classes of count characters of text (UTF-16 when wide, else 8-bit in the
// locale's ANSI code page) for info_type CT_CTYPE1 or CT_CTYPE2 (wide text only); types gets
// exactly count entries. count -1 means zero-terminated, terminator included. False, with types
// emptied, for a missing text, a count of 0 or below -1, or another info_type.
bool GetStringTypeExNT2000(bool wide, LCID locale, uint32_t info_type, const void *text,
                           int32_t count, std::vector<uint16_t> &types);

} // namespace textcore
