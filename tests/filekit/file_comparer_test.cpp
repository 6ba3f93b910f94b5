// TFileComparer on real files: where the first difference falls against the chunks, line ends
// skipped or not, empty and huge files, progress, the flags and the verdict box.
#include "filekit/file_comparer.h"

#include "core/yield.h"
#include "filekit/message_names.h"
#include "messages/message_names.h"
#include "platform/exceptions.h"
#include "platform/ui_services.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace filekit {
namespace {

using textcore::String;
using textcore::UTF8ToString;

constexpr float kBelowFull = 100.0f - 0x1p-17f;

// Bytes that never repeat within a chunk, so that a shifted comparison cannot match by chance.
std::string Noise(size_t size) {
  std::string bytes(size, '\0');
  uint32_t state = 12345;
  for (char &c : bytes) {
    state = state * 1103515245u + 12345u;
    c = static_cast<char>(state >> 24);
  }
  return bytes;
}

std::string Flipped(std::string bytes, size_t at) {
  bytes[at] = static_cast<char>(bytes[at] ^ 0x5A);
  return bytes;
}

// Numbered lines with line ends eol, about size bytes.
std::string Lines(const std::string &eol, size_t size) {
  std::string text;
  for (int i = 0; text.size() < size; ++i)
    text += "line " + std::to_string(i) + " of the text" + eol;
  return text;
}

class Comparing : public ::testing::Test {
protected:
  std::string Write(const std::string &name, const std::string &bytes) {
    const std::string path = folder_.File(name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  // A file of size bytes with no data written (zeros, sparse), byte 0 set to first unless 0.
  std::string Sparse(const std::string &name, int64_t size, char first = 0) {
    const std::string path = folder_.File(name);
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    EXPECT_GE(fd, 0);
    EXPECT_EQ(ftruncate(fd, size), 0);
    if (first != 0) {
      EXPECT_EQ(pwrite(fd, &first, 1, 0), 1);
    }
    close(fd);
    return path;
  }
  float Compare(const std::string &a, const std::string &b, bool ignore_crlf) {
    comparer_.SetFile1(UTF8ToString(a));
    comparer_.SetFile2(UTF8ToString(b));
    return comparer_.PercentMatching(ignore_crlf);
  }

  testsupport::TempFolder folder_;
  textcore::TScriptedMessageBoxes boxes_;
  TFileComparer comparer_{nullptr};
};

TEST_F(Comparing, TheResultFollowsTheFirstDifferenceAndNeverReachesFullWithOne) {
  const std::string noise = Noise(250000);
  const std::string crlf = Lines("\r\n", 250000);
  const std::string lf = Lines("\n", 250000);
  // A letter changed in the LF text, and where the same letter stands in the CR LF one.
  const size_t changed_lf = lf.find("line 9000 ") + 2;
  const size_t changed_crlf = crlf.find("line 9000 ") + 2;
  struct Case {
    const char *what;
    std::string file1, file2;
    bool ignore_crlf;
    float percent;
    bool crlfs_ignored;
  };
  const Case cases[] = {
      {"identical", noise, noise, true, 100, false},
      {"exactly two chunks", noise.substr(0, 204800), noise.substr(0, 204800), false, 100, false},
      // 1001 bytes counted as matched: 100 - 248999 * 100 / 250000.
      {"differs at 1000", noise, Flipped(noise, 1000), false, 0.4004f, false},
      {"differs at the last byte of a chunk", noise, Flipped(noise, 102399), false, 40.96f, false},
      {"differs at the first byte of a chunk", noise, Flipped(noise, 102400), false, 40.9604f,
       false},
      {"differs at the last byte", noise, Flipped(noise, 249999), false, 99.9996f, false},
      {"one byte that differs", "a", "b", false, 0, false},
      {"a prefix of the other", noise.substr(0, 1000), noise, true, 100, false},
      {"both empty", "", "", true, 100, false},
      {"empty against bytes", "", "abc", false, 0, false},
      {"empty against bytes, line ends ignored", "", "abc", true, 0, true},
      {"empty against line ends, ignored", "", std::string("\r\n\n\0", 4), true, 100, true},
      // Mismatch at byte 1 of 3: two bytes matched.
      {"CR LF against LF", "a\r\nb", "a\nb", false, 66.666664f, false},
      {"CR LF against LF, ignored", crlf, lf, true, 100, true},
      {"LF against CR LF, ignored", lf, crlf, true, 100, true},
      {"zero bytes and CRs skipped", std::string("a\0b\r\r\nc", 7), "abc", true, 100, true},
      // The offset in File1 of the first letter that differs, over the smaller size.
      {"CR LF against LF with a letter changed", crlf, Flipped(lf, changed_lf), true,
       static_cast<float>(changed_crlf * 100.0 / lf.size()), true},
      // 300 * 100 / 1 without a limit.
      {"a larger File1 full of CRs", std::string(300, '\r') + "b", "a", true, kBelowFull, true},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    const float got = Compare(Write("1", c.file1), Write("2", c.file2), c.ignore_crlf);
    EXPECT_FLOAT_EQ(got, c.percent);
    EXPECT_EQ(comparer_.ContentsMatch(), c.percent == 100);
    EXPECT_EQ(comparer_.SizesMatch(), c.file1.size() == c.file2.size());
    EXPECT_EQ(comparer_.CRLFs_were_ignored, c.crlfs_ignored);
    if (c.percent < 100) {
      EXPECT_LT(got, 100);
    }
  }
}

TEST_F(Comparing, ProgressIsTheShareOfFile2ComparedBeforeEachChunk) {
  struct Case {
    int64_t size1, size2;
    std::vector<int32_t> progress;
    int yields;
  };
  const Case cases[] = {
      {250000, 250000, {0, 41, 82}, 3},
      // The last round is empty: it yields but reports nothing.
      {204800, 204800, {0, 50}, 3},
      {102400, 102400, {0}, 2},
      {1, 1, {0}, 1},
      // A share of File2 even when File1, a prefix of it, is the smaller.
      {150000, 300000, {0, 34}, 2},
      // 62.5 and 12.5, 37.5, 87.5: halves go to the even neighbour.
      {163840, 163840, {0, 62}, 2},
      {819200, 819200, {0, 12, 25, 38, 50, 62, 75, 88}, 9},
      {0, 0, {}, 0},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.size1);
    std::vector<int32_t> progress;
    int yields = 0;
    comparer_.SetOnCheckProgress([&](int32_t percent) { progress.push_back(percent); });
    textcore::AYieldProcessProc() = [&] { ++yields; };
    EXPECT_EQ(Compare(Sparse("1", c.size1), Sparse("2", c.size2), false), 100);
    textcore::AYieldProcessProc() = nullptr;
    EXPECT_EQ(progress, c.progress);
    EXPECT_EQ(yields, c.yields);
  }
}

// Offsets and the progress product are 64-bit: in 32 bits the product turns negative from about
// 21 MB, and a size of 4 GiB and more loses its high bits.
TEST_F(Comparing, LargeFilesKeepTheirSizesAndProgress) {
  std::vector<int32_t> progress;
  comparer_.SetOnCheckProgress([&](int32_t percent) { progress.push_back(percent); });
  EXPECT_EQ(Compare(Sparse("1", 30000000), Sparse("2", 30000000), false), 100);
  ASSERT_EQ(progress.size(), 293u);
  EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
  EXPECT_EQ(progress.back(), 100);

  const int64_t huge = (int64_t{1} << 32) + 10;
  progress.clear();
  const float got = Compare(Sparse("1", huge, 'x'), Sparse("2", huge), false);
  EXPECT_TRUE(comparer_.SizesMatch());
  EXPECT_GT(got, 0);
  EXPECT_LT(got, 1e-6f);
  EXPECT_EQ(progress, std::vector<int32_t>{0});
}

TEST_F(Comparing, FlagsTellAttributesTimesAndSizes) {
  namespace fs = std::filesystem;
  const std::string text = Noise(5000);
  const auto same_time = [](const std::string &path, long nanoseconds) {
    const timespec times[2] = {{0, UTIME_OMIT}, {1700000000, nanoseconds}};
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
  };
  struct Case {
    const char *what;
    std::string name2;
    long nanoseconds2;
    fs::perms perms2;
    std::string bytes2;
    bool attributes, dates, sizes, contents;
  };
  const fs::perms rw = fs::perms::owner_read | fs::perms::owner_write;
  const Case cases[] = {
      {"a copy with its mode and time", "copy", 500, rw, text, true, true, true, true},
      {"a time one nanosecond later", "copy", 501, rw, text, true, false, true, true},
      {"read-only", "copy", 500, fs::perms::owner_read, text, false, true, true, true},
      {"hidden by its name", ".copy", 500, rw, text, false, true, true, true},
      {"longer", "copy", 500, rw, text + "x", true, true, false, true},
      {"one byte changed", "copy", 500, rw, Flipped(text, 10), true, true, true, false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    const std::string a = Write("original", text);
    const std::string b = Write(c.name2, c.bytes2);
    fs::permissions(a, rw);
    fs::permissions(b, c.perms2);
    same_time(a, 500);
    same_time(b, c.nanoseconds2);
    Compare(a, b, false);
    EXPECT_EQ(comparer_.AttributesMatch(), c.attributes);
    EXPECT_EQ(comparer_.DatesMatch(), c.dates);
    EXPECT_EQ(comparer_.SizesMatch(), c.sizes);
    EXPECT_EQ(comparer_.ContentsMatch(), c.contents);
    fs::remove(b);
  }
  const std::string a = Write("itself", text);
  EXPECT_EQ(Compare(a, a, true), 100);
  EXPECT_TRUE(comparer_.AttributesMatch() && comparer_.DatesMatch() && comparer_.SizesMatch() &&
              comparer_.ContentsMatch());
}

TEST_F(Comparing, AMissingFileGivesZeroNoFlagsAndNoBox) {
  const std::string a = Write("a", "text");
  Compare(a, a, true);
  ASSERT_TRUE(comparer_.ContentsMatch());
  const std::string fifo = folder_.File("fifo");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const std::string others[] = {folder_.File("missing"), folder_.Path().string(), fifo, ""};
  for (const std::string &other : others) {
    SCOPED_TRACE(other);
    const size_t shown = boxes_.Shown().size();
    EXPECT_EQ(Compare(a, other, true), 0);
    EXPECT_EQ(Compare(other, a, true), 0);
    EXPECT_FALSE(comparer_.AttributesMatch() || comparer_.DatesMatch() || comparer_.SizesMatch() ||
                 comparer_.ContentsMatch() || comparer_.CRLFs_were_ignored);
    EXPECT_EQ(boxes_.Shown().size(), shown);
  }
}

TEST_F(Comparing, AFileThatCannotBeOpenedRaises) {
  if (geteuid() == 0)
    GTEST_SKIP() << "root opens every file";
  const std::string a = Write("a", "text");
  const std::string locked = Write("locked", "text");
  chmod(locked.c_str(), 0);
  EXPECT_THROW(Compare(a, locked, true), textcore::EFOpenError);
}

TEST_F(Comparing, TheVerdictIsShownUnlessSilent) {
  const std::string a = Write("a", "same");
  const std::string b = Write("b", "same");
  const std::string c = Write("c", "other");
  Compare(a, b, true);
  Compare(a, c, true);
  comparer_.SetSilentComparison(true);
  Compare(a, c, true);
  ASSERT_EQ(boxes_.Shown().size(), 2u);
  const textcore::TMessageBoxRequest &matches = boxes_.Shown()[0];
  EXPECT_EQ(matches.caption, u"Comparison");
  EXPECT_EQ(matches.text, UTF8ToString(a) + u" matches " + UTF8ToString(b));
  EXPECT_EQ(matches.kind, textcore::mtInformation);
  const textcore::TMessageBoxRequest &differs = boxes_.Shown()[1];
  EXPECT_EQ(differs.text, UTF8ToString(a) + u" doesn't match " + UTF8ToString(c));
  EXPECT_EQ(differs.kind, textcore::mtWarning);
}

// The module's own names and those it shares with textcore: one entry each in the one table.
TEST(FilekitMessages, TheModuleNamesItsEntriesOfTheOneTable) {
  EXPECT_EQ(_QMZipOperationFailed.Text(), u"Zip operation failed");
  EXPECT_EQ(_QMConfirmation, textcore::_QMConfirmation);
  EXPECT_EQ(_QMFiles, textcore::_QMFiles);
}

} // namespace
} // namespace filekit
