// TFolderful: the getters, the rename of an item's file, and the saved form.
#include "files/folderful.h"

#include "core/stream_codec.h"
#include "files/peruse_dir.h"
#include "messages/message_names.h"
#include "platform/exceptions.h"
#include "platform/file_names.h"
#include "platform/file_ops.h"
#include "platform/format.h"

namespace textcore {

namespace {

[[noreturn]] void RaiseReadError() {
  throw EReadError(Format(_QMFileReadError, u"TFolderful.ReadFromStream"));
}

template <typename T> T ReadField(TStream &stream) {
  T value{};
  if (ReadFully(stream, &value, sizeof value) != sizeof value)
    RaiseReadError();
  return value;
}

template <typename T> void WriteField(TStream &stream, T value) {
  stream.WriteBuffer(&value, sizeof value);
}

} // namespace

TFolderful::TFolderful(const String &DirName)
    : fThisList(std::make_unique<TMySearchRecList>()),
      fDirname(IncludeTrailingPathDelimiter(DirName)) {}

void TFolderful::SetDirName(const String &Value) { fDirname = IncludeTrailingPathDelimiter(Value); }

void TFolderful::FillList(TPeruseDir *PeruseDir) {
  if (PeruseDir != nullptr)
    PeruseDir->HandleAllFilesIn(fDirname, fThisList.get());
  else
    fThisList->Clear();
}

void TFolderful::SetCurrentSort(TMySearchRecSort Sort) {
  fThisList->SetSort(Sort);
  fSort = Sort;
}

bool TFolderful::SaveToStream(TStream &Stream) const {
  WriteField<uint8_t>(Stream, fSort);
  WriteField(Stream, fstarts);
  WriteField(Stream, fends);
  WriteField(Stream, fdirnum);
  WriteAString(Stream, fDirname);
  return fThisList->SaveToStream(Stream);
}

bool TFolderful::ReadFromStream(TStream &Stream) {
  const auto sort = ReadField<uint8_t>(Stream);
  if (sort > kLastMySearchRecSort)
    RaiseReadError();
  const auto starts = ReadField<int32_t>(Stream);
  const auto ends = ReadField<int32_t>(Stream);
  const auto dirnum = ReadField<int32_t>(Stream);
  const String dirname = ReadAString(Stream, kMaxShortNameLength);
  if (dirname.empty())
    RaiseReadError();
  TMySearchRecList read;
  read.ReadFromStream(Stream);
  // Everything has been read: only now does the folderful change.
  fSort = static_cast<TMySearchRecSort>(sort);
  fstarts = starts;
  fends = ends;
  fdirnum = dirnum;
  fDirname = IncludeTrailingPathDelimiter(dirname);
  fThisList->Clear();
  for (int32_t i = 0; i < read.Count(); ++i)
    fThisList->AddARec(read.Holders(i)->data);
  return true;
}

String TFolderful::fGetAShortName(int32_t Index) const {
  return InRange(Index) ? fThisList->Holders(Index)->data.ShortName : String();
}

String TFolderful::fGetAFullname(int32_t Index) const {
  return InRange(Index) ? fDirname + fThisList->Holders(Index)->data.ShortName : String();
}

TMySearchRec TFolderful::fGetASearchRec(int32_t Index) const {
  return fThisList->GetAMySearchRec(Index);
}

int32_t TFolderful::GetAFileSize(int32_t Index) const {
  return InRange(Index) ? fThisList->Holders(Index)->data.Size : -1;
}

bool TFolderful::fGetIsZipfile(int32_t Index) const {
  return InRange(Index) && fThisList->Holders(Index)->data.Number_Within_Zip > 0;
}

void TFolderful::fSetAFullName(int32_t Index, const String &NewFullName) {
  if (!InRange(Index))
    return;
  TMySearchRec &item = fThisList->Holders(Index)->data;
  const String old_name = fDirname + item.ShortName;
  if (ExpandFileName(NewFullName) == ExpandFileName(old_name))
    return;
  const String new_short = ExtractFileName(NewFullName);
  // The item keeps only a name within this folder, so a file moved elsewhere would be lost to
  // it; a member lives inside its archive and has no file of its own to rename.
  const bool in_this_folder = !new_short.empty() && ExpandFileName(ExtractFilePath(NewFullName)) ==
                                                        ExpandFileName(fDirname);
  if (item.Number_Within_Zip > 0 || !in_this_folder || !RenameFile(old_name, NewFullName))
    throw Exception(Format(u"cannot rename %s", old_name));
  item.ShortName = new_short;
}

} // namespace textcore
