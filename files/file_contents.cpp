// Classification of file contents.
#include "files/file_contents.h"

#include "core/bare_assemb.h"
#include "core/yield.h"
#include "files/folder_tests.h"
#include "files/utf8_checks.h"
#include "platform/exceptions.h"
#include "platform/file_names.h"
#include "platform/text_unicode.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace textcore {

namespace {

constexpr size_t kBlock = 1 << 16; // a multiple of 4, so block sums add up to the file's

// A regular file opened for reading; -1 for anything else (a FIFO never blocks the open).
int OpenRegular(const String &file_name) {
  const std::string bytes = FileNameToBytes(file_name);
  if (bytes.empty() || bytes.find('\0') != std::string::npos)
    return -1;
  const int fd = open(bytes.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  struct stat st {};
  if (fd >= 0 && (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))) {
    close(fd);
    return -1;
  }
  return fd;
}

// Up to count bytes from the start of fd; -1 on a read error.
int64_t ReadPrefix(int fd, uint8_t *into, int64_t count) {
  int64_t done = 0;
  while (done < count) {
    const ssize_t got = read(fd, into + done, static_cast<size_t>(count - done));
    if (got < 0 && errno == EINTR)
      continue;
    if (got < 0)
      return -1;
    if (got == 0)
      break;
    done += got;
  }
  return done;
}

uint32_t Word32(const uint8_t *b) {
  return static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) |
         (static_cast<uint32_t>(b[2]) << 16) | (static_cast<uint32_t>(b[3]) << 24);
}

TFileContentsSet Thorough(const uint8_t *b, int64_t size) {
  if ((size & 1) == 0) {
    if ((b[0] == 0xFF && b[1] == 0xFE) || (b[0] == 0xFE && b[1] == 0xFF))
      return TFileContentsSet{b[0] == 0xFE ? _16_bit_reversed : _16_bit};
    if (IsTextUnicode(b, size))
      return TFileContentsSet{_16_bit};
    if (IsTextUnicodeReversed(b, size))
      return TFileContentsSet{_16_bit_reversed};
  }
  if (b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF)
    return TFileContentsSet{_UTF8};
  const auto *text = reinterpret_cast<const char *>(b);
  const size_t until_nul =
      static_cast<size_t>(std::find(b, b + size, uint8_t{0}) - b); // an 8-bit string ends there
  bool all_single = true;
  if (CheckedUTF(std::string_view(text, until_nul), all_single) && !all_single)
    return TFileContentsSet{_UTF8};
  return all_single ? TFileContentsSet{_8_bit} : TFileContentsSet{};
}

} // namespace

TFileContentsSet FileBufferType(const void *buffer, int64_t size, bool thorough) {
  if (buffer == nullptr || size < 4)
    return {};
  const auto *b = static_cast<const uint8_t *>(buffer);
  switch (Word32(b)) {
  case 0xE011CFD0:
    return {_Storage};
  case 0x002DA5DB:
    return {_early_Word};
  case 0x04034B50:
    return {_Zip};
  default:
    break;
  }
  if (thorough)
    return Thorough(b, size);
  TFileContentsSet set;
  if (b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF)
    set.Include(_UTF8);
  if (b[0] == 0xFE && b[1] == 0xFF)
    set.Include(_16_bit_reversed);
  else if (b[0] == 0xFF && b[1] == 0xFE)
    set.Include(_16_bit);
  else
    set.Include(_8_bit);
  return set;
}

TFileContentsSet FileContentsType(const String &file_name, bool thorough) {
  const int fd = OpenRegular(file_name);
  if (fd < 0)
    return {};
  std::vector<uint8_t> prefix(thorough ? kThoroughPrefixBytes : 4);
  const int64_t got = ReadPrefix(fd, prefix.data(), static_cast<int64_t>(prefix.size()));
  close(fd);
  return got < 4 ? TFileContentsSet{} : FileBufferType(prefix.data(), got, thorough);
}

int32_t FileContentsComparison(TFileContentsSet a, TFileContentsSet b) {
  const uint8_t x = a.Bytes()[0], y = b.Bytes()[0];
  return x < y ? -1 : x > y ? 1 : 0;
}

bool StringIsInUnicode(const void *buffer, int64_t size) {
  if (buffer == nullptr || size < 4)
    return false;
  return UnicodeSigned(buffer) || IsTextUnicode(buffer, size);
}

bool TextFileInUnicode(const String &file_name) {
  const int fd = OpenRegular(file_name);
  if (fd < 0)
    return false;
  std::vector<uint8_t> prefix(kTextUnicodeWindow);
  const int64_t got = ReadPrefix(fd, prefix.data(), kTextUnicodeWindow);
  close(fd);
  return got > 0 && StringIsInUnicode(prefix.data(), got);
}

uint32_t CheckSumOfAFile(const String &file_name) {
  if (!DriveAndFileExist(file_name))
    return 0;
  const int fd = OpenRegular(file_name);
  if (fd < 0)
    RaiseLastOSError();
  std::vector<uint8_t> block(kBlock);
  uint32_t sum = 0;
  while (true) {
    const int64_t got = ReadPrefix(fd, block.data(), static_cast<int64_t>(kBlock));
    if (got < 0) {
      const int error = errno;
      close(fd);
      RaiseLastOSError(error);
    }
    sum += My4Checksum(block.data(), static_cast<int32_t>(got));
    if (got < static_cast<int64_t>(kBlock))
      break;
    MyYieldProcess();
  }
  close(fd);
  return sum;
}

} // namespace textcore
