// The name of a help topic from its number, read from the help file's list of topics: lines of
// the form "TopicName = 1310".
#pragma once

#include "platform/strings.h"

#include <cstdint>

namespace dialogkit {

// Looks through file_name, line by line, for the first line that holds "=" followed (after
// blanks) by the digits of number; Name receives that line's first word, up to a blank or the
// "=". True when a line matched; otherwise, and when the file cannot be read, Name is unchanged.
bool NameFromNumber(int32_t number, const textcore::String &file_name, textcore::String &Name);

} // namespace dialogkit
