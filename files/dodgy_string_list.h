// TPossiblyDodgyTextStringlist: a string list that repairs UTF-8 read as 8-bit text. A UTF-8 file
// without a signature loads as 8-bit text in the default code page; when the bytes that text came
// from are legal UTF-8 throughout, with at least one multi-byte sequence, the list decodes them as
// UTF-8 instead. Text that merely might be UTF-8 ("né à" in Latin-1) stays as it was.
#pragma once

#include "platform/string_list.h"

namespace textcore {

class TPossiblyDodgyTextStringlist : public TStringList {
public:
  TPossiblyDodgyTextStringlist() = default;

  // Opens the file denying others write access while it is read.
  void LoadFromFile(const String &FileName);

protected:
  // Lines end at CR, LF or CR LF; a zero character ends the text.
  void SetTextStr(const String &Value) override;
};

} // namespace textcore
