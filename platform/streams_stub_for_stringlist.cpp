// Temporary stand-in for the parts of platform/streams.h that string lists call, until the real
// streams land. Removed before merging.
#include "platform/streams.h"

#include "platform/exceptions.h"
#include "platform/file_names.h"

#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

namespace textcore {

void TStream::ReadBuffer(void *buffer, int64_t count) {
  if (count != 0 && Read(buffer, count) != count)
    throw EReadError(std::string_view("Stream read error"));
}

void TStream::WriteBuffer(const void *buffer, int64_t count) {
  if (count != 0 && Write(buffer, count) != count)
    throw EWriteError(std::string_view("Stream write error"));
}

int64_t TStream::Size() {
  const int64_t position = Seek(0, soCurrent);
  const int64_t size = Seek(0, soEnd);
  Seek(position, soBeginning);
  return size;
}

TFileStream::TFileStream(const String &file_name, uint16_t mode) : fFileName(file_name) {
  const std::string path = FileNameToBytes(file_name);
  fHandle = mode == fmCreate ? open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666)
                             : open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fHandle < 0)
    throw EFOpenError(u"Cannot open file \"" + file_name + u"\". " + SysErrorMessage(errno));
}

TFileStream::~TFileStream() {
  if (fHandle >= 0)
    close(fHandle);
}

int64_t TFileStream::Read(void *buffer, int64_t count) {
  int64_t done = 0;
  while (done < count) {
    const ssize_t n = read(fHandle, static_cast<char *>(buffer) + done, count - done);
    if (n <= 0)
      break;
    done += n;
  }
  return done;
}

int64_t TFileStream::Write(const void *buffer, int64_t count) {
  const ssize_t n = write(fHandle, buffer, count);
  return n < 0 ? 0 : n;
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
  const int whence = origin == soBeginning ? SEEK_SET : origin == soCurrent ? SEEK_CUR : SEEK_END;
  return lseek(fHandle, offset, whence);
}

void TFileStream::SetSize(int64_t new_size) {
  if (ftruncate(fHandle, new_size) != 0)
    throw EWriteError(std::string_view("Stream write error"));
}

int64_t TMemoryStream::Read(void *buffer, int64_t count) {
  const int64_t n = std::clamp<int64_t>(Size() - fPosition, 0, count);
  if (n > 0)
    std::memcpy(buffer, fData.data() + fPosition, static_cast<size_t>(n));
  fPosition += n;
  return n;
}

int64_t TMemoryStream::Write(const void *buffer, int64_t count) {
  if (fPosition + count > Size())
    fData.resize(static_cast<size_t>(fPosition + count));
  if (count > 0)
    std::memcpy(fData.data() + fPosition, buffer, static_cast<size_t>(count));
  fPosition += count;
  return count;
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
  const int64_t base = origin == soBeginning ? 0 : origin == soCurrent ? fPosition : Size();
  fPosition = base + offset;
  return fPosition;
}

void TMemoryStream::SetSize(int64_t new_size) {
  fData.resize(static_cast<size_t>(new_size));
  fPosition = std::min(fPosition, new_size);
}

void SaveBytesToFile(const String &file_name, const void *bytes, size_t count) {
  const std::string path = FileNameToBytes(file_name);
  const std::string temporary = path + ".tmp-stringlist";
  const int handle = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (handle < 0)
    throw EFCreateError(u"Cannot create file \"" + file_name + u"\".");
  const bool written = write(handle, bytes, count) == static_cast<ssize_t>(count);
  close(handle);
  if (!written || rename(temporary.c_str(), path.c_str()) != 0) {
    unlink(temporary.c_str());
    throw EFCreateError(u"Cannot create file \"" + file_name + u"\".");
  }
}

} // namespace textcore
