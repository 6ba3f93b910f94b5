#include "files/file_contents.h"
#include "files/utf8_checks.h"

#include "platform/text_unicode.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sys/stat.h>

namespace textcore {
namespace {

std::string Utf16LE(const std::u16string &text) {
  std::string bytes;
  for (char16_t c : text) {
    bytes += static_cast<char>(c & 0xFF);
    bytes += static_cast<char>(c >> 8);
  }
  return bytes;
}

std::string Utf16BE(const std::u16string &text) {
  std::string bytes;
  for (char16_t c : text) {
    bytes += static_cast<char>(c >> 8);
    bytes += static_cast<char>(c & 0xFF);
  }
  return bytes;
}

std::string Set(TFileContentsSet set) {
  static const char *names[] = {"8bit", "utf8", "16", "word", "storage", "zip", "16rev"};
  std::string out;
  for (int i = 0; i < 7; ++i)
    if (set.Contains(static_cast<TFileContentsTypes>(i)))
      out += (out.empty() ? "" : "+") + std::string(names[i]);
  return out.empty() ? "none" : out;
}

TEST(FileContents, BuffersAreClassifiedByTheQuickAndTheThoroughRules) {
  const std::u16string english = u"The quick brown fox jumps over the lazy dog.\r\n";
  const std::u16string russian = u"Съешь же ещё этих мягких французских булок, да выпей чаю.";
  const std::u16string greek = u"Ξεσκεπάζω την ψυχοφθόρα βδελυγμία, είπε ο γέρος.";
  const std::u16string japanese =
      u"いろはにほへと　ちりぬるを　わかよたれそ　つねならむ　うゐのおくやま";
  struct Case {
    const char *what;
    std::string bytes;
    const char *quick, *thorough;
  } cases[] = {
      {"three bytes", "abc", "none", "none"},
      {"signature and ASCII",
       "\xEF\xBB\xBF"
       "AB",
       "8bit+utf8", "utf8"},
      {"little-endian mark",
       std::string("\xFF\xFE"
                   "A",
                   4),
       "16", "16"},
      {"big-endian mark", std::string("\xFE\xFF\0A", 4), "16rev", "16rev"},
      {"zip", "PK\x03\x04garbage", "zip", "zip"},
      {"storage", "\xD0\xCF\x11\xE0....", "storage", "storage"},
      {"early word", std::string("\xDB\xA5\x2D\0xx", 6), "word", "word"},
      {"Latin-1 e acute", "caf\xE9 noir, s'il vous pla\xEEt\xE9", "8bit", "8bit"},
      {"UTF-8 then a bad byte", "caf\xC3\xA9 noir \xFF", "8bit", "utf8"},
      {"odd ASCII", "plain text.", "8bit", "8bit"},
      {"even ASCII is not UTF-16", "plain text..", "8bit", "8bit"},
      {"English UTF-16 without a mark", Utf16LE(english), "8bit", "16"},
      {"Russian UTF-16 without a mark", Utf16LE(russian), "8bit", "16"},
      {"Greek UTF-16 without a mark", Utf16LE(greek), "8bit", "16"},
      {"Japanese UTF-16 without a mark", Utf16LE(japanese), "8bit", "16"},
      {"Russian UTF-16 big-endian without a mark", Utf16BE(russian), "8bit", "16rev"},
      {"English UTF-16 big-endian without a mark", Utf16BE(english), "8bit", "16rev"},
      {"even UTF-8", "\xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0 ok", "8bit", "utf8"},
      {"a NUL ends the 8-bit text", std::string("abc\0\xC3\xA9x", 7), "8bit", "8bit"},
  };
  for (const Case &c : cases) {
    const auto size = static_cast<int64_t>(c.bytes.size());
    EXPECT_EQ(Set(FileBufferType(c.bytes.data(), size, false)), c.quick) << c.what;
    EXPECT_EQ(Set(FileBufferType(c.bytes.data(), size, true)), c.thorough) << c.what;
  }
  EXPECT_EQ(FileContentsComparison({}, {}), 0);
  EXPECT_EQ(FileContentsComparison({_8_bit}, {_UTF8}), -1);
  EXPECT_EQ(FileContentsComparison({_Zip}, {_8_bit, _UTF8}), 1);
}

TEST(FileContents, Utf8LegalityAtItsEdges) {
  struct Case {
    std::string bytes;
    bool legal;
  } cases[] = {
      {"\xC2\x80", true},         {"\xC1\xBF", false},         {"\xC0\x80", false},
      {"\xE0\xA0\x80", true},     {"\xE0\x9F\xBF", false},     {"\xED\x9F\xBF", true},
      {"\xED\xA0\x80", false},    {"\xF0\x90\x80\x80", true},  {"\xF0\x8F\xBF\xBF", false},
      {"\xF4\x8F\xBF\xBF", true}, {"\xF4\x90\x80\x80", false}, {"\xF5\x80\x80\x80", false},
  };
  for (const Case &c : cases) {
    bool all_single = true;
    EXPECT_EQ(CheckedUTF("ab" + c.bytes + "\xFF", all_single), c.legal)
        << std::hex << int(uint8_t(c.bytes[0]));
    EXPECT_EQ(all_single, !c.legal);
    TUTF8Scan scan;
    scan.Feed(c.bytes);
    scan.Finish();
    EXPECT_EQ(scan.IllFormed() == 0, c.legal);
  }
  bool all_single = false;
  EXPECT_TRUE(CheckedUTF("", all_single));
  EXPECT_TRUE(all_single);
  EXPECT_FALSE(CheckedUTF("ab\xC3", all_single)); // cut by the end
  EXPECT_EQ(UTF8LengthInChars("\xC3\xA9"
                              "A"),
            2);
  EXPECT_EQ(UTF8LengthInChars("\x80"
                              "A"),
            2);                                // 80 cannot lead: the length
  EXPECT_EQ(UTF8LengthInChars("\xE2\x82"), 2); // runs past the end: the length
  EXPECT_EQ(UTF8LengthInChars("\xC3X"), 1);    // continuation bytes are not checked
  EXPECT_EQ(UTF8LengthInChars(""), 0);
  EXPECT_TRUE(IsUTF8SignatureA("\xEF\xBB\xBF"));
  EXPECT_FALSE(IsUTF8SignatureA(nullptr));
  EXPECT_TRUE(IsUTF8SignatureW(u"\u00EF\u00BB\u00BFx"));
  EXPECT_EQ(UTF8SignatureAsUTF8String(), "\xEF\xBB\xBF");
}

// The scan finds every ill-formed stretch wherever the blocks cut the text.
TEST(FileContents, TheStreamingScanIsTheSameWhereverBlocksEnd) {
  const std::string text = "f\xC3\xBCr \xFF gro\xC3\x9F \xE2\x82 \xF0\x9F\x98\x80 \xC3";
  for (size_t block = 1; block <= text.size(); ++block) {
    TUTF8Scan scan;
    for (size_t i = 0; i < text.size(); i += block)
      scan.Feed(std::string_view(text).substr(i, block));
    scan.Finish();
    EXPECT_EQ(scan.IllFormed(), 3) << block; // FF, the cut E2 82, the final C3
    EXPECT_EQ(scan.FirstIllFormedOffset(), 5) << block;
    EXPECT_EQ(scan.MultiByte(), 3) << block;
  }
}

TEST(FileContents, FilesAreReadInBlocksAndOnlyWhenRegular) {
  testsupport::TempFolder folder;
  const auto path = [&](const char *name) { return UTF8ToString(folder.File(name)); };
  std::string bytes;
  for (int i = 0; i < 300000; ++i)
    bytes += static_cast<char>(i * 7);
  std::ofstream(folder.File("data.bin"), std::ios::binary) << bytes.substr(0, 299999);
  uint32_t sum = 0;
  for (size_t i = 0; i + 4 <= 299999; i += 4) {
    uint32_t word;
    std::memcpy(&word, bytes.data() + i, 4);
    sum += word;
  }
  EXPECT_EQ(CheckSumOfAFile(path("data.bin")), sum);
  EXPECT_EQ(CheckSumOfAFile(path("missing")), 0u);
  std::ofstream(folder.File("seven"), std::ios::binary) << std::string("\x01\0\0\0\x02\0\0", 7);
  EXPECT_EQ(CheckSumOfAFile(path("seven")), 1u);
  mkfifo(folder.File("fifo").c_str(), 0600);
  EXPECT_TRUE(FileContentsType(path("fifo"), true).Empty()); // never waits for a writer
  EXPECT_TRUE(FileContentsType(u"/dev/zero", true).Empty()); // never read forever
  EXPECT_FALSE(TextFileInUnicode(u"/dev/zero"));
  std::ofstream(folder.File("u.txt"), std::ios::binary) << "\xFF\xFE" + Utf16LE(u"text");
  EXPECT_EQ(Set(FileContentsType(path("u.txt"), false)), "16");
  EXPECT_TRUE(TextFileInUnicode(path("u.txt")));
  std::ofstream(folder.File("short"), std::ios::binary) << "ab";
  EXPECT_TRUE(FileContentsType(path("short"), false).Empty());
}

} // namespace
} // namespace textcore
