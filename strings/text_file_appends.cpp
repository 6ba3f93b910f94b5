#include "strings/text_file_appends.h"

#include "platform/file_names.h"
#include "platform/nls_code_pages.h"
#include "platform/streams.h"

#include <bit>
#include <memory>
#include <sys/stat.h>

static_assert(std::endian::native == std::endian::little, "UTF-16 is written as it is held");

namespace textcore {

namespace {

// Opens filename at its end, making it when it does not exist; writes nothing. Raises the
// stream's errors.
std::unique_ptr<TFileStream> OpenAtEnd(const String &filename) {
  struct stat status {};
  const bool exists = stat(FileNameToBytes(filename).c_str(), &status) == 0;
  auto stream = std::make_unique<TFileStream>(filename, exists ? fmOpenWrite : fmCreate);
  stream->Seek(0, soEnd);
  return stream;
}

template <typename Write> bool Appended(const String &filename, Write &&write) {
  try {
    const std::unique_ptr<TFileStream> stream = OpenAtEnd(filename);
    write(*stream);
    return true;
  } catch (const std::exception &) {
    return false;
  }
}

} // namespace

bool AddToFileOfChar(const String &filename, StringView text) {
  return Appended(filename, [&](TFileStream &stream) {
    static constexpr unsigned char kMark[] = {0xFF, 0xFE};
    if (stream.Position() == 0)
      stream.WriteBuffer(kMark, sizeof kMark);
    stream.WriteBuffer(text.data(), static_cast<int64_t>(text.size() * sizeof(char16_t)));
  });
}

bool AnsiAppendToTextFile(const String &filename, const TStringList &lines) {
  AnsiString bytes;
  for (int32_t i = 0; i < lines.Count(); ++i)
    bytes += StringToAnsi(lines.Strings(i)) + "\r\n";
  return Appended(filename, [&](TFileStream &stream) {
    stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  });
}

bool UnicodeAppendToTextFile(const String &filename, const TStringList &lines) {
  return AddToFileOfChar(filename, lines.Text());
}

} // namespace textcore
