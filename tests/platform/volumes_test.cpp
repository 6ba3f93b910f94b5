// Volumes over an injected mount table, with its mount points and a sysfs tree made in a temporary
// folder; free space and serial numbers of the real root.
#include "platform/file_names.h"
#include "platform/mount_table.h"
#include "platform/volumes.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/statvfs.h>

namespace textcore {

void PrintTo(const TMountEntry &e, std::ostream *os) {
  *os << "{" << e.source << " | " << e.mount_point << " | " << e.fs_type << " | " << e.options
      << "}";
}

namespace {

namespace fs = std::filesystem;

TEST(MountTable, UnescapesFieldsAndSkipsDamagedLines) {
  const std::string text = "/dev/sda1 / ext4 rw,relatime 0 0\n"
                           "/dev/sdb1 /media/my\\040disk vfat rw 0 0\n"
                           "damaged line\n"
                           "\n"
                           "a\\011b /x\\012y\\134z t\\134 o 0 0\n"
                           "//srv/share /mnt/\\x41\\04 cifs rw\n" // other and cut escapes stay
                           "  last\t/line type\\0 opts"; // blanks around, no newline at the end
  const std::vector<TMountEntry> want = {
      {"/dev/sda1", "/", "ext4", "rw,relatime"}, {"/dev/sdb1", "/media/my disk", "vfat", "rw"},
      {"a\tb", "/x\ny\\z", "t\\", "o"},          {"//srv/share", "/mnt/\\x41\\04", "cifs", "rw"},
      {"last", "/line", "type\\0", "opts"},
  };
  EXPECT_EQ(ParseMountTable(text), want);
}

// Mount points, a sysfs tree and disk labels under one temporary folder, and a table naming them.
class Volumes : public ::testing::Test {
protected:
  void SetUp() override {
    root_ = fs::canonical(temp_.Path()).string();
    for (const char *dir : {"media/my disk/sub", "mnt/a", "mnt/ab/x", "over", "card", "cd", "nfs",
                            "cifs", "ssh", "sys/class/block", "by-label"})
      fs::create_directories(root_ + "/" + dir);
    fs::create_directory_symlink(root_ + "/mnt/a", root_ + "/link-to-a");
    std::ofstream(root_ + "/hosts") << "127.0.0.1 localhost\n";
    std::ofstream(root_ + "/file-share") << "";
    // A USB disk that calls itself fixed, a fixed disk, a card the kernel calls removable, and a
    // whole disk whose name ends in a digit.
    AddDisk("devices/pci0/usb2/2-1/host6/block/sdb", "0", "sdb1");
    AddDisk("devices/pci0/ata1/host0/block/sdc", "0", "sdc1");
    AddDisk("devices/pci0/mmc0/block/mmcblk0", "1", "mmcblk0p1");
    AddDisk("devices/pci0/ata2/host1/block/sr0", "1", "");
  }

  void AddDisk(const std::string &folder, const char *removable, const std::string &partition) {
    fs::path disk = root_ + "/sys/" + folder;
    fs::create_directories(disk);
    std::ofstream(disk / "removable") << removable << "\n";
    fs::create_directory_symlink(disk, root_ + "/sys/class/block/" + disk.filename().string());
    if (partition.empty())
      return;
    fs::create_directories(disk / partition);
    std::ofstream(disk / partition / "partition") << "1\n";
    fs::create_directory_symlink(disk / partition, root_ + "/sys/class/block/" + partition);
  }

  // A table whose lines name mount points under the folder as "%/...".
  void Inject(const std::string &table) {
    std::string text;
    for (char c : table)
      text += c == '%' ? root_ : std::string(1, c);
    injected_.emplace(text, root_ + "/sys/class/block", root_ + "/by-label");
  }

  String Name(const std::string &relative) const {
    return BytesToFileName(relative == "/" ? relative : root_ + "/" + relative);
  }

  const std::string kTable = "/dev/vda / ext4 rw 0 0\n"
                             "proc /proc proc rw 0 0\n"
                             "tmpfs /dev/shm tmpfs rw 0 0\n"
                             "overlay /var/lib/docker/1/merged overlay rw 0 0\n"
                             "/dev/sdb1 %/media/my\\040disk vfat rw 0 0\n"
                             "/dev/sdc1 %/mnt/a/ ext4 rw 0 0\n"
                             "/dev/sdc2 %/over ext4 rw 0 0\n"
                             "tmpfs %/over tmpfs rw 0 0\n"
                             "/dev/mmcblk0p1 %/card vfat rw 0 0\n"
                             "/dev/sr0 %/cd iso9660 ro 0 0\n"
                             "server:/export %/nfs nfs4 rw 0 0\n"
                             "//server/share %/cifs cifs rw 0 0\n"
                             "me@host:/home/me %/ssh fuse.sshfs rw 0 0\n"
                             "/dev/vda %/hosts ext4 rw 0 0\n"
                             "server:/x %/file-share nfs rw 0 0\n"
                             "/dev/sdc3 %/mnt/ab\n";

  testsupport::TempFolder temp_;
  std::string root_;
  std::optional<TScopedMountTable> injected_;
};

TEST_F(Volumes, VolumeOfAPathIsTheLongestMountPointByComponents) {
  struct Case {
    const char *path, *mount_point, *source, *fs_type;
    bool is_network, is_removable;
  };
  const Case cases[] = {
      {"media/my disk/sub", "media/my disk", "/dev/sdb1", "vfat", false, true},
      {"mnt/a/missing/deeper", "mnt/a", "/dev/sdc1", "ext4", false, false},
      {"link-to-a", "mnt/a", "/dev/sdc1", "ext4", false, false},
      {"mnt/ab/x", "/", "/dev/vda", "ext4", false, false}, // its own line is damaged
      {"over", "over", "tmpfs", "tmpfs", false, false},
      {"card", "card", "/dev/mmcblk0p1", "vfat", false, true},
      {"cd", "cd", "/dev/sr0", "iso9660", false, true},
      {"nfs/missing", "nfs", "server:/export", "nfs4", true, false},
      {"cifs", "cifs", "//server/share", "cifs", true, false},
      {"ssh", "ssh", "me@host:/home/me", "fuse.sshfs", true, false},
  };
  Inject(kTable);
  for (const Case &c : cases) {
    SCOPED_TRACE(c.path);
    std::optional<TVolume> volume = VolumeOfPath(Name(c.path));
    ASSERT_TRUE(volume.has_value());
    EXPECT_EQ(volume->mount_point, Name(c.mount_point));
    EXPECT_EQ(volume->source, ASCIIToString(c.source));
    EXPECT_EQ(volume->fs_type, ASCIIToString(c.fs_type));
    EXPECT_EQ(volume->is_network, c.is_network);
    EXPECT_EQ(volume->is_removable, c.is_removable);
  }
  EXPECT_FALSE(VolumeOfPath(u"").has_value());
  EXPECT_FALSE(VolumeOfPath(Name("mnt") + String(1, u'\0') + u"/a").has_value());
}

TEST_F(Volumes, RealVolumesAreDisksSharesAndAlwaysTheRoot) {
  struct Case {
    std::string table;
    std::vector<std::string> mount_points;
  };
  const Case cases[] = {
      {kTable, {"/", "card", "cd", "cifs", "file-share", "media/my disk", "mnt/a", "nfs", "ssh"}},
      {"proc /proc proc rw 0 0\n/dev/sdc1 %/mnt/a ext4 rw 0 0\n", {"/", "mnt/a"}},
      {"overlay / overlay rw 0 0\ntmpfs /run tmpfs rw 0 0\n", {"/"}},
      {"", {"/"}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.table);
    Inject(c.table);
    std::vector<String> got, want;
    for (const TVolume &volume : RealVolumes())
      got.push_back(volume.mount_point);
    for (const std::string &point : c.mount_points)
      want.push_back(Name(point));
    EXPECT_EQ(got, want);
  }
}

TEST_F(Volumes, LabelsComeFromTheLinksThatResolveToTheDevice) {
  const std::pair<const char *, const char *> links[] = {{"My\\x20Disk", "/dev/null"},
                                                         {"Data\\x2fBackup", "/dev/full"},
                                                         {"Bad\\x4", "/dev/zero"},
                                                         {"Gone", "/dev/no-such-device-here"}};
  for (auto [label, device] : links)
    fs::create_symlink(device, root_ + "/by-label/" + label);
  Inject(kTable);
  const std::pair<const char16_t *, const char16_t *> cases[] = {
      {u"/dev/null", u"My Disk"}, {u"/dev/full", u"Data/Backup"}, {u"/dev/zero", u"Bad\\x4"},
      {u"/dev/random", u""},      {u"server:/dev/null", u""},
  };
  for (auto [source, label] : cases) {
    TVolume volume;
    volume.source = source;
    EXPECT_EQ(VolumeLabel(volume), label) << StringToUTF8(source);
  }
}

TEST_F(Volumes, FreeSpaceAndSerialNumberOfTheNearestExistingAncestor) {
  EXPECT_GE(FreeSpaceOfPath(Name("missing/deeper")), 0);
  EXPECT_EQ(FreeSpaceOfPath(u""), -1);
  EXPECT_EQ(FreeSpaceOfPath(Name("mnt") + String(1, u'\0')), -1);
  // A link that cannot be resolved exists all the same: the folder above it would answer for
  // another volume.
  fs::create_symlink("loop", root_ + "/loop");
  EXPECT_EQ(FreeSpaceOfPath(Name("loop/x")), -1);
  EXPECT_FALSE(VolumeOfPath(Name("loop")).has_value());
  struct statvfs st;
  ASSERT_EQ(statvfs("/", &st), 0);
  EXPECT_EQ(SerialNumberOfVolume(u"/"), static_cast<uint32_t>(st.f_fsid));
  EXPECT_FALSE(SerialNumberOfVolume(u"").has_value());
}

TEST(VolumesOfThisMachine, TheRootIsListedFirstAndHoldsItself) {
  std::vector<TVolume> volumes = RealVolumes();
  ASSERT_FALSE(volumes.empty());
  EXPECT_EQ(volumes.front().mount_point, u"/");
  std::optional<TVolume> root = VolumeOfPath(u"/");
  ASSERT_TRUE(root.has_value());
  EXPECT_EQ(root->mount_point, u"/");
}

} // namespace
} // namespace textcore
