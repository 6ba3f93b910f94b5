// TSectionStartsList: ownership, the section of a byte, the stream form and the list file.
#include "definitions/section_starts_list.h"

#include "core/stream_codec.h"
#include "core/yield.h"
#include "definitions/list_signature.h"
#include "platform/exceptions.h"
#include "platform/safe_file_writer.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace textcore {

namespace {

// A start and the count of an empty tag: the least an entry takes.
constexpr int64_t kLeastEntryBytes = 8;

bool WriteAll(TStream &stream, const void *bytes, int64_t count) {
  return stream.Write(bytes, count) == count;
}

} // namespace

TSectionStartsList::~TSectionStartsList() { Clear(); }

void TSectionStartsList::Notify(void *Ptr, TListNotification Action) {
  if (Action == lnDeleted)
    delete static_cast<TSectionStartHolder *>(Ptr);
  TList::Notify(Ptr, Action);
}

int32_t TSectionStartsList::AddSection(const TSectionTagRec &Rec) {
  auto holder = std::make_unique<TSectionStartHolder>(Rec);
  const int32_t index = Add(holder.get()); // a full list raises, and the holder goes with it
  holder.release();
  return index;
}

TSectionStartHolder *TSectionStartsList::Holders(int32_t Index) const {
  return static_cast<TSectionStartHolder *>(Items(Index));
}

TSectionTagRec TSectionStartsList::GetASection(int32_t Index) const {
  if (Index < 0 || Index >= Count() || Items(Index) == nullptr)
    return TSectionTagRec{-1, String()};
  return Holders(Index)->data;
}

int TSectionStartsList::SortSectionTags(void *Item1, void *Item2) {
  const int32_t a = static_cast<const TSectionStartHolder *>(Item1)->data.start_byte_position;
  const int32_t b = static_cast<const TSectionStartHolder *>(Item2)->data.start_byte_position;
  return a < b ? -1 : a > b ? 1 : 0;
}

TSectionStartInfo TSectionStartsList::SectionFromBytePosition(int32_t StartIndex,
                                                              int32_t BytePos) const {
  TSectionStartInfo result;
  int32_t best = -1;
  int32_t best_start = 0;
  for (int32_t i = StartIndex < 0 ? 0 : StartIndex; i < Count(); ++i) {
    const TSectionStartHolder *holder = Holders(i);
    if (holder == nullptr)
      continue;
    const int32_t start = holder->data.start_byte_position;
    if (start <= BytePos && (best < 0 || start >= best_start)) {
      best = i;
      best_start = start;
    }
  }
  if (best >= 0) {
    result.section_number = best;
    result.section = Holders(best)->data.w;
  }
  return result;
}

bool TSectionStartsList::SaveToStream(TStream &Stream) const {
  const int32_t count = Count();
  if (!WriteAll(Stream, &count, sizeof count))
    return false;
  bool result = true;
  try {
    for (int32_t i = 0; i < count; ++i) {
      MyYieldProcess();
      const TSectionTagRec rec = GetASection(i);
      if (!WriteAll(Stream, &rec.start_byte_position, sizeof rec.start_byte_position))
        return false;
      WriteAString(Stream, rec.w);
      if (rec.w.size() > static_cast<size_t>(global_string_safety_limit))
        result = false;
    }
  } catch (const EWriteError &) {
    return false;
  }
  return result;
}

// Every entry is read before any is added, so a stream that ends early adds nothing.
bool TSectionStartsList::ReadFromStream(TStream &Stream) {
  int32_t count = 0;
  if (ReadFully(Stream, &count, sizeof count) != sizeof count || count < 0)
    return false;
  const int64_t left = BytesLeft(Stream);
  if ((left >= 0 && count > left / kLeastEntryBytes) || count > TList::MaxListSize - Count())
    return false;
  std::vector<TSectionTagRec> read; // grows as entries arrive, never from the count
  try {
    for (int32_t i = 0; i < count; ++i) {
      MyYieldProcess();
      TSectionTagRec rec;
      if (ReadFully(Stream, &rec.start_byte_position, sizeof rec.start_byte_position) !=
          sizeof rec.start_byte_position)
        return false;
      rec.w = ReadAString(Stream);
      read.push_back(std::move(rec));
    }
  } catch (const EReadError &) {
    return false;
  }
  SetCapacity(std::max(Capacity(), Count() + count));
  for (const TSectionTagRec &rec : read)
    AddSection(rec);
  return true;
}

bool TSectionStartsList::SaveToFile(const String &FileName) const {
  TSafeFileWriter file(FileName);
  TCheckSignature header;
  if (!DiskSignatureISOKForToolAndList(header, current_tool_var, lt_sections_list, file, writing) ||
      !SaveToStream(file))
    return false; // the writer goes without a commit: the old file stays
  file.Commit();
  return true;
}

bool TSectionStartsList::ReadFromFile(const String &FileName) {
  TFileStream file(FileName, fmOpenRead | fmShareDenyNone);
  TCheckSignature header;
  return DiskSignatureISOKForToolAndList(header, current_tool_var, lt_sections_list, file,
                                         reading) &&
         ReadFromStream(file);
}

} // namespace textcore
