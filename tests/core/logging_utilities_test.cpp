#include "core/logging_utilities.h"
#include "definitions/tool_types.h"
#include "platform/file_names.h"
#include "platform/ui_services.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <regex>
#include <string>
#include <vector>

namespace textcore {
namespace {

using Bytes = std::vector<uint8_t>;
using namespace std::string_literals;

// The bytes of text as the log stores it: UTF-16 little-endian, no terminator.
Bytes Utf16(const std::u16string &text) {
  Bytes bytes;
  for (char16_t c : text) {
    bytes.push_back(static_cast<uint8_t>(c & 0xFF));
    bytes.push_back(static_cast<uint8_t>(c >> 8));
  }
  return bytes;
}

Bytes WithMark(const std::u16string &text) {
  Bytes bytes = {0xFF, 0xFE};
  const Bytes body = Utf16(text);
  bytes.insert(bytes.end(), body.begin(), body.end());
  return bytes;
}

std::optional<Bytes> ReadAll(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  if (!in)
    return std::nullopt;
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteAll(const std::string &path, const Bytes &bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char *>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

// Puts the log's process-wide settings back after each test.
class LogTest : public ::testing::Test {
protected:
  void SetUp() override { saved_tool_ = current_tool_var; }
  void TearDown() override {
    keeping_log = false;
    SetLogFilename(String());
    current_tool_var = saved_tool_;
  }
  String Name(const std::string &file) { return BytesToFileName(folder_.File(file)); }
  testsupport::TempFolder folder_;
  tool_type saved_tool_ = tt_controller;
};

struct LogCase {
  const char *name;
  std::optional<Bytes> existing; // the file before, if any
  bool keeping;
  std::function<void()> act;
  std::optional<Bytes> expected; // the file after; nullopt: no file
  bool keeping_after;
};

TEST_F(LogTest, EntriesReachTheFileByteForByte) {
  const std::vector<LogCase> cases = {
      {"off: no file", std::nullopt, false, [] { AddToLogFile(u"x", true); }, std::nullopt, false},
      {"new file: mark once, prefix on every entry", std::nullopt, true,
       [] {
         AddToLogFile(u"x", false);
         AddToLogFile(u"y", true);
       },
       WithMark(u"(QM7): x(QM7): y\r\n"), true},
      {"existing file: appended, no second mark", WithMark(u"(WL): a\r\n"), true,
       [] { AddToLogFile(u"b", true); }, WithMark(u"(WL): a\r\n(QM7): b\r\n"), true},
      {"existing empty file gets its mark", Bytes{}, true, [] { AddToLogFile(u"b", false); },
       WithMark(u"(QM7): b"), true},
      {"tool codes and the tools without one", std::nullopt, true,
       [] {
         current_tool_var = tt_wordlist;
         AddToLogFile(u"w", true);
         current_tool_var = tt_spare1;
         AddToLogFile(u"s", true);
         current_tool_var = tt_no_tool;
         AddToLogFile(u"n", true);
         current_tool_var = static_cast<tool_type>(200);
         AddToLogFile(u"", false);
       },
       WithMark(u"(WL): w\r\n(?"
                u"?)s\r\n(?"
                u"?)n\r\n(?"
                u"?)"),
       true},
      {"text beyond ASCII keeps its units", std::nullopt, true,
       [] { AddToLogFile(u"\u00E9\U0001F600\0z"s, false); },
       WithMark(u"(QM7): \u00E9\U0001F600\0z"s), true},
      {"clear: deleted, then a new section", WithMark(u"(QM7): old\r\n"), true,
       [] {
         ClearLogFile();
         AddToLogFile(u"new", true);
       },
       std::nullopt /* checked below */, true},
      {"clear with no file makes none", std::nullopt, true, [] { ClearLogFile(); }, std::nullopt,
       true},
      {"headless message boxes are logged", std::nullopt, true,
       [] {
         ShowMessageBox(TMessageBoxRequest{u"", u"Disk full", mtError, {mbOK}, mbOK, false});
       },
       WithMark(u"(QM7): message box: Disk full [answered OK]\r\n"), true},
  };
  for (const auto &c : cases) {
    const std::string path = folder_.File(std::string("log-") + std::to_string(&c - &cases[0]));
    if (c.existing)
      WriteAll(path, *c.existing);
    current_tool_var = tt_controller;
    SetLogFilename(BytesToFileName(path));
    keeping_log = c.keeping;
    c.act();
    EXPECT_EQ(keeping_log, c.keeping_after) << c.name;
    const std::optional<Bytes> after = ReadAll(path);
    if (std::string(c.name).rfind("clear: ", 0) == 0) {
      ASSERT_TRUE(after.has_value());
      const Bytes head = WithMark(u"(QM7): **********\r\n(QM7): LOG STARTED at ");
      ASSERT_GT(after->size(), head.size());
      EXPECT_TRUE(std::equal(head.begin(), head.end(), after->begin())) << c.name;
      const Bytes tail = Utf16(u"\r\n(QM7): new\r\n");
      EXPECT_TRUE(std::equal(tail.rbegin(), tail.rend(), after->rbegin())) << c.name;
      continue;
    }
    EXPECT_EQ(after, c.expected) << c.name;
  }
}

TEST_F(LogTest, StartNewLogSectionDatesItsSecondLine) {
  SetLogFilename(Name("section.log"));
  keeping_log = true;
  StartNewLogSection();
  const std::optional<Bytes> bytes = ReadAll(folder_.File("section.log"));
  ASSERT_TRUE(bytes.has_value());
  std::string ascii; // every character of this section is ASCII
  for (size_t i = 2; i + 1 < bytes->size(); i += 2) {
    ASSERT_EQ((*bytes)[i + 1], 0);
    ascii.push_back(static_cast<char>((*bytes)[i]));
  }
  EXPECT_TRUE(std::regex_match(ascii, std::regex("\\(QM7\\): \\*{10}\r\n\\(QM7\\): LOG STARTED "
                                                 "at [^\r\n]*[0-9][^\r\n]*:[0-9]{2}[^\r\n]*\r\n")))
      << ascii;
}

TEST_F(LogTest, AFailedWriteSwitchesLoggingOffSilently) {
  std::filesystem::create_directory(folder_.Path() / "a-folder");
  for (const std::string &bad : {std::string("missing/x.log"), std::string("a-folder")}) {
    SetLogFilename(Name(bad));
    keeping_log = true;
    AddToLogFile(u"first", true); // must not raise
    EXPECT_FALSE(keeping_log) << bad;
    // Later entries are dropped, even once the folder exists.
    std::filesystem::create_directories(folder_.Path() / "missing");
    AddToLogFile(u"second", true);
    EXPECT_FALSE(std::filesystem::exists(folder_.Path() / "missing/x.log")) << bad;
  }
  SetLogFilename(String());
  keeping_log = true;
  AddToLogFile(u"nowhere", true); // no name: nothing, and logging stays on
  EXPECT_TRUE(keeping_log);
}

} // namespace
} // namespace textcore
