// TStream, TFileStream, TMemoryStream and SaveBytesToFile over POSIX descriptors.
//
// Files are opened only when they are regular files, with the share mode taken as an advisory
// lock before anything is truncated, and are replaced whole through a temporary sibling.
#include "platform/streams.h"

#include "platform/exceptions.h"
#include "platform/file_names.h"
#include "platform/safe_file_writer.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <limits>
#include <new>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace textcore {

namespace {

// Copies move through a buffer of this size, whatever the count asked for.
constexpr int64_t kCopyChunk = 0xF000;
// One read(2) or write(2) never asks for more than this, well below SSIZE_MAX everywhere.
constexpr int64_t kMaxTransfer = int64_t{1} << 30;

[[noreturn]] void RaiseSeekBeforeStart(int64_t position) {
  throw EStreamError(u"Stream seek error: position " + IntToStr(position) +
                     u" is before the start");
}

[[noreturn]] void RaiseMemoryStreamError() {
  throw EStreamError(std::string_view("Out of memory while expanding memory stream"));
}

[[noreturn]] void RaiseFileError(bool create, const String &file_name, int error_code) {
  String reason = SysErrorMessage(error_code);
  if (create)
    throw EFCreateError(u"Cannot create file \"" + file_name + u"\". " + reason);
  throw EFOpenError(u"Cannot open file \"" + file_name + u"\". " + reason);
}

// The bytes for open(2); a name with an embedded NUL would silently name another file.
bool NameBytes(const String &file_name, std::string &bytes) {
  bytes = FileNameToBytes(file_name);
  return bytes.find('\0') == std::string::npos;
}

// Physical memory: a memory stream larger than this could only end in the system killing us.
int64_t PhysicalMemory() {
  static const int64_t bytes = [] {
    long pages = sysconf(_SC_PHYS_PAGES), page_size = sysconf(_SC_PAGESIZE);
    if (pages <= 0 || page_size <= 0)
      return std::numeric_limits<int64_t>::max();
    return static_cast<int64_t>(pages) * page_size;
  }();
  return bytes;
}

int FlockOperation(uint16_t share) {
  switch (share) {
  case fmShareDenyWrite:
    return LOCK_SH | LOCK_NB;
  case fmShareExclusive:
  case fmShareDenyRead:
    return LOCK_EX | LOCK_NB;
  default: // fmShareCompat, fmShareDenyNone
    return 0;
  }
}

int AccessFlags(uint16_t mode) {
  switch (mode & 0x0003) {
  case fmOpenWrite:
    return O_WRONLY;
  case fmOpenReadWrite:
    return O_RDWR;
  default:
    return O_RDONLY;
  }
}

// Opens without blocking (a FIFO would wait for a writer) and without truncating (a file that
// another holder has locked must survive); the caller checks the type and takes the lock.
int OpenDescriptor(const std::string &bytes, bool create, uint16_t mode) {
  int flags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
  flags |= create ? (O_RDWR | O_CREAT) : AccessFlags(mode);
  int fd;
  do
    fd = open(bytes.c_str(), flags, 0666);
  while (fd < 0 && errno == EINTR);
  return fd;
}

// Returns 0, or the errno value that refuses the open descriptor fd.
int PrepareDescriptor(int fd, bool create, uint16_t mode) {
  struct stat st;
  if (fstat(fd, &st) != 0)
    return errno;
  if (!S_ISREG(st.st_mode))
    return S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
  uint16_t share = mode & 0x00F0;
  if (create && share == fmShareCompat)
    share = fmShareExclusive;
  if (int operation = FlockOperation(share)) {
    int result;
    do
      result = flock(fd, operation);
    while (result != 0 && errno == EINTR);
    if (result != 0)
      return errno;
  }
  if (create && ftruncate(fd, 0) != 0)
    return errno;
  int flags = fcntl(fd, F_GETFL);
  if (flags < 0 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0)
    return errno;
  return 0;
}

} // namespace

// TStream ------------------------------------------------------------------------------------

void TStream::ReadBuffer(void *buffer, int64_t count) {
  if (count != 0 && Read(buffer, count) != count)
    throw EReadError(std::string_view("Stream read error"));
}

void TStream::WriteBuffer(const void *buffer, int64_t count) {
  if (count != 0 && Write(buffer, count) != count)
    throw EWriteError(std::string_view("Stream write error"));
}

int64_t TStream::Size() {
  int64_t position = Seek(0, soCurrent);
  int64_t size = Seek(0, soEnd);
  Seek(position, soBeginning);
  return size;
}

int64_t TStream::CopyFrom(TStream &source, int64_t count) {
  // A count of 0 (or below, as the framework read it) means all of source, from its start.
  if (count <= 0) {
    source.SetPosition(0);
    count = source.Size();
  }
  std::unique_ptr<uint8_t[]> buffer(new uint8_t[std::min(count, kCopyChunk) + 1]);
  for (int64_t left = count; left > 0;) {
    int64_t chunk = std::min(left, kCopyChunk);
    source.ReadBuffer(buffer.get(), chunk);
    WriteBuffer(buffer.get(), chunk);
    left -= chunk;
  }
  return count;
}

// TFileStream --------------------------------------------------------------------------------

TFileStream::TFileStream(const String &file_name, uint16_t mode) : fFileName(file_name) {
  const bool create = (mode & fmCreate) == fmCreate;
  std::string bytes;
  if (!NameBytes(file_name, bytes))
    RaiseFileError(create, file_name, EINVAL);
  int fd = OpenDescriptor(bytes, create, mode);
  if (fd < 0)
    RaiseFileError(create, file_name, errno);
  if (int error_code = PrepareDescriptor(fd, create, mode)) {
    close(fd);
    RaiseFileError(create, file_name, error_code);
  }
  fHandle = fd;
}

TFileStream::TFileStream(const String &file_name, TOpenHandle handle)
    : fFileName(file_name), fHandle(handle.handle) {}

TFileStream::~TFileStream() {
  if (fHandle >= 0)
    close(fHandle);
}

int64_t TFileStream::Read(void *buffer, int64_t count) {
  auto *out = static_cast<uint8_t *>(buffer);
  int64_t done = 0;
  while (done < count) {
    ssize_t got =
        read(fHandle, out + done, static_cast<size_t>(std::min(count - done, kMaxTransfer)));
    if (got < 0 && errno == EINTR)
      continue;
    if (got <= 0)
      break; // end of file, or an error that ReadBuffer reports as a short read
    done += got;
  }
  return done;
}

int64_t TFileStream::Write(const void *buffer, int64_t count) {
  const auto *in = static_cast<const uint8_t *>(buffer);
  int64_t done = 0;
  while (done < count) {
    ssize_t put =
        write(fHandle, in + done, static_cast<size_t>(std::min(count - done, kMaxTransfer)));
    if (put < 0 && errno == EINTR)
      continue;
    if (put <= 0)
      break;
    done += put;
  }
  return done;
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
  if (origin == soBeginning && offset < 0)
    RaiseSeekBeforeStart(offset);
  int whence = origin == soBeginning ? SEEK_SET : origin == soCurrent ? SEEK_CUR : SEEK_END;
  off_t position = lseek(fHandle, static_cast<off_t>(offset), whence);
  if (position < 0) {
    if (errno == EINVAL)
      RaiseSeekBeforeStart(offset);
    throw EStreamError(u"Stream seek error. " + SysErrorMessage(errno));
  }
  return position;
}

void TFileStream::SetSize(int64_t new_size) {
  if (new_size < 0)
    throw EStreamError(u"Stream size cannot be negative (" + IntToStr(new_size) + u")");
  int64_t position = Position();
  int result;
  do
    result = ftruncate(fHandle, static_cast<off_t>(new_size));
  while (result != 0 && errno == EINTR);
  if (result != 0)
    RaiseLastOSError();
  if (position > new_size)
    Seek(0, soEnd);
}

// TMemoryStream ------------------------------------------------------------------------------

namespace {

// Makes room for new_size bytes, doubling so that a run of small writes costs linear time.
void Reserve(std::vector<uint8_t> &data, int64_t new_size) {
  if (new_size < 0 || new_size > PhysicalMemory() ||
      static_cast<uint64_t>(new_size) > data.max_size())
    RaiseMemoryStreamError();
  if (static_cast<size_t>(new_size) <= data.capacity())
    return;
  size_t doubled = std::max<size_t>(data.capacity() * 2, 256);
  size_t limit = static_cast<size_t>(std::min<int64_t>(PhysicalMemory(), PTRDIFF_MAX));
  try {
    data.reserve(std::max(static_cast<size_t>(new_size), std::min(doubled, limit)));
  } catch (const std::bad_alloc &) {
    RaiseMemoryStreamError();
  } catch (const std::length_error &) {
    RaiseMemoryStreamError();
  }
}

} // namespace

int64_t TMemoryStream::Read(void *buffer, int64_t count) {
  int64_t available = Size() - fPosition;
  if (count <= 0 || available <= 0)
    return 0;
  int64_t n = std::min(count, available);
  std::memcpy(buffer, fData.data() + fPosition, static_cast<size_t>(n));
  fPosition += n;
  return n;
}

int64_t TMemoryStream::Write(const void *buffer, int64_t count) {
  if (count <= 0)
    return 0;
  if (count > std::numeric_limits<int64_t>::max() - fPosition)
    RaiseMemoryStreamError();
  const auto *in = static_cast<const uint8_t *>(buffer);
  const int64_t end = fPosition + count, size = Size();
  if (static_cast<uint64_t>(end) > fData.capacity())
    Reserve(fData, end);
  // Overwrite what lies within the data, then append the rest: appending is the common case
  // and costs no zero-filling.
  int64_t overlap = std::clamp<int64_t>(size - fPosition, 0, count);
  if (overlap > 0)
    std::memcpy(fData.data() + fPosition, in, static_cast<size_t>(overlap));
  if (fPosition > size)
    fData.resize(static_cast<size_t>(fPosition)); // zero-fills the gap of a seek past the end
  if (count - overlap <= 16) {
    // Room is reserved: a few bytes are stored in line rather than through a call to memmove.
    for (const uint8_t *p = in + overlap; p != in + count; ++p)
      fData.push_back(*p);
  } else {
    fData.insert(fData.end(), in + overlap, in + count);
  }
  fPosition = end;
  return count;
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
  int64_t base = origin == soBeginning ? 0 : origin == soCurrent ? fPosition : Size();
  if (offset > 0 && base > std::numeric_limits<int64_t>::max() - offset)
    throw EStreamError(std::string_view("Stream seek error: position out of range"));
  if (base + offset < 0)
    RaiseSeekBeforeStart(base + offset);
  fPosition = base + offset;
  return fPosition;
}

void TMemoryStream::SetSize(int64_t new_size) {
  if (new_size < 0)
    throw EStreamError(u"Stream size cannot be negative (" + IntToStr(new_size) + u")");
  Reserve(fData, new_size);
  fData.resize(static_cast<size_t>(new_size));
  if (fPosition > new_size)
    fPosition = new_size;
}

void TMemoryStream::Clear() {
  std::vector<uint8_t>().swap(fData);
  fPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream &stream) {
  stream.SetPosition(0);
  int64_t count = stream.Size();
  SetSize(count); // checks the size against memory before anything is allocated
  stream.ReadBuffer(fData.data(), count);
}

void TMemoryStream::LoadFromFile(const String &file_name) {
  TFileStream file(file_name, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(file);
}

void TMemoryStream::SaveToStream(TStream &stream) const {
  stream.WriteBuffer(fData.data(), static_cast<int64_t>(fData.size()));
}

void TMemoryStream::SaveToFile(const String &file_name) const {
  SaveBytesToFile(file_name, fData.data(), fData.size());
}

int64_t ReadFully(TStream &stream, void *buffer, int64_t count) {
  auto *at = static_cast<uint8_t *>(buffer);
  int64_t done = 0;
  while (done < count) {
    const int64_t got = stream.Read(at + done, count - done);
    if (got <= 0)
      break;
    done += got;
  }
  return done;
}

int64_t BytesLeft(TStream &stream) {
  try {
    const int64_t left = stream.Size() - stream.Position();
    return left >= 0 ? left : -1;
  } catch (const EStreamError &) {
    return -1;
  }
}

} // namespace textcore
