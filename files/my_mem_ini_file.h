// TMyMemIniFile: the suite's settings file. A TMemIniFile whose Booleans are the words "YES" and
// "NO", saved as UTF-16 little-endian with the mark FF FE whatever it was read in, and which can
// keep a copy of itself beside it.
#pragma once

#include "platform/mem_ini_file.h"
#include "platform/strings.h"

namespace textcore {

inline constexpr StringView ident_YES = u"YES";
inline constexpr StringView ident_NO = u"NO";

class TMyMemIniFile : public TMemIniFile {
public:
  explicit TMyMemIniFile(const String &FileName);

  // Writes "YES" or "NO".
  void WriteBool(const String &Section, const String &Ident, bool Value) override;
  // Only the first character counts, case included. With Default true a missing value is "YES"
  // and anything not starting with "Y" is false; with Default false a missing value is "NO" and
  // anything not starting with "N" is true. An empty value is false either way: the key is there
  // but says nothing, and nothing is no "yes".
  bool ReadBool(const String &Section, const String &Ident, bool Default) const override;

  // Copies the file, when it has a name and exists, to the same name with the extension ".BAK"
  // (replacing an older copy); true when the copy is made.
  bool SaveABackup();
};

} // namespace textcore
