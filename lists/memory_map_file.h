// Named memory maps through which the tools, each in its own process, hand lists to one another:
// TMemoryMapFile, a map with a size word at its start, and TFlexibleSizeMap, a map that can be
// resized and read and written like a file at a position.
//
// Layout (little-endian; offsets count from the start of the view, the size word included):
//   0  4  the size word S: the usable size in bytes
//   4  ..  the user's bytes, up to offset S; the object holds 4 bytes more than S
// Whoever makes the map stores the size asked for; whoever meets it takes the stored word, cut
// to what the object holds, so a word from another process can never take an access past it.
//
// The map lives while some process holds it (see platform/shared_memory.h): after every holder
// has closed it, the same name meets a new, empty map. Every access is checked against the
// usable size; nothing reads or writes outside the view.
#pragma once

#include "platform/shared_memory.h"
#include "platform/strings.h"

#include <bit>
#include <cstdint>

namespace textcore {

static_assert(std::endian::native == std::endian::little, "the maps hold little-endian words");

class TMemoryMapFile {
public:
  // Opens the map Name, or makes it with Size usable bytes.
  TMemoryMapFile(const String &Name, int32_t Size);
  virtual ~TMemoryMapFile();
  TMemoryMapFile(const TMemoryMapFile &) = delete;
  TMemoryMapFile &operator=(const TMemoryMapFile &) = delete;

  // Asked when an access at Offset lies outside the usable size; true has the access tried once
  // more. Here: after taking in a size word that another holder grew, whether Offset now lies
  // inside.
  virtual bool HandleException(void *Addr, int32_t Offset);

  // Opens the existing map Name, or makes one of Size usable bytes (zeros, with Size in the size
  // word). A map that cannot be had leaves the size 0. An open map is closed first.
  void SetupMap(const String &Name, int32_t Size);
  // SetupMap of the map's own name, when none is open.
  void Remap(int32_t Size);
  // Lets go of the map: size 0, no view.
  void Close();

  // The address Offset bytes into the view; nullptr when no map is open.
  void *ConvertPointer(int32_t Offset) const;
  // The 32-bit value at Offset, which must lie inside the usable size (HandleException is asked
  // first); raises EListError otherwise.
  void SetMemL(int32_t Offset, int32_t Value);
  int32_t GetMemL(int32_t Offset);

  // Takes in the size word as it stands now, viewing more of the object when another holder has
  // grown it. The view never moves: addresses stay good until Close.
  void Refresh();

  const String &MapName() const { return fMapname; }
  // The usable size; 0 when no map is open.
  int32_t Size() const { return FSize; }
  void *Base() const { return fBase; }
  bool Active() const { return FMapHandle.Active(); }
  // The map was made by this object rather than met.
  bool Created() const { return fCreated; }

protected:
  // Makes the usable size Size, growing the object as needed (it never shrinks) and storing
  // Size in the size word. False, with nothing changed, when the memory cannot be had.
  bool ResizeTo(int32_t Size);
  bool Inside(int64_t Offset, int64_t Count) const;

private:
  void TakeSizeWord();
  // Raises EListError unless a word can be read or written at Offset.
  void RequireWordAt(int32_t Offset);

  String fMapname;
  int32_t FSize = 0;
  uint8_t *fBase = nullptr;
  uint8_t *FOffset = nullptr;
  TSharedMemory FMapHandle;
  bool fCreated = false;
};

// The map of Name that every process naming the same Name meets, with a read and write position.
class TFlexibleSizeMap : public TMemoryMapFile {
public:
  // The map "lexpool_compartilhar" + Name.
  TFlexibleSizeMap(const String &Name, int32_t Size);

  // Makes the usable size Size (opening the map first when none is open). The object grows
  // while other processes hold it; they see the larger size word and view more of it. False
  // when the map cannot be had or cannot grow, or for a negative Size.
  bool Checksize(int32_t Size);
  // The position after the last read or write.
  int32_t *PositionPtr() { return &FPosition; }

  // Position := Offset; copies min(Count, usable size - Offset) bytes from Offset into Buffer,
  // moves the position on by that many and returns it. Nothing is copied, and 0 returned, for a
  // negative Count or Offset or an Offset at or past the end.
  int32_t ReadFromMemmap(void *Buffer, int32_t Offset, int32_t Count);
  // Position := Offset; copies Count bytes from Buffer to Offset and moves the position on by
  // Count. False, with nothing copied, when they would not all lie inside the usable size: size
  // the map first with Checksize.
  bool WriteToMemmap(const void *Buffer, int32_t Offset, int32_t Count);

private:
  int32_t FPosition = 0;
};

// The prefix of the maps of TFlexibleSizeMap, the same in every process of the suite.
inline constexpr StringView flexible_map_prefix = u"lexpool_compartilhar";

} // namespace textcore
