// The language holders' setters and the name list's clean-up.
#include "search/language_holders.h"

#include "core/fixed_char_array_text.h"

namespace textcore {

bool TQMDefinedLanguageHolder::SetAllowables(StringView text) {
  StringToWideArray(text, data.allowable_middle_letters);
  return true;
}

bool TQMDefinedLanguageHolder::SetWinFontName(StringView name) {
  StringToWideArray(name, data.new_win_font.fontname);
  return true;
}

bool TQMDefinedLanguageHolder::SetWinFontSize(uint8_t size) {
  data.new_win_font.fontsize = size;
  return true;
}

bool TQMDefinedLanguageHolder::SetCustomLanguage(bool flag) {
  data.custom_language = flag ? 1 : 0;
  return true;
}

bool TQMDefinedLanguageHolder::SetPreference(lang_preference_type value) {
  data.preference = value;
  return true;
}

bool TQMDefinedLanguageHolder::SetHyphenBreaks(bool flag) {
  data.hyphen_breaks_word = flag ? 1 : 0;
  return true;
}

TListOfAllNamesStringlist::~TListOfAllNamesStringlist() {
  // Detach before freeing, so that a list that also owns its objects does not free them twice.
  for (int32_t i = 0; i < Count(); ++i) {
    TObject *carried = Objects(i);
    PutObject(i, nullptr);
    delete carried;
  }
}

} // namespace textcore
