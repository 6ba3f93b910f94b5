#include "files/drive_letters.h"

#include "platform/mount_table.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace textcore {
namespace {

TEST(DriveLetters, OnlyCIsADriveAndItIsTheRoot) {
  DriveBits = 0;
  for (const auto &[letter, valid] : std::vector<std::pair<char16_t, bool>>{
           {u'c', true}, {u'C', true}, {u'a', false}, {u'D', false}, {u'1', false}})
    EXPECT_EQ(ValidDriveW(letter), valid) << char(letter);
  EXPECT_FALSE(ValidDrive('\xE7'));
  EXPECT_EQ(DriveBits, 1u << 2);
  for (const auto &[path, root] : std::vector<std::pair<StringView, bool>>{
           {u"c:", true}, {u"D:\\", true}, {u"c:\\x", false}, {u"1:", false}, {u"c:\\\\", false}})
    EXPECT_EQ(IsDriveRoot(path), root) << StringToUTF8(path);
}

TEST(DriveLetters, ANetworkShareIsNoFixedDrive) {
  testsupport::TempFolder temp;
  const std::string root = std::filesystem::canonical(temp.Path()).string();
  std::filesystem::create_directories(root + "/nfs/texts");
  TScopedMountTable table("overlay / overlay rw 0 0\nserver:/export " + root + "/nfs nfs4 rw 0 0\n",
                          root + "/sys", root + "/by-label");
  EXPECT_FALSE(Fixed_Drive(UTF8ToString(root + "/nfs/texts")));
  EXPECT_TRUE(Fixed_Drive(UTF8ToString(root + "/missing/deeper"))); // its nearest folder answers
  EXPECT_TRUE(Fixed_Drive(u"c:\\"));
  EXPECT_FALSE(Fixed_Drive(u"d:\\"));
  EXPECT_FALSE(Fixed_Drive(u""));
}

} // namespace
} // namespace textcore
