// Recognising saved list files; see list_files.h.
#include "definitions/list_files.h"

#include "definitions/list_extensions.h"
#include "definitions/list_signature.h"
#include "definitions/old_list_signature.h"
#include "files/folder_tests.h"
#include "platform/exceptions.h"
#include "platform/streams.h"
#include "platform/zip_archive.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace textcore {

namespace {

// Reads the first count bytes of a regular file that is longer than least_size. Opening with
// every kind of sharing allowed: another tool may have the list open.
bool ReadFileStart(const String &FileName, int64_t least_size, void *buffer, int32_t count) {
  if (!DriveAndFileExist(FileName))
    return false;
  TFileStream stream(FileName, fmOpenRead | fmShareDenyNone);
  try {
    if (stream.Size() <= least_size)
      return false;
    return ReadFully(stream, buffer, count) == count;
  } catch (const EStreamError &) {
    return false;
  }
}

} // namespace

bool ReadListFileHeader(const String &FileName, TCheckSignature &Sig) {
  return ReadFileStart(FileName, kCheckSignatureSize, &Sig, kCheckSignatureSize);
}

bool IsAQuillmark32BitFile(TQMStored_File_rec &Rec) {
  Rec.ListType = lt_none_in_use;
  TCheckSignature sig;
  if (!ReadListFileHeader(Rec.filename, sig) || !HasSignatureText(sig) ||
      sig.signature != CurrentSignature[current_tool_var])
    return false;
  Rec.ListType = DiskFileType(sig);
  return true;
}

bool IsAQuillmark32BitFile(TQMStored_File_rec &Rec, tool_type &Tool) {
  Rec.ListType = lt_none_in_use;
  Tool = tt_no_tool;
  TCheckSignature sig;
  if (!ReadListFileHeader(Rec.filename, sig) || !HasSignatureText(sig))
    return false;
  Tool = ToolTypeFromSignature(sig.signature);
  Rec.ListType = DiskFileType(sig);
  return Tool != tt_no_tool;
}

bool WasAQuillmark32BitFile(TQMStored_File_rec &Rec) {
  Rec.ListType = lt_none_in_use;
  TCheckSignature sig;
  if (!ReadListFileHeader(Rec.filename, sig) || !HasSignatureText(sig))
    return false;
  const int32_t current = CurrentSignature[current_tool_var];
  if (sig.signature >= 35 && sig.signature <= current)
    Rec.ListType = DiskFileType(sig);
  return sig.signature >= 35 && sig.signature < current;
}

bool IsAnOldQuillmarkFile(TQMStored_File_rec &Rec) {
  Rec.ListType = lt_none_in_use;
  std::array<uint8_t, kOldHeaderSize> header{};
  return ReadFileStart(Rec.filename, kOldHeaderSize, header.data(), kOldHeaderSize) &&
         ListTypeFromOldHeader(header, Rec.ListType);
}

bool IsABatchZipFileForListType(TQMStored_File_rec &Rec) {
  Rec.Number_within_Zipfile = 0;
  Rec.ListType = lt_none_in_use;
  TZipArchive archive;
  archive.OpenArchive(Rec.filename);
  bool holds_a_file = false;
  for (int64_t i = 0; i < archive.GetEntryCount() && !holds_a_file; ++i) {
    TZipEntry entry;
    holds_a_file = archive.ReadEntry(i, entry) && !entry.IsDirectory();
  }
  const String comment = archive.ArchiveComment();
  if (!holds_a_file || comment.size() <= batch_file_prefix.size() ||
      !StringView(comment).starts_with(batch_file_prefix))
    return false;
  const StringView ext = StringView(comment).substr(batch_file_prefix.size());
  for (int32_t i = 0; i < list_type_count; ++i) {
    const auto kind = static_cast<list_type>(i);
    if (SameText(ext, DefaultExtFromListType(kind))) {
      Rec.ListType = kind;
      Rec.Number_within_Zipfile = static_cast<int32_t>(std::min<int64_t>(
          archive.GetEntryCount(), INT32_MAX)); // zip64 can count past what the field holds
      break;
    }
  }
  return true;
}

} // namespace textcore
