// The section-starts list: its stream and file forms byte for byte, damaged and hostile streams,
// files of other tools and kinds, and the section a byte lies in.
#include "definitions/section_starts_list.h"

#include "core/stream_codec.h"
#include "definitions/list_signature.h"
#include "platform/exceptions.h"
#include "support/stream_bytes.h"
#include "support/temp_folder.h"
#include "support/zip_builder.h"

#include <gtest/gtest.h>

#include <vector>

namespace textcore {
namespace {

using namespace testsupport;
using Entries = std::vector<std::pair<int32_t, String>>;

Entries EntriesOf(const TSectionStartsList &list) {
  Entries out;
  for (int32_t i = 0; i < list.Count(); ++i)
    out.emplace_back(list.GetASection(i).start_byte_position, list.GetASection(i).w);
  return out;
}

void Fill(TSectionStartsList &list, const Entries &entries) {
  for (const auto &[start, w] : entries)
    list.AddSection({start, w});
}

const Entries kTwo = {{0, u"<h1>"}, {4096, u"é"}};
const Bytes kTwoBytes = Int32(2) + Int32(0) + Int32(4) + Bytes{'<', 0, 'h', 0, '1', 0, '>', 0} +
                        Int32(4096) + Int32(1) + Bytes{0xE9, 0};

std::string HeaderFor(tool_type tool, list_type kind) {
  TMemoryStream s;
  TCheckSignature sig;
  EXPECT_TRUE(DiskSignatureISOKForToolAndList(sig, tool, kind, s, writing));
  return std::string(s.Memory(), s.Memory() + s.Size());
}

TEST(SectionStartsList, StreamFormIsByteExactAndReadsBackAppended) {
  TSectionStartsList list;
  Fill(list, kTwo);
  TMemoryStream saved;
  ASSERT_TRUE(list.SaveToStream(saved));
  EXPECT_EQ(Contents(saved), kTwoBytes);
  TSectionStartsList reloaded;
  reloaded.AddSection({-5, u"held"});
  saved.SetPosition(0);
  ASSERT_TRUE(reloaded.ReadFromStream(saved));
  EXPECT_EQ(EntriesOf(reloaded), (Entries{{-5, u"held"}, kTwo[0], kTwo[1]}));
  // A tag that would not read back is written but reported.
  list.AddSection({1, String(static_cast<size_t>(global_string_safety_limit) + 1, u't')});
  EXPECT_FALSE(list.SaveToStream(saved));
}

// Every failure gives False and appends nothing, on sized and unsized streams.
TEST(SectionStartsList, DamagedHostileAndTruncatedStreamsReadNothing) {
  const int32_t limit = global_string_safety_limit;
  std::vector<Bytes> cases = {
      Int32(INT32_MIN) + kTwoBytes,
      Int32(-1) + Int32(0) + Int32(0),
      Int32(INT32_MAX) + Int32(0) + Int32(0),
      Int32(3) + Bytes(kTwoBytes.begin() + 4, kTwoBytes.end()),
      Int32(1) + Int32(0) + Int32(limit + 1) + Bytes(2 * (limit + 1), 'x'),
      Int32(1) + Int32(0) + Int32(-2) + Bytes(8, 0),
  };
  for (size_t cut = 0; cut < kTwoBytes.size(); ++cut)
    cases.emplace_back(kTwoBytes.begin(), kTwoBytes.begin() + cut);
  for (const Bytes &bytes : cases) {
    for (bool unsized : {false, true}) {
      SCOPED_TRACE(testing::Message() << bytes.size() << " " << unsized);
      TSectionStartsList list;
      list.AddSection({9, u"held"});
      TMemoryStream memory = StreamOf(bytes);
      PipeStream pipe(bytes, 3);
      EXPECT_FALSE(list.ReadFromStream(unsized ? static_cast<TStream &>(pipe) : memory));
      EXPECT_EQ(EntriesOf(list), (Entries{{9, u"held"}}));
    }
  }
}

TEST(SectionStartsList, OutOfRangeSectionsAreEmptyAndSortingIsByStart) {
  TSectionStartsList list;
  Fill(list, {{300, u"c"}, {INT32_MIN, u"z"}, {100, u"a"}});
  for (int32_t index : {-1, 3, INT32_MIN, INT32_MAX}) {
    EXPECT_EQ(list.GetASection(index).start_byte_position, -1) << index;
    EXPECT_TRUE(list.GetASection(index).w.empty()) << index;
  }
  list.Sort(TSectionStartsList::SortSectionTags);
  EXPECT_EQ(EntriesOf(list), (Entries{{INT32_MIN, u"z"}, {100, u"a"}, {300, u"c"}}));
}

// A section owns the bytes from its start up to the next start, in whatever order the list is.
TEST(SectionStartsList, SectionFromBytePositionFindsTheLastStartNotAfterTheByte) {
  const Entries increasing = {{0, u"a"}, {100, u"b"}, {200, u"c"}};
  const Entries decreasing = {{200, u"c"}, {100, u"b"}, {0, u"a"}};
  const Entries repeated = {{0, u"a"}, {100, u"b1"}, {100, u"b2"}, {300, u"d"}};
  struct Case {
    const Entries *entries;
    int32_t start_index, byte_pos;
    String section;
    int32_t number;
  } cases[] = {
      {&increasing, 0, 99, u"a", 0},   {&increasing, 0, 100, u"b", 1},
      {&increasing, 0, -1, u"", 0},    {&increasing, 1, 50, u"", 0},
      {&increasing, -7, 150, u"b", 1}, {&decreasing, 0, 200, u"c", 0},
      {&decreasing, 2, 150, u"a", 2},  {&repeated, 0, 299, u"b2", 2},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.start_index << " " << c.byte_pos);
    TSectionStartsList list;
    Fill(list, *c.entries);
    const TSectionStartInfo info = list.SectionFromBytePosition(c.start_index, c.byte_pos);
    EXPECT_EQ(info.section, c.section);
    EXPECT_EQ(info.section_number, c.number);
  }
}

class SectionStartsFile : public ::testing::Test {
protected:
  void SetUp() override { current_tool_var = tt_concord; }
  void TearDown() override { current_tool_var = tt_controller; }
  String Name(const std::string &name) const { return UTF8ToString(fFolder.File(name)); }
  TempFolder fFolder;
};

// The running tool's header, then the stream form; a save that fails keeps the old file whole.
TEST_F(SectionStartsFile, SavesBehindTheRunningToolsHeaderAndReadsBack) {
  const std::string data(kTwoBytes.begin(), kTwoBytes.end());
  TSectionStartsList list;
  Fill(list, kTwo);
  WriteBytes(fFolder.File("sections.dat"), "an older file");
  ASSERT_TRUE(list.SaveToFile(Name("sections.dat")));
  const std::string bytes = ReadBytes(fFolder.File("sections.dat"));
  // The concordance tool's 36, three zero fields, the text signature, zeros to 57 bytes.
  EXPECT_EQ(bytes, std::string("\x24\0\0\0", 4) + std::string(12, '\0') + "\x0eSection List32" +
                       std::string(26, '\0') + data);
  TSectionStartsList reloaded;
  ASSERT_TRUE(reloaded.ReadFromFile(Name("sections.dat")));
  EXPECT_EQ(EntriesOf(reloaded), kTwo);

  list.AddSection({1, String(static_cast<size_t>(global_string_safety_limit) + 1, u't')});
  EXPECT_FALSE(list.SaveToFile(Name("sections.dat")));
  EXPECT_EQ(ReadBytes(fFolder.File("sections.dat")), bytes);
}

TEST_F(SectionStartsFile, FilesOfAnotherToolOrKindReadNothing) {
  const std::string data(kTwoBytes.begin(), kTwoBytes.end());
  const std::string cases[] = {
      HeaderFor(tt_wordlist, lt_sections_list) + data,
      HeaderFor(tt_concord, lt_markup_list) + data,
      HeaderFor(tt_concord, lt_sections_list).substr(0, 40),
      HeaderFor(tt_concord, lt_sections_list) + data.substr(0, 20),
  };
  for (const std::string &bytes : cases) {
    WriteBytes(fFolder.File("other.dat"), bytes);
    TSectionStartsList list;
    EXPECT_FALSE(list.ReadFromFile(Name("other.dat")));
    EXPECT_EQ(list.Count(), 0);
  }
  TSectionStartsList list;
  EXPECT_THROW(list.ReadFromFile(Name("missing.dat")), EFOpenError);
}

} // namespace
} // namespace textcore
