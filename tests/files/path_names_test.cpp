#include "files/app_placeholders.h"
#include "files/path_names.h"

#include "platform/file_names.h"
#include "platform/file_ops.h"
#include "platform/mount_table.h"

#include <gtest/gtest.h>

namespace textcore {
namespace {

TEST(PathNames, NamesAreCleanedCutAndCountedAtEitherDelimiter) {
  struct Case {
    String text, cleaned, up_to_2, no_dots;
    int32_t delimiters;
  } cases[] = {
      {u"C:\\x\\a|b?c.txt", u"abc.txt", u"C:\\x", u"C:\\x\\a|b?ctxt", 2},
      {u"C:\\x\\a:b.txt", u"b.txt", u"C:\\x", u"C:\\x\\a:btxt", 2}, // the colon ends the folder
      {u"/home/x/tab\there.txt", u"tabhere.txt", u"/home", u"/home/x/tab\theretxt", 3},
      {u"a<b>c^d+e=f[g]h\"i*j", u"abcdefghij", u"", u"a<b>c^d+e=f[g]h\"i*j", 0},
      {u"", u"", u"", u"", 0},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(CleanedUpFilename(c.text), c.cleaned) << StringToUTF8(c.text);
    EXPECT_EQ(NameUpToXPathDelimiters(c.text, 2), c.up_to_2) << StringToUTF8(c.text);
    EXPECT_EQ(RemoveDotsFromFilename(c.text), c.no_dots);
    EXPECT_EQ(PathDelimiterCount(c.text), c.delimiters);
  }
  EXPECT_EQ(NameUpToXPathDelimiters(u"C:\\a\\b\\c.txt", 4), u"");
  EXPECT_EQ(NameUpToXPathDelimiters(u"C:\\a\\b\\c.txt", 0), u"");
}

TEST(PathNames, SubFoldersFiltersAndParameters) {
  struct Case {
    String file, base, sub;
  } subs[] = {
      {u"/base/sub/x.txt", u"/base", u"sub/"},
      {u"C:\\base\\sub\\x.txt", u"C:\\base\\", u"sub\\"},
      {u"/base/x.txt", u"/base", u""},
      {u"/other/sub/x.txt", u"/base", u""}, // outside the base: no path, and no ".."
      {u"/basement/x.txt", u"/base", u""},
  };
  for (const Case &c : subs)
    EXPECT_EQ(NewSubFolderFrom(c.file, c.base), c.sub) << StringToUTF8(c.file);
  EXPECT_EQ(FileFilterWithinFilterText(u"Text files (*.txt)"), u"*.txt");
  EXPECT_EQ(FileFilterWithinFilterText(u"  All files  "), u"All files");
  EXPECT_EQ(FileFilterWithinFilterText(u"Nothing ( )"), u"*.*");
  EXPECT_EQ(FileFilterWithinFilterText(u"Odd )("), u"Odd )(");
  EXPECT_EQ(FormattedFNAsParameter(ProgramFileName()), u"\"" + ProgramFileName() + u"\"");
  EXPECT_EQ(FormattedFNAsParameter(u"/no/such/file"), u"/no/such/file");
  EXPECT_EQ(GetLongPathNameW(u"/usr//./lib/../bin"), u"/usr/bin");
}

TEST(AppPlaceholders, TheProgramFolderBecomesThePlaceholderAndBack) {
  struct Case {
    String folder, name, stored;
  } cases[] = {
      {u"/app/", u"/app/sub/f.txt", u"$userdir/sub/f.txt"},
      {u"/app/", u"/app/", u"/app/"}, // the folder itself is left alone
      {u"/app/", u"/application/f.txt", u"/application/f.txt"},
      {u"/app/", u"/App/f.txt", u"/App/f.txt"}, // names keep their case on Linux
      {u"/app/", u"texts/f.txt", u"texts/f.txt"},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(ConvertedUserFolderInFilename(c.folder, c.name, true), c.stored);
    EXPECT_EQ(ConvertedUserFolderInFilename(c.folder, c.stored, false), c.name);
  }
  // A stored Windows name comes back with the program's folder and "/" between its folders.
  EXPECT_EQ(ConvertedFilenameFromUserDirFName(u"/opt/qm", u"$userdir\\sub\\f.txt"),
            u"/opt/qm/sub/f.txt");
  EXPECT_EQ(ConvertedFilenameFromUserDirFName(u"/opt/qm/", u"junk$userdir/f.txt"),
            u"/opt/qm/f.txt");
  const String mine = ProgramFolder() + u"lists/a.lst";
  EXPECT_EQ(ConvertedAppFolderInFilename(mine, true), u"$userdir/lists/a.lst");
  EXPECT_EQ(ConvertedAppFolderInFilename(u"$userdir/lists/a.lst", false), mine);
  TStringList lines;
  lines.Add(mine);
  lines.Add(u"/elsewhere/b.lst");
  CheckUserDirConstFolder(lines, true);
  EXPECT_EQ(lines.CommaText(), u"$userdir/lists/a.lst,/elsewhere/b.lst");
}

TEST(AppPlaceholders, TheProgramDriveIsTheMountPointOfItsVolume) {
  const String folder = ExcludeTrailingPathDelimiter(CanonicalFileName(ProgramFolder()));
  const TScopedMountTable table("/dev/sda1 / ext4 rw 0 0\n/dev/sdb1 " + FileNameToBytes(folder) +
                                    " ext4 rw 0 0\n",
                                "/nonexistent", "/nonexistent");
  EXPECT_EQ(ProgramDrive(), folder);
  const String name = folder + u"/texts/a.txt";
  EXPECT_EQ(ConvertedFilenameIfUserDrive(name, true), u"$user_drive/texts/a.txt");
  EXPECT_EQ(ConvertedFilenameIfUserDrive(u"$user_drive/texts/a.txt", false), name);
  EXPECT_EQ(ConvertedFilenameIfUserDrive(u"/etc/hosts", true), u"/etc/hosts"); // another drive
  EXPECT_EQ(ConvertedFilenameIfUserDrive(u"texts/a.txt", true), u"texts/a.txt");
  EXPECT_EQ(ConvertedFilenameIfUserDrive(u"$USER_DRIVE/x", false), u"$USER_DRIVE/x");
}

} // namespace
} // namespace textcore
