#include "files/sub_folders.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace textcore {
namespace {

namespace fs = std::filesystem;

std::vector<String> Items(std::unique_ptr<TStringList> list) {
  std::vector<String> items;
  for (int32_t i = 0; i < list->Count(); ++i)
    items.push_back(list->Strings(i));
  return items;
}

TEST(SubFolders, ParentsBeforeChildrenInTheirOwnCaseWithoutHiddenOnesOrLoops) {
  testsupport::TempFolder folder;
  for (const char *sub : {"Texts/Old", "Texts/new", "b", ".hidden/inner", "Texts/.git"})
    fs::create_directories(folder.File(sub));
  fs::create_directory_symlink(folder.Path(), folder.File("b/up")); // back to the top: a loop
  fs::create_directory_symlink(folder.File("Texts/Old"), folder.File("b/old"));
  const String top = UTF8ToString(folder.Path().string());
  EXPECT_EQ(Items(ListOfSubFolders(top, true)),
            (std::vector<String>{top, top + u"/b", top + u"/b/old", top + u"/Texts",
                                 top + u"/Texts/new", top + u"/Texts/Old"}));
  EXPECT_EQ(Items(ListOfSubFolders(top, false)), std::vector<String>{top});
  EXPECT_EQ(Items(ListOfSubFolders(top + u"\\Texts\\", true)),
            (std::vector<String>{top + u"\\Texts\\", top + u"/Texts/new", top + u"/Texts/Old"}));
  EXPECT_EQ(Items(ListOfSubFolders(u"", true)), std::vector<String>{u""}); // not the root
}

} // namespace
} // namespace textcore
