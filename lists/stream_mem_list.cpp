// Lists handed between processes through a memory map; see stream_mem_list.h.
#include "lists/stream_mem_list.h"

#include "core/yield.h"
#include "lists/mem_list_image.h"

#include <span>

namespace textcore {

TMyStreamMemList::TMyStreamMemList(const String &Name)
    : memmap(std::make_unique<TFlexibleSizeMap>(Name, 4)) {}

TMyStreamMemList::~TMyStreamMemList() { memmap.reset(); }

bool TMyStreamMemList::CopyToMemmap() {
  // Summed in 64 bits, so that no count of records makes the total wrap round.
  int64_t total = 4;
  for (int32_t i = 0; i < Count(); ++i) {
    const int32_t size = SizeofHolderData(i);
    // A record must take more than its word, or it could never be read back.
    if (size <= 4)
      return false;
    total += size;
    if (total > INT32_MAX - 4)
      return false;
  }
  const auto T = static_cast<int32_t>(total);
  if (!memmap->Checksize(T) || !memmap->WriteToMemmap(&T, 0, sizeof T))
    return false;
  for (int32_t i = 0, pos = 4; i < Count(); ++i) {
    MyYieldProcess();
    const int32_t size = SizeofHolderData(i);
    *memmap->PositionPtr() = pos;
    if (!WriteHolderToMap(i) || *memmap->PositionPtr() != pos + size)
      return false;
    pos += size;
  }
  return true;
}

bool TMyStreamMemList::MoveToMemmap() {
  // Records that did not reach the map are kept: dropping them would lose the list.
  if (!CopyToMemmap())
    return false;
  Clear();
  data_only_in_memmap = true;
  return true;
}

bool TMyStreamMemList::LoadFromMemmap() {
  Clear();
  data_only_in_memmap = false;
  memmap->Refresh();
  if (memmap->Size() < 4)
    return false;
  // The view never moves while the map is open, so the image stays good through the walk.
  const std::span<const uint8_t> image(static_cast<const uint8_t *>(memmap->Base()),
                                       static_cast<size_t>(memmap->Size()));
  return ReadMemListImage(image, [this](int32_t offset) {
    MyYieldProcess();
    *memmap->PositionPtr() = offset;
    return ReadHolderFromMap();
  });
}

} // namespace textcore
