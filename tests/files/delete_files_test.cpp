#include "files/delete_files.h"

#include "files/folder_tests.h"
#include "platform/exceptions.h"
#include "platform/file_names.h"
#include "platform/file_ops.h"
#include "platform/mount_table.h"
#include "platform/ui_services.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace textcore {
namespace {

namespace fs = std::filesystem;

class Deleting : public ::testing::Test {
protected:
  void SetUp() override { root_ = fs::canonical(folder_.Path()).string(); }
  String Path(const std::string &name) const { return UTF8ToString(root_ + "/" + name); }
  void Write(const std::string &name, const std::string &bytes = "x") {
    fs::create_directories(fs::path(root_ + "/" + name).parent_path());
    std::ofstream(root_ + "/" + name, std::ios::binary) << bytes;
  }
  bool Exists(const std::string &name) const {
    return fs::exists(fs::symlink_status(root_ + "/" + name));
  }
  testsupport::TempFolder folder_;
  std::string root_;
  TScriptedMessageBoxes boxes_;
};

TEST_F(Deleting, OneQuestionThenEveryMatchingFileDeepestFolderFirst) {
  Write("t/a.txt");
  Write("t/b.TXT");
  Write("t/keep.htm");
  Write("t/.hidden.txt");
  Write("t/a/b/c/deep.txt");
  Write("outside/target.txt");
  fs::create_symlink(root_ + "/outside/target.txt", root_ + "/t/link.txt");
  fs::create_directory_symlink(root_ + "/outside", root_ + "/t/linked_folder");
  boxes_.Answer(mrOk);
  EXPECT_EQ(DeleteAllFilesOn(Path("t"), u".txt"), 4);
  ASSERT_EQ(boxes_.Shown().size(), 1u);
  EXPECT_EQ(boxes_.Shown()[0].caption, u"Sure?");
  EXPECT_EQ(boxes_.Shown()[0].text,
            u"File(s) already found there.\rDelete all 4 .txt files in " + Path("t") + u"?");
  EXPECT_TRUE(boxes_.Shown()[0].destroys_data);
  EXPECT_EQ(boxes_.Shown()[0].default_button, mbCancel);
  for (const char *gone : {"t/a.txt", "t/b.TXT", "t/link.txt", "t/a/b/c/deep.txt", "t/a"})
    EXPECT_FALSE(Exists(gone)) << gone;
  // The hidden file, the other mask, and whatever the links pointed at stay.
  for (const char *kept :
       {"t", "t/keep.htm", "t/.hidden.txt", "outside/target.txt", "t/linked_folder"})
    EXPECT_TRUE(Exists(kept)) << kept;
}

TEST_F(Deleting, NothingIsDoneUnaskedOrUnconfirmed) {
  fs::create_directories(root_ + "/empty");
  EXPECT_EQ(DeleteAllFilesOn(Path("empty"), u"*.*"), 0);
  EXPECT_TRUE(boxes_.Shown().empty()); // nothing found: nothing asked
  Write("one/only");
  boxes_.Answer(mrCancel);
  EXPECT_EQ(DeleteAllFilesOn(Path("one"), u"*.*"), 0);
  EXPECT_EQ(boxes_.Shown().back().text,
            u"File(s) already found there.\rDelete the one .*.* file in " + Path("one") + u"?");
  EXPECT_TRUE(Exists("one/only"));
  // The headless box answers a destroying question with Cancel.
  EXPECT_EQ(DeleteAllFilesOn(Path("one"), u"*.*"), 0);
  EXPECT_TRUE(Exists("one/only"));
  // A mask that climbs out of the folder is refused before anything is looked at.
  Write("secret.txt");
  EXPECT_EQ(DeleteAllFilesOn(Path("one"), u"/../*.txt"), 0);
  EXPECT_TRUE(Exists("secret.txt"));
  boxes_.Answer(mrOk);
  EXPECT_EQ(DeleteAllFilesOn(Path("one"), u"*.*"), 1); // "*.*" takes a dotless name too
  EXPECT_FALSE(Exists("one/only"));
}

TEST_F(Deleting, AMoveNeverLosesAFileWhenNamesMeet) {
  Write("t/x.txt", "first");
  Write("t/sub/x.txt", "second");
  Write("t/y.txt", "y");
  fs::create_directories(root_ + "/to");
  boxes_.Answer(mrOk);
  EXPECT_EQ(DeleteAllFilesOn(Path("t"), u"txt", Path("to"), true, true, true), 2);
  // The first x.txt met moved; the second stays where it was rather than overwrite it.
  EXPECT_TRUE(Exists("to/x.txt"));
  EXPECT_TRUE(Exists("to/y.txt"));
  EXPECT_EQ(Exists("t/x.txt") + Exists("t/sub/x.txt"), 1);
  // Moving into the folder itself would copy each file onto itself: every file stays.
  boxes_.Answer(mrOk);
  EXPECT_EQ(DeleteAllFilesOn(Path("to"), u"txt", Path("to"), true, false, false), 0);
  EXPECT_EQ(FileSize(Path("to/y.txt")), 1);
}

TEST_F(Deleting, AFixedVolumeRootIsRefusedAndARemovableOneMayBeEmptied) {
  EXPECT_EQ(DeleteAllFilesOn(u"/", u"*.*"), 0);
  ASSERT_EQ(boxes_.Shown().size(), 1u);
  EXPECT_EQ(boxes_.Shown()[0].caption, u"No Way!");
  EXPECT_EQ(boxes_.Shown()[0].text, u"Won't delete all files on /");
  EXPECT_EQ(DeleteAllFilesOn(u"/tmp/..", u"*.*"), 0);
  EXPECT_EQ(boxes_.Shown().back().caption, u"No Way!");

  // The folder as a fixed disk's mount point, then as a removable one's.
  Write("disk/a.txt");
  const std::string disk = root_ + "/disk";
  fs::create_directories(root_ + "/sys/block/sdz/sdz1");
  std::ofstream(root_ + "/sys/block/sdz/removable") << "0\n";
  std::ofstream(root_ + "/sys/block/sdz/sdz1/partition") << "1\n";
  fs::create_directories(root_ + "/sys/class/block");
  fs::create_directory_symlink(root_ + "/sys/block/sdz", root_ + "/sys/class/block/sdz");
  fs::create_directory_symlink(root_ + "/sys/block/sdz/sdz1", root_ + "/sys/class/block/sdz1");
  const std::string table = "/dev/sda1 / ext4 rw 0 0\n/dev/sdz1 " + disk + " vfat rw 0 0\n";
  {
    const TScopedMountTable fixed(table, root_ + "/sys/class/block", root_ + "/none");
    EXPECT_EQ(DeleteAllFilesOn(Path("disk"), u"*.*"), 0);
    EXPECT_EQ(boxes_.Shown().back().text, u"Won't delete all files on " + Path("disk") + u"/");
    boxes_.Answer(mrOk);
    EXPECT_EQ(DeleteAllFilesOn(Path("disk/"), u"*.*", u"", false, false, false), 0);
  }
  EXPECT_TRUE(Exists("disk/a.txt"));
  std::ofstream(root_ + "/sys/block/sdz/removable") << "1\n";
  const TScopedMountTable removable(table, root_ + "/sys/class/block", root_ + "/none");
  boxes_.Answer(mrOk);
  EXPECT_EQ(DeleteAllFilesOn(Path("disk"), u"*.*"), 1);
  EXPECT_FALSE(Exists("disk/a.txt"));
}

TEST_F(Deleting, OKToDeleteFileSaysTrueOnlyWhenTheFileIsGone) {
  Write("a.txt");
  EXPECT_TRUE(OKToDeleteFile(Path("missing.txt")));
  EXPECT_TRUE(boxes_.Shown().empty());
  boxes_.Answer(mrCancel);
  EXPECT_FALSE(OKToDeleteFile(Path("a.txt")));
  EXPECT_EQ(boxes_.Shown()[0].caption, u"Confirmation");
  EXPECT_EQ(boxes_.Shown()[0].text, u"Delete " + Path("a.txt") + u"?");
  EXPECT_TRUE(Exists("a.txt"));
  boxes_.Answer(mrOk);
  EXPECT_TRUE(OKToDeleteFile(Path("a.txt")));
  EXPECT_FALSE(Exists("a.txt"));
}

// A file that cannot be deleted ends the run with the system's error.
TEST_F(Deleting, AFileThatCannotBeDeletedRaises) {
  if (geteuid() == 0)
    GTEST_SKIP() << "root may delete from a read-only folder";
  Write("ro/a.txt");
  fs::permissions(root_ + "/ro", fs::perms::owner_read | fs::perms::owner_exec);
  boxes_.Answer(mrOk);
  EXPECT_THROW(DeleteAllFilesOn(Path("ro"), u"*.*"), EOSError);
  fs::permissions(root_ + "/ro", fs::perms::owner_all);
}

} // namespace
} // namespace textcore
