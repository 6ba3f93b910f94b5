// TMyStreamMemList: a list that hands its records to a list of the same name in another process
// through a named memory map (TFlexibleSizeMap), and rebuilds itself from one.
//
// The map holds the list image of lists/mem_list_image.h: the total size, then each record,
// starting with its positive 32-bit word. A descendant says how big each record is and writes
// and reads it; the list does the rest. The writer publishes, then tells the reader (by a means
// of the tools' own) to load: the map itself has no lock.
#pragma once

#include "lists/memory_map_file.h"
#include "platform/list.h"
#include "platform/strings.h"

#include <cstdint>
#include <memory>

namespace textcore {

class TMyStreamMemList : public TList {
public:
  // The list of Name, with the map of Name opened (or made, with no records).
  explicit TMyStreamMemList(const String &Name);
  ~TMyStreamMemList() override;

  // Publishes the records: the map sized to hold them all, the total size at offset 0, then
  // each record in order. False when the records cannot be sized (a record of 4 bytes or fewer, or
  // more than a map holds), the map cannot grow, or a record is not written as its size said.
  bool CopyToMemmap();
  // Publishes the records, then clears the list, whose records now live only in the map. When
  // they cannot all be published the list keeps them, and the result is false.
  bool MoveToMemmap();
  // Replaces the records by those the map holds, as this or another process published them.
  // False, with what was read before the fault kept, for a map smaller than its size word says
  // or a damaged image (see ReadMemListImage); the map is never grown from what it holds.
  bool LoadFromMemmap();

  // The records now live only in the map.
  bool data_only_in_memmap = false;
  std::unique_ptr<TFlexibleSizeMap> memmap;

protected:
  // The bytes record Index takes in the map, its leading word included: always more than the
  // word alone, since the reader takes a record that holds nothing else for a damaged one.
  virtual int32_t SizeofHolderData(int32_t Index) = 0;
  // Writes record Index, leading word first, at the map's position.
  virtual bool WriteHolderToMap(int32_t Index) = 0;
  // Reads the record at the map's position (its leading word first), adds it to the list, and
  // gives the bytes it took after its word; zero or less when it cannot.
  virtual int32_t ReadHolderFromMap() = 0;
};

} // namespace textcore
