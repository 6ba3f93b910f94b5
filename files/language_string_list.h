// A string list that knows the language of its strings and whether to save them as UTF-16.
#pragma once

#include "platform/nls_locale_ids.h"
#include "platform/string_list.h"

#include <cstdint>

namespace textcore {

class TLanguageStringlist : public TStringList {
public:
  explicit TLanguageStringlist(LCID language) : Language(language) {}

  LCID Language;
  bool SaveUnicode = true;
};

} // namespace textcore
