// The word forms joined to a key word as a lemma: a string list with no objects, in the order the
// forms were joined. Its stream form belongs to the saved key-word lists, not to the statistics.
#pragma once

#include "platform/string_list.h"

namespace unidisplay {

class TMyStreamableStringlist : public textcore::TStringList {
public:
  TMyStreamableStringlist() = default;
};

} // namespace unidisplay
