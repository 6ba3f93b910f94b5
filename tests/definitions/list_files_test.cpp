#include "definitions/list_files.h"

#include "core/logging_utilities.h"
#include "definitions/index_files.h"
#include "definitions/list_signature.h"
#include "platform/exceptions.h"
#include "platform/file_ops.h"
#include "support/stream_bytes.h"
#include "support/temp_folder.h"
#include "support/zip_builder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace textcore {
namespace {

using testsupport::Int32;
using testsupport::operator+;
using testsupport::ReadBytes;
using testsupport::WriteBytes;

std::string HeaderBytes(int32_t number, const std::string &text, int length = -1) {
  testsupport::Bytes b = Int32(number) + Int32(0) + Int32(0) + Int32(0);
  b.push_back(static_cast<uint8_t>(length < 0 ? text.size() : length));
  b.insert(b.end(), text.begin(), text.end());
  b.resize(kCheckSignatureSize, 0);
  return std::string(b.begin(), b.end());
}

class ListFiles : public ::testing::Test {
protected:
  void TearDown() override { current_tool_var = tt_controller; }
  String Write(const std::string &name, const std::string &bytes) {
    WriteBytes(fFolder.File(name), bytes);
    return UTF8ToString(fFolder.File(name));
  }
  String Name(const std::string &name) const { return UTF8ToString(fFolder.File(name)); }
  testsupport::TempFolder fFolder;
};

// The three 32-bit recognisers over the same files, the running tool being the word-list tool.
TEST_F(ListFiles, RecognisersTellFormatNumbersKindsAndSizes) {
  current_tool_var = tt_wordlist;
  const std::string data = "the list's own data";
  const struct {
    const char *file;
    std::string bytes;
    bool is32;
    list_type kind32;
    bool is_any;
    tool_type tool;
    list_type kind_any;
    bool was;
    list_type kind_was;
  } cases[] = {
      {"conc.cnc", HeaderBytes(36, "Concordance32") + data, false, lt_none_in_use, true, tt_concord,
       lt_concordance_list, true, lt_concordance_list},
      {"words.lst", HeaderBytes(37, "Word List32") + data, true, lt_word_list, true, tt_wordlist,
       lt_word_list, false, lt_word_list},
      {"aligned.ali", HeaderBytes(38, "Aligner List32") + data, false, lt_none_in_use, true,
       tt_viewer_aligner, lt_aligner_list, false, lt_none_in_use},
      {"old35.lst", HeaderBytes(35, "Word List32") + data, false, lt_none_in_use, false, tt_no_tool,
       lt_word_list, true, lt_word_list},
      {"odd.lst", HeaderBytes(37, "Not a kind32") + data, true, lt_none_in_use, true, tt_wordlist,
       lt_none_in_use, false, lt_none_in_use},
      {"long41.lst", HeaderBytes(37, "Word List32", 41) + data, false, lt_none_in_use, false,
       tt_no_tool, lt_none_in_use, false, lt_none_in_use},
      {"long255.lst", HeaderBytes(37, "Word List32", 255) + data, false, lt_none_in_use, false,
       tt_no_tool, lt_none_in_use, false, lt_none_in_use},
      {"exactly57.lst", HeaderBytes(37, "Word List32"), false, lt_none_in_use, false, tt_no_tool,
       lt_none_in_use, false, lt_none_in_use},
      {"just58.lst", HeaderBytes(37, "Word List32") + "x", true, lt_word_list, true, tt_wordlist,
       lt_word_list, false, lt_word_list},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.file);
    TQMStored_File_rec rec{.filename = Write(c.file, c.bytes), .ListType = lt_sorting};
    EXPECT_EQ(IsAQuillmark32BitFile(rec), c.is32);
    EXPECT_EQ(rec.ListType, c.kind32);
    tool_type tool = tt_spare1;
    EXPECT_EQ(IsAQuillmark32BitFile(rec, tool), c.is_any);
    EXPECT_EQ(tool, c.tool);
    EXPECT_EQ(rec.ListType, c.kind_any);
    EXPECT_EQ(WasAQuillmark32BitFile(rec), c.was);
    EXPECT_EQ(rec.ListType, c.kind_was);
  }
}

TEST_F(ListFiles, WhatIsNoListFileIsNeverWaitedOn) {
  ASSERT_EQ(mkfifo(fFolder.File("fifo.lst").c_str(), 0600), 0);
  for (const String &name : {Name("missing.lst"), Name(""), Name("fifo.lst")}) {
    TQMStored_File_rec rec{.filename = name};
    tool_type tool;
    EXPECT_FALSE(IsAQuillmark32BitFile(rec));
    EXPECT_FALSE(IsAQuillmark32BitFile(rec, tool));
    EXPECT_FALSE(WasAQuillmark32BitFile(rec));
    EXPECT_FALSE(IsAnOldQuillmarkFile(rec));
    EXPECT_EQ(rec.ListType, lt_none_in_use);
  }
}

TEST_F(ListFiles, AFileThatCannotBeOpenedRaises) {
  if (geteuid() == 0)
    GTEST_SKIP() << "root opens every file";
  const String name = Write("locked.lst", HeaderBytes(37, "Word List32") + "data");
  ASSERT_EQ(chmod(fFolder.File("locked.lst").c_str(), 0), 0);
  TQMStored_File_rec rec{.filename = name};
  EXPECT_THROW(IsAQuillmark32BitFile(rec), EFOpenError);
}

TEST_F(ListFiles, OldFilesAreToldByTheirFirst41Bytes) {
  const std::string word_lister = std::string("\x0BWord Lister") + std::string(29, '\0');
  const struct {
    const char *file;
    std::string bytes;
    bool old;
    list_type kind;
  } cases[] = {
      {"old.lst", word_lister + "data", true, lt_word_list},
      {"old42.lst", word_lister + "d", true, lt_word_list},
      {"old41.lst", word_lister, false, lt_none_in_use}, // at least 42 bytes
      {"gap.cnc", std::string("\x0C\0Concordancer", 14) + std::string(40, '\0'), true,
       lt_concordance_list},
      {"new.lst", HeaderBytes(37, "Word List32") + "data", false, lt_none_in_use},
  };
  for (const auto &c : cases) {
    TQMStored_File_rec rec{.filename = Write(c.file, c.bytes), .ListType = lt_sorting};
    EXPECT_EQ(IsAnOldQuillmarkFile(rec), c.old) << c.file;
    EXPECT_EQ(rec.ListType, c.kind) << c.file;
  }
}

TEST_F(ListFiles, BatchArchivesNameTheirKindInTheirComment) {
  using testsupport::WriteZip;
  const std::vector<testsupport::ZipMember> two = {{.name = "a.cnc", .data = "x"},
                                                   {.name = "b.cnc", .data = "y"}};
  const std::vector<testsupport::ZipMember> folder_only = {{.name = "sub", .directory = true}};
  const struct {
    const char *file;
    std::vector<testsupport::ZipMember> members;
    std::string comment;
    bool batch;
    list_type kind;
    int32_t entries;
  } cases[] = {
      {"conc.zip", two, "Qmark Batch file .cnc", true, lt_concordance_list, 2},
      {"upper.zip", two, "Qmark Batch file .CNC", true, lt_concordance_list, 2},
      {"words.zip", two, "Qmark Batch file .lst", true, lt_word_list, 2},
      {"unknown.zip", two, "Qmark Batch file .xyz", true, lt_none_in_use, 0},
      {"prefix.zip", two, "Qmark Batch file ", false, lt_none_in_use, 0},
      {"lower.zip", two, "qmark batch file .cnc", false, lt_none_in_use, 0},
      {"folder.zip", folder_only, "Qmark Batch file .cnc", false, lt_none_in_use, 0},
      {"plain.zip", two, "", false, lt_none_in_use, 0},
  };
  for (const auto &c : cases) {
    WriteZip(fFolder.File(c.file), c.members, c.comment);
    TQMStored_File_rec rec{.filename = Name(c.file), .Number_within_Zipfile = 9};
    EXPECT_EQ(IsABatchZipFileForListType(rec), c.batch) << c.file;
    EXPECT_EQ(rec.ListType, c.kind) << c.file;
    EXPECT_EQ(rec.Number_within_Zipfile, c.entries) << c.file;
  }
  TQMStored_File_rec not_zip{.filename = Write("text.zip", "no archive at all")};
  EXPECT_THROW(IsABatchZipFileForListType(not_zip), EZipError);
}

TEST_F(ListFiles, IndexFilesAreDeletedAndBackedUpWithTheLogTold) {
  const char *const exts[] = {".markup",     ".types",         ".tokens", ".base_pairs",
                              ".base_index", ".base_index_cg", ".stats"};
  for (const char *ext : exts)
    WriteBytes(fFolder.File(std::string("ix") + ext), ext);
  WriteBytes(fFolder.File("ix.types_bak"), "an older backup");
  WriteBytes(fFolder.File("ix.lst"), "the list itself");
  ASSERT_EQ(unlink(fFolder.File("ix.stats").c_str()), 0);
  SetLogFilename(Name("log.txt"));
  keeping_log = true;
  TryToBackupIndexFiles(Name("ix.lst"));
  for (const char *ext : exts) {
    const std::string backup = fFolder.File(std::string("ix") + ext + "_bak");
    EXPECT_EQ(ReadBytes(backup), std::string(ext) == ".stats" ? "" : ext) << ext;
  }
  TryToDeleteIndexFiles(Name("ix.lst"));
  keeping_log = false;
  SetLogFilename(String());
  for (const char *ext : exts)
    EXPECT_FALSE(FileExists(Name(std::string("ix") + ext))) << ext;
  EXPECT_TRUE(FileExists(Name("ix.lst")));
  EXPECT_TRUE(FileExists(Name("ix.markup_bak")));
  const std::string log = ReadBytes(fFolder.File("log.txt"));
  String text;
  for (size_t i = 2; i + 1 < log.size(); i += 2)
    text += static_cast<char16_t>(static_cast<uint8_t>(log[i]) | (log[i + 1] << 8));
  const String ix = Name("ix");
  for (const String &line : {u"Trying to backup index files for " + ix + u".lst",
                             u"Trying to copy " + ix + u".types to " + ix + u".types_bak",
                             u"Trying to delete " + ix + u".base_index_cg"})
    EXPECT_NE(text.find(line), String::npos) << StringToUTF8(line);
  EXPECT_EQ(text.find(u"ix.stats"), String::npos); // a missing file is neither copied nor deleted
}

} // namespace
} // namespace textcore
