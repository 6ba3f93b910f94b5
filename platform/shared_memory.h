// TSharedMemory: named memory that the processes of one user share, over POSIX shared memory,
// with the lifetime that named memory has on Windows: it lives while some process holds it open
// and is gone when the last holder closes it.
//
// POSIX objects live until they are unlinked, so the lifetime is kept by locks:
//  - every holder keeps a shared flock on the object for as long as it holds it open;
//  - opening and closing take the user's open-close lock (a second object, never removed), so
//    that no process opens an object while another decides whether it is the last holder;
//  - the closer that can turn its lock exclusive is the last holder, and unlinks the object;
//  - an opener that can take the object's lock exclusively finds nobody holding it: the object
//    is new, or was left by processes that ended without closing it, and is made afresh (zeros).
// The kernel drops the locks of a process that ends, so a crashed holder never keeps a map
// alive, and a later run never meets a finished run's contents.
//
// Objects are private to their user: the name carries the effective user's id, objects are made
// with mode 0600, and one owned by anybody else is refused (so is an open-close lock owned by
// anybody else). An object grows while others hold it, and never shrinks: a holder's view past a
// new end would fault.
//
// The view of an object stays at one address for as long as it is open: the largest length is
// reserved when it is opened, so growing it never moves it, and addresses into it stay good
// until Close.
//
// A forked child shares its parent's locks: it must not close a TSharedMemory it inherited (the
// parent would lose its hold); it opens its own.
#pragma once

#include "platform/strings.h"

#include <cstdint>
#include <string>

namespace textcore {

class TSharedMemory {
public:
  // The largest object: a 32-bit size word and the 4 bytes the maps keep beyond it.
  static constexpr int64_t kMaxLength = int64_t{INT32_MAX} + 4;

  TSharedMemory() = default;
  ~TSharedMemory() { Close(); }
  TSharedMemory(const TSharedMemory &) = delete;
  TSharedMemory &operator=(const TSharedMemory &) = delete;

  // Opens the object of Name that other processes hold, or, when none does, makes it Length
  // bytes of zeros (Created tells which). False, with nothing open, when Length is outside
  // 1 .. kMaxLength, when the object or the open-close lock belongs to another user, or when
  // the system refuses the object, its memory or the view. An open object is closed first.
  bool Open(StringView Name, int64_t Length, bool &Created);
  // Lets go of the object; the last holder removes it.
  void Close();
  bool Active() const { return fData != nullptr; }

  uint8_t *Data() const { return fData; }
  // The bytes viewed: the object's length when it was opened, grown or refreshed.
  int64_t Length() const { return fLength; }

  // Makes the object at least Length bytes (never shorter) and views all of it. False, with
  // nothing changed, when the system has not the memory.
  bool Grow(int64_t Length);
  // Views all of the object, after another holder has grown it. False when it is not open.
  bool Refresh();

private:
  bool View(int64_t length);

  int fHandle = -1;
  uint8_t *fData = nullptr; // the start of the reserved range
  int64_t fLength = 0;
  std::string fObjectName;
};

// The system's name of the object for Name: "/quillmark.<euid>." and Name in UTF-8, with "%",
// "/" and NUL written as "%25", "%2F" and "%00"; a name too long for the system keeps its start
// and ends in a hash of the whole.
std::string SharedMemoryObjectName(StringView Name);

} // namespace textcore
