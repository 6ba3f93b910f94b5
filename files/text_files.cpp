// Text-file conversion, reading, writing and insertion.
#include "files/text_files.h"

#include "files/file_contents.h"
#include "files/file_dates.h"
#include "files/folder_tests.h"
#include "platform/encoding.h"
#include "platform/exceptions.h"
#include "platform/nls_code_pages.h"
#include "platform/safe_file_writer.h"
#include "platform/streams.h"

namespace textcore {

namespace {

// The file's bytes up to the first zero byte, with every line ended by CR LF, as a string list
// loading 8-bit text gives them back.
std::string NormalisedLines(const std::string &raw) {
  const std::string_view bytes(raw.data(), std::min(raw.find('\0'), raw.size()));
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 32 + 2);
  for (size_t i = 0; i < bytes.size();) {
    const size_t end = std::min(bytes.find_first_of("\r\n", i), bytes.size());
    out.append(bytes.substr(i, end - i));
    out += "\r\n";
    i = end;
    if (i < bytes.size() && bytes[i] == '\r')
      ++i;
    if (i < bytes.size() && bytes[i] == '\n')
      ++i;
  }
  return out;
}

std::string FileBytes(const String &file_name) {
  TFileStream stream(file_name, fmOpenRead | fmShareDenyWrite);
  std::string bytes(static_cast<size_t>(stream.Size()), '\0');
  stream.ReadBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  return bytes;
}

void SaveUnicode(const String &file_name, StringView text) {
  TSafeFileWriter writer(file_name);
  writer.WriteBuffer("\xFF\xFE", 2);
  writer.WriteBuffer(text.data(), static_cast<int64_t>(text.size() * sizeof(char16_t)));
  writer.Commit();
}

String Decoded(std::string_view bytes, uint32_t code_page, uint32_t flags) {
  if (bytes.empty())
    return String();
  String text(bytes.size() * 2, u'\0');
  const int32_t made =
      MultiByteToWideChar(code_page, flags, bytes.data(), static_cast<int32_t>(bytes.size()),
                          text.data(), static_cast<int32_t>(text.size()));
  text.resize(static_cast<size_t>(std::max(made, 0)));
  return text;
}

} // namespace

bool ConvertATextFileAnsiToUTF16(const String &file_name, LCID lcid) {
  if (!DriveAndFileExist(file_name))
    return false;
  if (TextFileInUnicode(file_name))
    return true;
  const std::string lines = NormalisedLines(FileBytes(file_name));
  String text;
  if (lines.starts_with("\xEF\xBB\xBF"))
    text = UTF8ToString(std::string_view(lines).substr(3));
  else if (!lines.empty())
    text = Decoded(lines, LCIDToCodePage(lcid), MB_PRECOMPOSED);
  SaveUnicode(file_name, text);
  return true;
}

String TextFileContents(const String &file_name) {
  if (!DriveAndFileExist(file_name))
    return String();
  TStringList list;
  list.LoadFromFile(file_name);
  return list.Text();
}

bool SavedTextAsStream(const String &text, const String &file_name) {
  if (text.empty())
    return false;
  SaveUnicode(file_name, text);
  return true;
}

namespace {

bool Inserted(const String &file_name, const String &text, bool backup, uint32_t position,
              bool wide) {
  try {
    if (backup)
      CopyAFileWithBackup(file_name);
    TStringList list;
    list.LoadFromFile(file_name);
    String whole = list.Text();
    if (wide) {
      const size_t at = position <= 1 ? 0 : std::min<size_t>(position - 1, whole.size());
      whole.insert(at, text);
    } else {
      Insert(text, whole, static_cast<int32_t>(std::min<uint32_t>(position, INT32_MAX)));
    }
    list.SetText(whole);
    list.SaveToFile(file_name, wide ? TEncoding::Unicode() : list.Encoding());
    return true;
  } catch (const std::exception &) {
    return false;
  }
}

} // namespace

bool InsertIntoFileW(const String &file_name, const String &text, bool backup, uint32_t position) {
  return Inserted(file_name, text, backup, position, true);
}

bool InsertIntoFileA(const String &file_name, const String &text, bool backup, uint32_t position) {
  return Inserted(file_name, text, backup, position, false);
}

} // namespace textcore
