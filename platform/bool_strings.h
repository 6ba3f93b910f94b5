// The framework's words for Booleans: the lists of words that mean true and false, which
// StrToBool reads and BoolToStr writes when asked to.
//
// The lists start empty, which counts as the one word each of "True" and "False"; textcore's
// start-up puts the catalogue's "Yes" and "true" (and "No" and "false") into them.
#pragma once

#include "platform/strings.h"

#include <vector>

namespace textcore {

std::vector<String> &TrueBoolStrs();
std::vector<String> &FalseBoolStrs();

// "-1" or "0"; with UseBoolStrs the first word of the list for B.
String BoolToStr(bool B, bool UseBoolStrs = false);
// A number (any but 0 is true), or one of the words of either list, case ignored under the
// user's locale. False for anything else.
bool TryStrToBool(StringView S, bool &Value);
// Raises EConvertError "'%s' is not a valid boolean value" where TryStrToBool fails.
bool StrToBool(StringView S);

} // namespace textcore
