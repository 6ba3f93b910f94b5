// Holders that let a string list carry language records: a defined language with its version,
// an installed language's name and locale, and a list that frees what its entries carry.
#pragma once

#include "platform/object.h"
#include "platform/string_list.h"
#include "platform/strings.h"
#include "search/language_details.h"

#include <cstdint>

namespace textcore {

class TQMDefinedLanguageHolder : public TObject {
public:
  TQMDefinedLanguageHolder(const fixed_lang_details_rec32 &data, int32_t aVersionNumber)
      : versionNumber(aVersionNumber), data(data) {}

  // Each setter changes one field of data and returns true. Text is cut to the field's capacity
  // and the rest of the field is zero-filled.
  bool SetAllowables(StringView text);
  bool SetWinFontName(StringView name);
  bool SetWinFontSize(uint8_t size);
  bool SetCustomLanguage(bool flag);
  bool SetPreference(lang_preference_type value);
  bool SetHyphenBreaks(bool flag);

  int32_t versionNumber;
  fixed_lang_details_rec32 data;
};

struct TMyLangRec {
  String LangName;
  uint32_t FLCID = 0;
  bool IsInstalled = false;
};

class TMyLangRecHolder : public TObject {
public:
  explicit TMyLangRecHolder(const TMyLangRec &record) : data(record) {}
  TMyLangRec data;
};

// A list of language names whose entries may carry objects that the list owns: they are freed
// with the list.
class TListOfAllNamesStringlist : public TStringList {
public:
  ~TListOfAllNamesStringlist() override;
};

} // namespace textcore
