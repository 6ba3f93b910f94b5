// Named shared memory over shm_open and mmap; see shared_memory.h.
#include "platform/shared_memory.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace textcore {

namespace {

// The longest name a shared-memory object may have, its leading "/" left out.
constexpr size_t kNameMax = 255;
// How long an opener or closer waits for another one to finish: long enough for any open or
// close, short enough that a process stopped while holding the lock cannot hang the others.
constexpr std::chrono::seconds kLockWait{5};

std::string UserPrefix() { return "/quillmark." + std::to_string(geteuid()) + "."; }
// Apart from every map's name, which starts with UserPrefix().
std::string LockName() { return "/quillmark-lock." + std::to_string(geteuid()); }

uint64_t Fnv1a(const std::string &bytes) {
  uint64_t hash = 14695981039346656037ull;
  for (unsigned char c : bytes) {
    hash ^= c;
    hash *= 1099511628211ull;
  }
  return hash;
}

// A regular file of the effective user's own, which nobody else may read or write.
bool OwnedPrivately(int fd) {
  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != geteuid())
    return false;
  return (st.st_mode & 077) == 0 || fchmod(fd, 0600) == 0;
}

int64_t ObjectLength(int fd) {
  struct stat st {};
  return fstat(fd, &st) == 0 ? static_cast<int64_t>(st.st_size) : -1;
}

// Takes a lock, waiting a while for a holder of a conflicting one to let go.
bool LockWithin(int fd, int operation) {
  const auto give_up = std::chrono::steady_clock::now() + kLockWait;
  while (flock(fd, operation | LOCK_NB) != 0) {
    if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() > give_up)
      return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

// The user's open-close lock, held for the life of the object.
class OpenCloseLock {
public:
  OpenCloseLock() {
    fHandle = shm_open(LockName().c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fHandle >= 0 && !(OwnedPrivately(fHandle) && LockWithin(fHandle, LOCK_EX))) {
      close(fHandle);
      fHandle = -1;
    }
  }
  // Closing the descriptor lets the lock go.
  ~OpenCloseLock() {
    if (fHandle >= 0)
      close(fHandle);
  }
  OpenCloseLock(const OpenCloseLock &) = delete;
  OpenCloseLock &operator=(const OpenCloseLock &) = delete;
  bool Held() const { return fHandle >= 0; }

private:
  int fHandle = -1;
};

// Sets the object's length to length, all of it backed by memory now: on tmpfs a page that
// cannot be had would otherwise fault at its first use instead of failing here.
bool SetLength(int fd, int64_t from, int64_t length) {
  if (ftruncate(fd, length) != 0)
    return false;
  if (posix_fallocate(fd, from, length - from) == 0)
    return true;
  [[maybe_unused]] const int ignored = ftruncate(fd, from);
  return false;
}

size_t ReservedLength() {
  const auto page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
  return (static_cast<size_t>(TSharedMemory::kMaxLength) + page - 1) / page * page;
}

} // namespace

std::string SharedMemoryObjectName(StringView Name) {
  std::string escaped;
  for (char c : StringToUTF8(Name)) {
    if (c == '%')
      escaped += "%25";
    else if (c == '/')
      escaped += "%2F";
    else if (c == '\0')
      escaped += "%00";
    else
      escaped += c;
  }
  std::string name = UserPrefix() + escaped;
  if (name.size() - 1 > kNameMax) {
    char hash[18];
    std::snprintf(hash, sizeof hash, "~%016llx", static_cast<unsigned long long>(Fnv1a(escaped)));
    name.resize(kNameMax + 1 - (sizeof hash - 1));
    name += hash;
  }
  return name;
}

bool TSharedMemory::Open(StringView Name, int64_t Length, bool &Created) {
  Close();
  Created = false;
  if (Length < 1 || Length > kMaxLength)
    return false;
  OpenCloseLock lock;
  if (!lock.Held())
    return false;
  const std::string name = SharedMemoryObjectName(Name);
  const int fd = shm_open(name.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0)
    return false;
  // Somebody else's object is never touched, let alone removed.
  bool ok = OwnedPrivately(fd);
  // Nobody holds it: new, or left by processes that ended without closing it.
  const bool fresh = ok && flock(fd, LOCK_EX | LOCK_NB) == 0;
  if (fresh)
    ok = ftruncate(fd, 0) == 0 && SetLength(fd, 0, Length);
  else if (ok)
    ok = errno == EWOULDBLOCK && ObjectLength(fd) > 0;
  // Only openers and closers, who wait for the open-close lock, ever hold it exclusively.
  ok = ok && flock(fd, LOCK_SH | LOCK_NB) == 0;
  fHandle = fd;
  fObjectName = name;
  if (ok && View(ObjectLength(fd))) {
    Created = fresh;
    return true;
  }
  if (fresh)
    shm_unlink(name.c_str());
  close(fd);
  fHandle = -1;
  fObjectName.clear();
  return false;
}

bool TSharedMemory::View(int64_t length) {
  if (length < 1 || length > kMaxLength)
    return false;
  if (fData == nullptr) {
    void *reserved = mmap(nullptr, ReservedLength(), PROT_NONE,
                          MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (reserved == MAP_FAILED)
      return false;
    fData = static_cast<uint8_t *>(reserved);
  }
  // The pages viewed already stay as they are; only those past them are added.
  const auto page = static_cast<int64_t>(sysconf(_SC_PAGESIZE));
  const int64_t viewed_to = (fLength + page - 1) / page * page;
  if (length > viewed_to &&
      mmap(fData + viewed_to, static_cast<size_t>(length - viewed_to), PROT_READ | PROT_WRITE,
           MAP_SHARED | MAP_FIXED, fHandle, static_cast<off_t>(viewed_to)) == MAP_FAILED) {
    if (fLength == 0) {
      munmap(fData, ReservedLength());
      fData = nullptr;
    }
    return false;
  }
  fLength = std::max(fLength, length);
  return true;
}

void TSharedMemory::Close() {
  if (fHandle < 0)
    return;
  OpenCloseLock lock;
  if (fData != nullptr)
    munmap(fData, ReservedLength());
  // Without the open-close lock the object stays; the next opener finds nobody holding it.
  if (lock.Held() && flock(fHandle, LOCK_EX | LOCK_NB) == 0)
    shm_unlink(fObjectName.c_str());
  close(fHandle);
  fHandle = -1;
  fData = nullptr;
  fLength = 0;
  fObjectName.clear();
}

bool TSharedMemory::Grow(int64_t Length) {
  if (!Active() || Length > kMaxLength)
    return false;
  if (Length <= fLength)
    return true;
  const int64_t now = ObjectLength(fHandle);
  if (now < 0 || (now < Length && !SetLength(fHandle, now, Length)))
    return false;
  return View(std::max(now, Length));
}

bool TSharedMemory::Refresh() {
  if (!Active())
    return false;
  const int64_t now = ObjectLength(fHandle);
  return now <= fLength || View(now);
}

} // namespace textcore
