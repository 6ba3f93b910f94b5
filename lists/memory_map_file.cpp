// Named memory maps with a size word; see memory_map_file.h.
#include "lists/memory_map_file.h"

#include "platform/exceptions.h"
#include "platform/format.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace textcore {

namespace {

// The bytes the object holds beyond the usable size.
constexpr int64_t kSlack = 4;

} // namespace

TMemoryMapFile::TMemoryMapFile(const String &Name, int32_t Size) : fMapname(Name) {
  SetupMap(Name, Size);
}

TMemoryMapFile::~TMemoryMapFile() { Close(); }

void TMemoryMapFile::SetupMap(const String &Name, int32_t Size) {
  Close();
  fMapname = Name;
  if (Size < 0 || !FMapHandle.Open(Name, int64_t{Size} + kSlack, fCreated) ||
      FMapHandle.Length() < kSlack) {
    FMapHandle.Close();
    fCreated = false;
    return;
  }
  fBase = FMapHandle.Data();
  FOffset = fBase;
  if (fCreated) {
    FSize = Size;
    std::memcpy(fBase, &Size, sizeof Size);
  } else {
    TakeSizeWord();
  }
}

void TMemoryMapFile::Remap(int32_t Size) {
  if (!Active())
    SetupMap(fMapname, Size);
}

void TMemoryMapFile::Close() {
  FMapHandle.Close();
  FSize = 0;
  fBase = nullptr;
  FOffset = nullptr;
  fCreated = false;
}

void TMemoryMapFile::TakeSizeWord() {
  int32_t word;
  std::memcpy(&word, fBase, sizeof word);
  FSize = static_cast<int32_t>(std::clamp<int64_t>(word, 0, FMapHandle.Length() - kSlack));
}

void TMemoryMapFile::Refresh() {
  if (!Active())
    return;
  int32_t word;
  std::memcpy(&word, fBase, sizeof word);
  if (word > FMapHandle.Length() - kSlack)
    FMapHandle.Refresh();
  TakeSizeWord();
}

bool TMemoryMapFile::ResizeTo(int32_t Size) {
  if (!Active() || Size < 0 || !FMapHandle.Grow(int64_t{Size} + kSlack))
    return false;
  FSize = Size;
  std::memcpy(fBase, &Size, sizeof Size);
  return true;
}

bool TMemoryMapFile::Inside(int64_t Offset, int64_t Count) const {
  return Offset >= 0 && Count >= 0 && Offset + Count <= FSize;
}

bool TMemoryMapFile::HandleException(void * /*Addr*/, int32_t Offset) {
  Refresh();
  return Offset >= 0 && Offset < FSize;
}

void *TMemoryMapFile::ConvertPointer(int32_t Offset) const {
  // Counted as a number: an offset outside the view names no address worth forming.
  return FOffset == nullptr ? nullptr
                            : reinterpret_cast<void *>(reinterpret_cast<uintptr_t>(FOffset) +
                                                       static_cast<uintptr_t>(int64_t{Offset}));
}

// A word may start at any offset below the usable size: the 4 bytes of slack hold its end.
void TMemoryMapFile::RequireWordAt(int32_t Offset) {
  const auto inside = [this, Offset] { return Offset >= 0 && Offset < FSize; };
  if (!inside() && !(HandleException(ConvertPointer(Offset), Offset) && inside()))
    throw EListError(Format(u"Memory map %s has no word at offset %d", fMapname, Offset));
}

void TMemoryMapFile::SetMemL(int32_t Offset, int32_t Value) {
  RequireWordAt(Offset);
  std::memcpy(FOffset + Offset, &Value, sizeof Value);
}

int32_t TMemoryMapFile::GetMemL(int32_t Offset) {
  RequireWordAt(Offset);
  int32_t value;
  std::memcpy(&value, FOffset + Offset, sizeof value);
  return value;
}

TFlexibleSizeMap::TFlexibleSizeMap(const String &Name, int32_t Size)
    : TMemoryMapFile(String(flexible_map_prefix) + Name, Size) {}

bool TFlexibleSizeMap::Checksize(int32_t Size) {
  if (Size < 0)
    return false;
  Remap(Size);
  Refresh();
  return Active() && (Size == this->Size() || ResizeTo(Size));
}

int32_t TFlexibleSizeMap::ReadFromMemmap(void *Buffer, int32_t Offset, int32_t Count) {
  FPosition = Offset;
  if (Count < 0 || Offset < 0 || Size() - Offset < 1)
    return 0;
  const int32_t copied = std::min(Count, Size() - Offset);
  std::memcpy(Buffer, ConvertPointer(Offset), static_cast<size_t>(copied));
  FPosition += copied;
  return copied;
}

bool TFlexibleSizeMap::WriteToMemmap(const void *Buffer, int32_t Offset, int32_t Count) {
  FPosition = Offset;
  if (!Inside(Offset, Count))
    return false;
  std::memcpy(ConvertPointer(Offset), Buffer, static_cast<size_t>(Count));
  FPosition += Count;
  return true;
}

} // namespace textcore
