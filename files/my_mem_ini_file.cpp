// TMyMemIniFile.
#include "files/my_mem_ini_file.h"

#include "platform/encoding.h"
#include "platform/file_names.h"
#include "platform/file_ops.h"

namespace textcore {

TMyMemIniFile::TMyMemIniFile(const String &FileName) : TMemIniFile(FileName) {
  SetEncoding(TEncoding::Unicode());
}

void TMyMemIniFile::WriteBool(const String &Section, const String &Ident, bool Value) {
  WriteString(Section, Ident, String(Value ? ident_YES : ident_NO));
}

bool TMyMemIniFile::ReadBool(const String &Section, const String &Ident, bool Default) const {
  const String value = ReadString(Section, Ident, String(Default ? ident_YES : ident_NO));
  if (value.empty())
    return false;
  return Default ? value[0] == ident_YES[0] : value[0] != ident_NO[0];
}

bool TMyMemIniFile::SaveABackup() {
  if (FileName().empty() || !FileExists(FileName()))
    return false;
  return CopyFileKeepingTime(FileName(), ChangeFileExt(FileName(), u".BAK"), false);
}

} // namespace textcore
