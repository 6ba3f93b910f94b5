// Choosing a folder: ChosenFolder, and line edits with a folder button that offer it.
//
// ChosenFolder goes through a replaceable chooser, a Qt folder dialog unless replaced, so that
// tests and hosts without a screen choose without a modal dialog. There is no designer palette
// registration.
#pragma once

#include "platform/strings.h"

#include <QLineEdit>

#include <functional>

namespace filekit {

// The folder the user chose, or "" when they cancelled (or no dialog can be shown).
using TFolderChooser = std::function<textcore::String(const textcore::String &title,
                                                      const textcore::String &button_caption,
                                                      const textcore::String &suggested)>;

// A folder dialog titled title, its accepting button captioned button_caption, starting at
// suggested; "" on Cancel, and without a QApplication.
textcore::String ChosenFolder(const textcore::String &title, const textcore::String &button_caption,
                              const textcore::String &suggested);
// Replaces the chooser ChosenFolder uses and returns the one it replaces; an empty one restores
// the folder dialog.
TFolderChooser SetFolderChooser(TFolderChooser chooser);

// A line edit with a folder button at its end. Pressing the button calls OnButtonPressing, then
// offers ChosenFolder ("Select a folder", "Select") starting at the edit's text; a folder chosen
// is kept in Folder, shown in the edit, and told to OnFolderChosen.
class TMyOpenFolderDialog : public QLineEdit {
public:
  explicit TMyOpenFolderDialog(QWidget *AOwner = nullptr);

  const textcore::String &Folder() const { return fFolder; }
  // Presses the button, as a click does.
  void PressButton();

  std::function<void()> OnButtonPressing;
  std::function<void(const textcore::String &folder)> OnFolderChosen;

private:
  textcore::String fFolder;
};

// The same control, under the name the file-choosing forms know it by.
class TMyOpenFileDialog : public TMyOpenFolderDialog {
public:
  using TMyOpenFolderDialog::TMyOpenFolderDialog;
};

// A line edit with a button at its end that only tells OnButtonClick.
class TMyFolderButtonEdit : public QLineEdit {
public:
  explicit TMyFolderButtonEdit(QWidget *AOwner = nullptr);
  void PressButton();

  std::function<void()> OnButtonClick;
};

} // namespace filekit
