// TSectionStartsList: where each marked section of a text begins (a byte offset in the text
// file) and the section's tag, saved inside the tools' files and in a list file of its own.
//
// Stream form (little-endian): a 4-byte signed count N, then N entries, each the 4-byte
// start_byte_position followed by the tag as WriteAString writes it (4-byte count of UTF-16
// units, then the units).
//
// File form: the list header for the running tool (current_tool_var) and lt_sections_list
// ("Section List32"), then the stream form.
//
// The list owns its holders: TList's Delete and Clear, and the destructor, free them.
#pragma once

#include "platform/list.h"
#include "platform/streams.h"
#include "platform/strings.h"

#include <cstdint>

namespace textcore {

struct TSectionTagRec {
  int32_t start_byte_position = 0;
  String w; // the section's tag or name
};

class TSectionStartHolder : public TObject {
public:
  TSectionStartHolder() = default;
  explicit TSectionStartHolder(TSectionTagRec Rec) : data(std::move(Rec)) {}
  TSectionTagRec data;
};

// Where a byte lies: its section's tag and index. Index 0 is also what "no section" gives, so a
// caller tells the two apart by an empty section.
struct TSectionStartInfo {
  String section;
  int32_t section_number = 0;
};

class TSectionStartsList : public TList {
public:
  TSectionStartsList() = default;
  ~TSectionStartsList() override;

  // Appends a holder with a copy of Rec; its index.
  int32_t AddSection(const TSectionTagRec &Rec);
  TSectionStartHolder *Holders(int32_t Index) const;

  // The record at Index; start_byte_position -1 and an empty tag outside the list.
  TSectionTagRec GetASection(int32_t Index) const;
  // For TList::Sort: by start_byte_position, increasing (-1, 0, 1).
  static int SortSectionTags(void *Item1, void *Item2);

  // The section holding BytePos among the records from StartIndex on (a negative StartIndex
  // counts from 0): the one with the largest start at or before BytePos, so a section owns its
  // first byte; of several with that start, the last. Whatever the order of the records. The
  // empty result (no tag, number 0) when every start from StartIndex on lies after BytePos.
  TSectionStartInfo SectionFromBytePosition(int32_t StartIndex, int32_t BytePos) const;

  // False when the stream took fewer bytes than it was given, or when a tag is longer than
  // global_string_safety_limit: it is written whole, but would not read back.
  bool SaveToStream(TStream &Stream) const;
  // Appends the entries of the stream form. False, with nothing appended, on a count that is
  // negative or more than the bytes left can hold, a stream that ends early, or a tag over
  // global_string_safety_limit.
  bool ReadFromStream(TStream &Stream);

  // Replaces the file through a temporary sibling, so a failure leaves the old file whole.
  // EFCreateError when the file cannot be replaced.
  bool SaveToFile(const String &FileName) const;
  // False, with nothing read, for a file of another tool's format number or another list kind.
  // EFOpenError when the file cannot be opened (a missing file, or no regular file).
  bool ReadFromFile(const String &FileName);

protected:
  void Notify(void *Ptr, TListNotification Action) override;
};

} // namespace textcore
