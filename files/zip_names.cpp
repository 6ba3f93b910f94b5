// Telling archive names and member names apart.
#include "files/zip_names.h"

#include "platform/file_names.h"
#include "platform/file_ops.h"

namespace textcore {

namespace {

constexpr StringView kZip = u".zip";

// The length of the archive's part of Name, or 0 when there is none.
size_t ArchivePartLength(const String &Name) {
  const String lower = LowerCase(Name);
  for (size_t at = lower.find(kZip); at != String::npos; at = lower.find(kZip, at + 1)) {
    const size_t end = at + kZip.size();
    if (end < Name.size() && IsPathDelimiter(Name[end]) && FileExists(Name.substr(0, end)))
      return end;
  }
  return 0;
}

} // namespace

bool IsZipExtension(StringView Ext) { return LowerCase(Ext) == kZip; }

bool IsAZipFile(StringView Name) { return IsZipExtension(ExtractFileExt(Name)); }

bool IsWithinAZipFile(const String &Name) {
  return !FileExists(Name) && ArchivePartLength(Name) > 0;
}

String ZipFileFullFileName(const String &Name) { return Name.substr(0, ArchivePartLength(Name)); }

String ZipFileWantedFileNameWithin(const String &Name) {
  const size_t length = ArchivePartLength(Name);
  return length > 0 ? Name.substr(length + 1) : String();
}

} // namespace textcore
