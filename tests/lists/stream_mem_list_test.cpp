#include "lists/stream_mem_list.h"

#include "lists/mem_list_image.h"
#include "platform/exceptions.h"
#include "support/child_process.h"
#include "support/stream_bytes.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

namespace textcore {
namespace {

using testsupport::Bytes;
using testsupport::Int32;
using testsupport::operator+;
using testsupport::RunInChild;

String NewName() { return UTF8ToString(testsupport::UniqueName("qmtest.list")); }

// Strings as records: the word is the record's size, then the N units and a terminator, so
// that even an empty string has bytes after its word.
class TStringMemList : public TMyStreamMemList {
public:
  using TMyStreamMemList::TMyStreamMemList;
  ~TStringMemList() override { Clear(); }

  void AddString(const String &s) { Add(new String(s)); }
  const String &At(int32_t i) const { return *static_cast<String *>(Items(i)); }
  // A record that says it is smaller than its word: the list cannot be sized.
  bool claim_tiny_record = false;

protected:
  void Notify(void *Ptr, TListNotification Action) override {
    if (Action == lnDeleted)
      delete static_cast<String *>(Ptr);
  }
  int32_t SizeofHolderData(int32_t Index) override {
    return claim_tiny_record ? 4 : 4 + 2 * (static_cast<int32_t>(At(Index).size()) + 1);
  }
  bool WriteHolderToMap(int32_t Index) override {
    const String &s = At(Index);
    const int32_t size = SizeofHolderData(Index);
    return memmap->WriteToMemmap(&size, *memmap->PositionPtr(), 4) &&
           memmap->WriteToMemmap(s.c_str(), *memmap->PositionPtr(), size - 4);
  }
  int32_t ReadHolderFromMap() override {
    int32_t size = 0;
    if (memmap->ReadFromMemmap(&size, *memmap->PositionPtr(), 4) != 4 || size < 6 || size % 2)
      return 0;
    String s(static_cast<size_t>(size - 4) / 2, u'\0');
    if (memmap->ReadFromMemmap(s.data(), *memmap->PositionPtr(), size - 4) != size - 4)
      return 0;
    s.pop_back();
    AddString(s);
    return size - 4;
  }
};

std::vector<String> Strings(const TStringMemList &list) {
  std::vector<String> strings;
  for (int32_t i = 0; i < list.Count(); ++i)
    strings.push_back(list.At(i));
  return strings;
}

TEST(MemoryMapFile, ANewMapHoldsItsSizeAndASecondObjectMeetsIt) {
  const String name = NewName();
  TFlexibleSizeMap first(name, 4);
  ASSERT_TRUE(first.Created());
  EXPECT_EQ(first.MapName(), u"lexpool_compartilhar" + name);
  EXPECT_EQ(first.Size(), 4);
  EXPECT_EQ(first.GetMemL(0), 4);
  TFlexibleSizeMap second(name, 400);
  EXPECT_FALSE(second.Created());
  EXPECT_EQ(second.Size(), 4);
  EXPECT_EQ(second.ConvertPointer(0), second.Base());
  TMemoryMapFile plain(name, 4); // a name without the prefix is another map
  EXPECT_TRUE(plain.Created());
}

TEST(MemoryMapFile, ReadsAndWritesStayInsideTheUsableSize) {
  TFlexibleSizeMap map(NewName(), 12);
  ASSERT_EQ(map.Size(), 12);
  map.SetMemL(8, 0x04030201);
  map.SetMemL(11, -1); // a word may end in the 4 bytes past the usable size
  for (int32_t offset : {12, -1, INT32_MAX, INT32_MIN}) {
    EXPECT_THROW(map.GetMemL(offset), EListError) << offset;
    EXPECT_THROW(map.SetMemL(offset, 1), EListError) << offset;
  }
  const struct {
    int32_t offset, count, copied, position;
  } reads[] = {{8, 4, 4, 12},
               {8, 100, 4, 12},
               {12, 4, 0, 12},
               {11, 1, 1, 12},
               {0, -1, 0, 0},
               {-4, 4, 0, -4},
               {INT32_MAX, 4, 0, INT32_MAX}};
  for (const auto &r : reads) {
    uint8_t buffer[16] = {};
    EXPECT_EQ(map.ReadFromMemmap(buffer, r.offset, r.count), r.copied) << r.offset;
    EXPECT_EQ(*map.PositionPtr(), r.position) << r.offset;
  }
  const uint8_t data[8] = {1, 2, 3, 4, 5, 6, 7, 8};
  EXPECT_TRUE(map.WriteToMemmap(data, 4, 8));
  EXPECT_EQ(*map.PositionPtr(), 12);
  EXPECT_FALSE(map.WriteToMemmap(data, 5, 8)); // one byte past the end
  EXPECT_FALSE(map.WriteToMemmap(data, -1, 1));
  EXPECT_FALSE(map.WriteToMemmap(data, INT32_MAX, 8));
  map.Close();
  EXPECT_EQ(map.Size(), 0);
  EXPECT_EQ(map.ConvertPointer(0), nullptr);
  EXPECT_THROW(map.GetMemL(0), EListError);
  uint8_t sink[4];
  EXPECT_EQ(map.ReadFromMemmap(sink, 0, 4), 0);
}

TEST(StreamMemList, RecordsGoOutAndComeBack) {
  const String name = NewName();
  TStringMemList writer(name), reader(name);
  ASSERT_TRUE(writer.CopyToMemmap()); // an empty list: the size word alone
  EXPECT_EQ(writer.memmap->GetMemL(0), 4);
  reader.AddString(u"old");
  EXPECT_TRUE(reader.LoadFromMemmap());
  EXPECT_EQ(reader.Count(), 0);
  const std::vector<String> strings = {u"river", u"", u"Fluss", String(3000, u'x')};
  for (const String &s : strings)
    writer.AddString(s);
  ASSERT_TRUE(writer.CopyToMemmap());
  EXPECT_EQ(writer.memmap->GetMemL(0), 4 + 16 + 6 + 16 + 6006);
  EXPECT_EQ(writer.memmap->GetMemL(4), 16);
  EXPECT_EQ(writer.memmap->GetMemL(20), 6);
  ASSERT_TRUE(reader.LoadFromMemmap());
  EXPECT_EQ(Strings(reader), strings);
  EXPECT_FALSE(reader.data_only_in_memmap);
  ASSERT_TRUE(writer.MoveToMemmap());
  EXPECT_EQ(writer.Count(), 0);
  EXPECT_TRUE(writer.data_only_in_memmap);
  ASSERT_TRUE(writer.LoadFromMemmap());
  EXPECT_EQ(Strings(writer), strings);
  EXPECT_FALSE(writer.data_only_in_memmap);
}

TEST(StreamMemList, AListThatCannotBePublishedIsKept) {
  TStringMemList list(NewName());
  list.AddString(u"kept");
  list.claim_tiny_record = true;
  EXPECT_FALSE(list.CopyToMemmap());
  EXPECT_FALSE(list.MoveToMemmap());
  EXPECT_EQ(list.Count(), 1);
  EXPECT_FALSE(list.data_only_in_memmap);
}

TEST(StreamMemList, ListsPassBetweenProcessesAndDieWithTheirHolders) {
  const String name = NewName();
  {
    TStringMemList parent(name);
    parent.AddString(u"small");
    ASSERT_TRUE(parent.CopyToMemmap());
    // The child loads the parent's list, then publishes a larger one while the parent holds
    // the small map.
    ASSERT_EQ(RunInChild([&name] {
                TStringMemList child(name);
                if (!child.LoadFromMemmap() || child.Count() != 1 || child.At(0) != u"small")
                  return 1;
                child.AddString(String(100000, u'y'));
                return child.CopyToMemmap() ? 0 : 2;
              }),
              0);
    ASSERT_TRUE(parent.LoadFromMemmap());
    ASSERT_EQ(parent.Count(), 2);
    EXPECT_EQ(parent.At(1), String(100000, u'y'));
  }
  // Both have let go: the same name meets a new, empty map, never the finished list.
  TStringMemList later(name);
  EXPECT_TRUE(later.memmap->Created());
  EXPECT_TRUE(later.LoadFromMemmap());
  EXPECT_EQ(later.Count(), 0);
}

TEST(StreamMemList, AMapOfAnotherUserIsRefused) {
  if (geteuid() != 0)
    GTEST_SKIP() << "making another user's map needs root";
  const String name = NewName();
  const std::string object = SharedMemoryObjectName(String(flexible_map_prefix) + name);
  ASSERT_EQ(RunInChild([&object] {
              if (setgid(65534) != 0 || setuid(65534) != 0)
                return 1;
              const int fd = shm_open(object.c_str(), O_RDWR | O_CREAT | O_EXCL, 0600);
              const int32_t word[2] = {4, 0};
              return fd >= 0 && write(fd, word, sizeof word) == sizeof word ? 0 : 2;
            }),
            0);
  TStringMemList list(name);
  EXPECT_EQ(list.memmap->Size(), 0);
  EXPECT_FALSE(list.LoadFromMemmap());
  EXPECT_FALSE(list.CopyToMemmap());
  const int fd = shm_open(object.c_str(), O_RDONLY, 0);
  EXPECT_GE(fd, 0) << "the other user's map was removed";
  close(fd);
  shm_unlink(object.c_str());
}

// A size word that claims more than the object holds is cut to it, and no load grows the map.
TEST(StreamMemList, ASizeWordFromElsewhereNeverStretchesTheMap) {
  const String name = NewName();
  TStringMemList writer(name);
  writer.AddString(u"abc");
  ASSERT_TRUE(writer.CopyToMemmap());
  writer.memmap->SetMemL(0, 1 << 30);
  TStringMemList reader(name);
  EXPECT_EQ(reader.memmap->Size(), 16); // 4 + 12: what the object holds beyond its slack
  EXPECT_FALSE(reader.LoadFromMemmap());
  EXPECT_EQ(reader.memmap->Size(), 16);
}

// Hostile images read straight from bytes: each ends, false, without reading past them.
TEST(MemListImage, DamagedImagesStopWithFalse) {
  const Bytes record = Int32(6) + Bytes{'a', 0};
  const auto honest = [](std::span<const uint8_t> image) {
    return [image](int32_t offset) -> int32_t {
      int32_t size;
      std::memcpy(&size, image.data() + offset, 4);
      return size >= 4 && offset + int64_t{size} <= static_cast<int64_t>(image.size()) ? size - 4
                                                                                       : 0;
    };
  };
  const struct {
    const char *what;
    Bytes image;
    bool ok;
  } cases[] = {
      {"empty list", Int32(4), true},
      {"one record", Int32(10) + record, true},
      {"slack after the image", Int32(10) + record + Bytes(7, 0xEE), true},
      {"no size word", Bytes{4, 0}, false},
      {"size below its own word", Int32(3), false},
      {"negative size", Int32(-10) + record, false},
      {"size past the bytes", Int32(11) + record, false},
      {"huge size", Int32(INT32_MAX) + record, false},
      {"zero record word", Int32(10) + Int32(0) + Bytes{0, 0}, false},
      {"negative record word", Int32(10) + Int32(-6) + Bytes{0, 0}, false},
      {"record past the image", Int32(10) + Int32(8) + Bytes{0, 0}, false},
      {"fewer than 4 bytes left", Int32(12) + record + Bytes{1, 0}, false},
  };
  for (const auto &c : cases)
    EXPECT_EQ(ReadMemListImage(c.image, honest(c.image)), c.ok) << c.what;
  // A reader that takes nothing, or claims more than there is, or a negative count.
  const Bytes image = Int32(10) + record;
  for (int32_t answer : {0, -4, INT32_MIN, 3, INT32_MAX}) {
    int calls = 0;
    EXPECT_FALSE(ReadMemListImage(image, [&calls, answer](int32_t) {
      ++calls;
      return answer;
    })) << answer;
    EXPECT_EQ(calls, 1) << answer;
  }
}

} // namespace
} // namespace textcore
