// Simple markup tags: turning a closing tag into its opening one and back, numbering a tag, and
// the text between "<name>" and "</name>".
#pragma once

#include "platform/strings.h"

#include <cstdint>

namespace textcore {

// The first "</" made "<": "</s>" gives "<s>".
String TagSwitchedOn(StringView tag);
// "/" put after a leading "<": "<s>" gives "</s>"; a tag not starting with "<" (and "") stays.
String TagSwitchedOff(StringView tag);
// When tag ends with ">", a space and n in double quotes go just before it: "<s>" and 5 give
// '<s "5">'; any other tag stays.
String TagOnNumbered(StringView tag, int32_t n);
// The text between "<name>" and the first "</name>" after it; found tells whether both came in
// that order ("" when not).
String SimpleTagValue(StringView name, StringView s, bool &found);
String TrimmedSimpleTagValue(StringView name, StringView s, bool &found);

} // namespace textcore
