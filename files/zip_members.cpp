// Member texts through TZipArchive and the text decoding of files.
#include "files/zip_members.h"

#include "files/text_decoding.h"
#include "files/zip_names.h"
#include "platform/encoding.h"
#include "platform/file_ops.h"
#include "platform/nls_code_pages.h"
#include "platform/string_list.h"
#include "platform/zip_archive.h"

namespace textcore {

namespace {

String Decoded(const std::string &bytes) {
  String text;
  ReadTextOfBytes(bytes, GetACP(), true, text);
  return text;
}

} // namespace

std::string BytesOfFileWithinZipFile(const String &ZipFileName, int32_t N) {
  TZipArchive archive;
  archive.OpenArchive(ZipFileName);
  return archive.ExtractToString(static_cast<int64_t>(N) - 1);
}

std::string BytesOfFileWithinZipFile(const String &CompositeName) {
  TZipArchive archive;
  archive.OpenArchive(ZipFileFullFileName(CompositeName));
  return archive.ExtractToString(ZipFileWantedFileNameWithin(CompositeName));
}

String ContentsOfFileWithinZipFile(const String &ZipFileName, int32_t N) {
  return Decoded(BytesOfFileWithinZipFile(ZipFileName, N));
}

String ContentsOfFileWithinZipFile(const String &CompositeName) {
  return Decoded(BytesOfFileWithinZipFile(CompositeName));
}

String OpenedAZipFileToTempDir(const String &ZipFileName, int32_t N) {
  const String path = SuiteTempFolder() + u"tempzip.txt";
  TZipArchive archive;
  archive.OpenArchive(ZipFileName);
  if (N >= 1 && N <= archive.GetEntryCount()) {
    TStringList lines;
    lines.SetText(Decoded(archive.ExtractToString(N - 1)));
    lines.SaveToFile(path, TEncoding::Unicode());
  }
  return path;
}

} // namespace textcore
