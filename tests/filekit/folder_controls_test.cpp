// The folder chooser seam and the line edits with a folder button, offscreen.
#include "filekit/folder_controls.h"

#include "support/qt_application.h"

#include <gtest/gtest.h>

#include <QAction>

namespace filekit {
namespace {

using textcore::String;

TEST(FolderControls, TheButtonOffersTheChooserAndKeepsAChoice) {
  testsupport::QtApplication();
  std::vector<String> asked;
  String answer = u"/data/texts";
  const TFolderChooser previous =
      SetFolderChooser([&](const String &title, const String &caption, const String &suggested) {
        asked = {title, caption, suggested};
        return answer;
      });
  TMyOpenFolderDialog edit;
  edit.setText(QStringLiteral("/data"));
  int pressing = 0;
  std::vector<String> chosen;
  edit.OnButtonPressing = [&] { ++pressing; };
  edit.OnFolderChosen = [&](const String &folder) { chosen.push_back(folder); };
  // The button is the edit's own trailing action.
  ASSERT_EQ(edit.actions().size(), 1);
  edit.actions().front()->trigger();
  EXPECT_EQ(asked, (std::vector<String>{u"Select a folder", u"Select", u"/data"}));
  EXPECT_EQ(edit.Folder(), u"/data/texts");
  EXPECT_EQ(edit.text(), QStringLiteral("/data/texts"));
  // A cancelled choice changes nothing.
  answer.clear();
  edit.PressButton();
  EXPECT_EQ(pressing, 2);
  EXPECT_EQ(chosen, (std::vector<String>{u"/data/texts"}));
  EXPECT_EQ(edit.Folder(), u"/data/texts");
  SetFolderChooser(previous);

  TMyFolderButtonEdit plain;
  int clicks = 0;
  plain.OnButtonClick = [&] { ++clicks; };
  plain.actions().front()->trigger();
  EXPECT_EQ(clicks, 1);
}

} // namespace
} // namespace filekit
