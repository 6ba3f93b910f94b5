#include "files/user_questions.h"

#include "core/logging_utilities.h"
#include "platform/encoding.h"
#include "platform/ui_services.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace textcore {
namespace {

class Questions : public ::testing::Test {
protected:
  String Path(const std::string &name) const { return UTF8ToString(folder_.File(name)); }
  void Write(const std::string &name, const std::string &bytes) {
    std::ofstream(folder_.File(name), std::ios::binary) << bytes;
  }
  std::string Read(const std::string &name) const {
    std::ifstream in(folder_.File(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  testsupport::TempFolder folder_;
  TScriptedMessageBoxes boxes_;
};

TEST_F(Questions, OverwriteAsksOnlyForWhatExistsAndDefaultsToNo) {
  EXPECT_TRUE(OKToOverwrite(Path("missing.txt")));
  EXPECT_TRUE(OKToOverwriteWithBackup(Path("missing.txt")));
  EXPECT_TRUE(boxes_.Shown().empty());
  Write("a.txt", "old");
  const String name = Path("a.txt");
  const struct {
    bool backup;
    int32_t answer; // 0: none scripted, the headless answer
    bool result;
  } cases[] = {{false, mrYes, true},
               {false, mrNo, false},
               {false, 0, false},
               {true, mrNo, false},
               {true, 0, false}};
  for (const auto &c : cases) {
    if (c.answer != 0)
      boxes_.Answer(c.answer);
    EXPECT_EQ(c.backup ? OKToOverwriteWithBackup(name) : OKToOverwrite(name), c.result);
    EXPECT_EQ(boxes_.Shown().back().text,
              u"Overwrite " + name + (c.backup ? u" (with backup)?" : u"?"));
  }
  const TMessageBoxRequest &shown = boxes_.Shown().back();
  EXPECT_EQ(shown.caption, u"Confirmation");
  EXPECT_EQ(shown.kind, mtConfirmation);
  EXPECT_EQ(shown.buttons, (TMsgDlgButtons{mbYes, mbNo}));
  EXPECT_EQ(shown.default_button, mbNo);
  EXPECT_TRUE(shown.destroys_data);
  EXPECT_FALSE(std::filesystem::exists(folder_.File("a.bak"))); // no backup on No
}

TEST_F(Questions, YesMakesTheBackupFirstAndAFailedBackupRefuses) {
  Write("a.txt", "new contents");
  Write("a.bak", "an older backup");
  boxes_.Answer(mrYes);
  EXPECT_TRUE(OKToOverwriteWithBackup(Path("a.txt")));
  EXPECT_EQ(Read("a.bak"), "new contents");

  // A file that is its own backup has none to be made: it is not overwritten, and the log
  // says why.
  Write("b.bak", "only copy");
  boxes_.Answer(mrYes);
  SetLogFilename(Path("quillmark.log"));
  keeping_log = true;
  EXPECT_FALSE(OKToOverwriteWithBackup(Path("b.bak")));
  keeping_log = false;
  SetLogFilename(String());
  EXPECT_EQ(Read("b.bak"), "only copy");
  const std::string log = Read("quillmark.log");
  ASSERT_GE(log.size(), 2u); // after the mark
  const String text = TEncoding::Unicode()->GetString(
      ByteSpan(reinterpret_cast<const uint8_t *>(log.data()) + 2, log.size() - 2));
  EXPECT_NE(text.find(u"no backup of " + Path("b.bak")), String::npos);
}

TEST_F(Questions, LittleDiskSpaceShowsTheSpaceFreeToTheCaller) {
  int64_t free = 500 * int64_t{1048576};
  const TFreeSpaceSource saved = SetFreeSpaceSource([&](StringView) { return free; });
  const int64_t gib = 1073741824;
  EXPECT_FALSE(ProceedIfLittleDiskSpace(u"", 0));
  EXPECT_TRUE(ProceedIfLittleDiskSpace(u"d:\\", free)); // exactly enough: no question
  EXPECT_TRUE(boxes_.Shown().empty());
  boxes_.Answer(mrCancel);
  EXPECT_FALSE(ProceedIfLittleDiskSpace(u"d:\\", gib));
  EXPECT_EQ(boxes_.Shown()[0].text, u"Only 500Mb space left on d:\\ -- Proceed?");
  EXPECT_EQ(boxes_.Shown()[0].caption, u"Confirmation");
  EXPECT_EQ(boxes_.Shown()[0].buttons, (TMsgDlgButtons{mbOK, mbCancel}));
  free = 1048575; // less than a mebibyte rounds down to 0
  boxes_.Answer(mrOk);
  EXPECT_TRUE(ProceedIfLittleDiskSpace(u"/x", gib));
  EXPECT_EQ(boxes_.Shown().back().text, u"Only 0Mb space left on /x -- Proceed?");
  free = -1; // unreadable: no reason to stop anyone
  EXPECT_TRUE(ProceedIfLittleDiskSpace(u"/x", gib));
  EXPECT_EQ(boxes_.Shown().size(), 2u);
  SetFreeSpaceSource(saved);
}

} // namespace
} // namespace textcore
