// The section-starts list: its stream and file forms byte for byte, damaged and hostile streams,
// files of other tools and kinds, and the section a byte lies in.
#include "definitions/section_starts_list.h"

#include "core/stream_codec.h"
#include "definitions/list_signature.h"
#include "definitions/tool_types.h"
#include "platform/exceptions.h"
#include "support/stream_bytes.h"
#include "support/temp_folder.h"
#include "support/zip_builder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace textcore {
namespace {

using testsupport::Bytes;
using testsupport::Contents;
using testsupport::Int32;
using testsupport::operator+;
using testsupport::PipeStream;
using testsupport::StreamOf;

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
  const Bytes b = Contents(s);
  return std::string(b.begin(), b.end());
}

TEST(SectionStartsList, StreamFormIsByteExactAndReadsBack) {
  TSectionStartsList list;
  Fill(list, kTwo);
  TMemoryStream saved;
  ASSERT_TRUE(list.SaveToStream(saved));
  EXPECT_EQ(Contents(saved), kTwoBytes);

  TSectionStartsList reloaded;
  reloaded.AddSection({-5, u"held"});
  saved.SetPosition(0);
  ASSERT_TRUE(reloaded.ReadFromStream(saved));
  Entries expected = {{-5, u"held"}};
  expected.insert(expected.end(), kTwo.begin(), kTwo.end());
  EXPECT_EQ(EntriesOf(reloaded), expected);

  TSectionStartsList empty;
  TMemoryStream none;
  ASSERT_TRUE(empty.SaveToStream(none));
  EXPECT_EQ(Contents(none), Int32(0));
}

TEST(SectionStartsList, SavingWhatWouldNotReadBackSaysSo) {
  TSectionStartsList list;
  list.AddSection({1, String(static_cast<size_t>(global_string_safety_limit) + 1, u't')});
  TMemoryStream saved;
  EXPECT_FALSE(list.SaveToStream(saved));
  PipeStream full(Bytes{});
  Fill(list, kTwo);
  EXPECT_FALSE(list.SaveToStream(full));
}

// Every failure gives False and appends nothing; the entry held before stays alone.
TEST(SectionStartsList, DamagedAndHostileStreamsReadNothing) {
  const int32_t limit = global_string_safety_limit;
  struct Case {
    const char *what;
    Bytes bytes;
    bool pipe;
  };
  const std::vector<Case> cases = {
      {"most negative count", Int32(INT32_MIN) + kTwoBytes, false},
      {"negative count", Int32(-1) + Int32(0) + Int32(0), false},
      {"huge count on a short stream", Int32(INT32_MAX) + Int32(0) + Int32(0), false},
      {"huge count, unsized stream", Int32(INT32_MAX) + Int32(0) + Int32(0), true},
      {"count one more than the entries", Int32(3) + Bytes(kTwoBytes.begin() + 4, kTwoBytes.end()),
       false},
      {"count one more, unsized stream", Int32(3) + Bytes(kTwoBytes.begin() + 4, kTwoBytes.end()),
       true},
      {"tag over the limit", Int32(1) + Int32(0) + Int32(limit + 1) + Bytes(2 * (limit + 1), 'x'),
       false},
      {"negative tag length", Int32(1) + Int32(0) + Int32(-2) + Bytes(8, 0), false},
      {"nothing", Bytes{}, false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    TSectionStartsList list;
    list.AddSection({9, u"held"});
    TMemoryStream memory = StreamOf(c.bytes);
    PipeStream pipe(c.bytes, 3);
    TStream &stream = c.pipe ? static_cast<TStream &>(pipe) : memory;
    EXPECT_FALSE(list.ReadFromStream(stream));
    EXPECT_EQ(EntriesOf(list), (Entries{{9, u"held"}}));
  }
}

TEST(SectionStartsList, TruncationAtEveryByteReadsNothing) {
  for (size_t cut = 0; cut < kTwoBytes.size(); ++cut) {
    SCOPED_TRACE(cut);
    for (bool pipe : {false, true}) {
      const Bytes bytes(kTwoBytes.begin(), kTwoBytes.begin() + cut);
      TSectionStartsList list;
      TMemoryStream memory = StreamOf(bytes);
      PipeStream piped(bytes, 1);
      EXPECT_FALSE(list.ReadFromStream(pipe ? static_cast<TStream &>(piped) : memory));
      EXPECT_EQ(list.Count(), 0);
    }
  }
}

TEST(SectionStartsList, GetASectionOutsideTheListIsEmpty) {
  TSectionStartsList list;
  Fill(list, kTwo);
  for (int32_t index : {-1, 2, INT32_MIN, INT32_MAX}) {
    const TSectionTagRec rec = list.GetASection(index);
    EXPECT_EQ(rec.start_byte_position, -1) << index;
    EXPECT_TRUE(rec.w.empty()) << index;
  }
  EXPECT_EQ(list.GetASection(1).w, u"é");
}

TEST(SectionStartsList, SortSectionTagsOrdersByStart) {
  TSectionStartsList list;
  Fill(list, {{300, u"c"}, {INT32_MIN, u"z"}, {100, u"a"}, {INT32_MAX, u"m"}, {200, u"b"}});
  list.Sort(TSectionStartsList::SortSectionTags);
  EXPECT_EQ(EntriesOf(list),
            (Entries{{INT32_MIN, u"z"}, {100, u"a"}, {200, u"b"}, {300, u"c"}, {INT32_MAX, u"m"}}));
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
  };
  const std::vector<Case> cases = {
      {&increasing, 0, 0, u"a", 0},   {&increasing, 0, 99, u"a", 0},
      {&increasing, 0, 100, u"b", 1}, {&increasing, 0, 250, u"c", 2},
      {&increasing, 0, -1, u"", 0},   {&increasing, 1, 50, u"", 0},
      {&increasing, 1, 150, u"b", 1}, {&increasing, -7, 150, u"b", 1},
      {&increasing, 3, 150, u"", 0},  {&decreasing, 0, 150, u"b", 1},
      {&decreasing, 0, 200, u"c", 0}, {&decreasing, 2, 150, u"a", 2},
      {&repeated, 0, 299, u"b2", 2},  {&repeated, 0, INT32_MAX, u"d", 3},
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
  void TearDown() override { current_tool_var = tt_controller; }
  String Name(const std::string &name) const { return UTF8ToString(fFolder.File(name)); }
  testsupport::TempFolder fFolder;
};

TEST_F(SectionStartsFile, SavesTheHeaderOfTheRunningToolAndReadsItBack) {
  current_tool_var = tt_concord;
  TSectionStartsList list;
  Fill(list, kTwo);
  const String name = Name("sections.dat");
  testsupport::WriteBytes(fFolder.File("sections.dat"), "an older file");
  ASSERT_TRUE(list.SaveToFile(name));
  const std::string bytes = testsupport::ReadBytes(fFolder.File("sections.dat"));
  EXPECT_EQ(bytes, HeaderFor(tt_concord, lt_sections_list) +
                       std::string(kTwoBytes.begin(), kTwoBytes.end()));
  EXPECT_EQ(bytes.substr(0, 4), std::string("\x24\0\0\0", 4)); // the concordance tool's 36
  EXPECT_EQ(bytes.substr(16, 15), "\x0eSection List32");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(fFolder.Path()), {}), 1);

  TSectionStartsList reloaded;
  ASSERT_TRUE(reloaded.ReadFromFile(name));
  EXPECT_EQ(EntriesOf(reloaded), kTwo);
}

TEST_F(SectionStartsFile, FilesOfAnotherToolOrKindReadNothing) {
  const std::string data(kTwoBytes.begin(), kTwoBytes.end());
  struct Case {
    const char *what;
    std::string bytes;
  };
  const std::vector<Case> cases = {
      {"another tool's format number", HeaderFor(tt_wordlist, lt_sections_list) + data},
      {"another list kind", HeaderFor(tt_concord, lt_markup_list) + data},
      {"header only", HeaderFor(tt_concord, lt_sections_list)},
      {"header cut short", HeaderFor(tt_concord, lt_sections_list).substr(0, 40)},
      {"damaged list", HeaderFor(tt_concord, lt_sections_list) + data.substr(0, 20)},
  };
  current_tool_var = tt_concord;
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    testsupport::WriteBytes(fFolder.File("other.dat"), c.bytes);
    TSectionStartsList list;
    EXPECT_FALSE(list.ReadFromFile(Name("other.dat")));
    EXPECT_EQ(list.Count(), 0);
  }
  TSectionStartsList list;
  EXPECT_THROW(list.ReadFromFile(Name("missing.dat")), EFOpenError);
  EXPECT_THROW(list.ReadFromFile(Name("")), EFOpenError);
}

// A list that cannot be written whole leaves the file as it was, and no temporary file.
TEST_F(SectionStartsFile, AFailedSaveKeepsTheOldFile) {
  TSectionStartsList list;
  list.AddSection({1, String(static_cast<size_t>(global_string_safety_limit) + 1, u't')});
  testsupport::WriteBytes(fFolder.File("kept.dat"), "the old file");
  EXPECT_FALSE(list.SaveToFile(Name("kept.dat")));
  EXPECT_EQ(testsupport::ReadBytes(fFolder.File("kept.dat")), "the old file");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(fFolder.Path()), {}), 1);
  std::filesystem::create_directory(fFolder.Path() / "folder");
  EXPECT_THROW(list.SaveToFile(Name("folder")), EFCreateError);
}

} // namespace
} // namespace textcore
