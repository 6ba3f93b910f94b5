// The folder chooser and the line edits with a folder button.
#include "filekit/folder_controls.h"

#include "messages/message_names.h"
#include "platform/qt_strings.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QStyle>

namespace filekit {

using textcore::String;

namespace {

String DialogChoice(const String &title, const String &button_caption, const String &suggested) {
  if (qApp == nullptr)
    return {};
  QFileDialog dialog(nullptr, textcore::ToQString(title), textcore::ToQString(suggested));
  dialog.setFileMode(QFileDialog::Directory);
  dialog.setOption(QFileDialog::ShowDirsOnly, true);
  dialog.setLabelText(QFileDialog::Accept, textcore::ToQString(button_caption));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return {};
  return textcore::FromQString(dialog.selectedFiles().front());
}

TFolderChooser &Chooser() {
  static TFolderChooser chooser;
  return chooser;
}

// The folder button at the end of edit, calling pressed.
void AddFolderButton(QLineEdit &edit, std::function<void()> pressed) {
  QAction *button =
      edit.addAction(edit.style()->standardIcon(QStyle::SP_DirIcon), QLineEdit::TrailingPosition);
  QObject::connect(button, &QAction::triggered, &edit, std::move(pressed));
}

} // namespace

String ChosenFolder(const String &title, const String &button_caption, const String &suggested) {
  const TFolderChooser chooser = Chooser();
  return chooser ? chooser(title, button_caption, suggested)
                 : DialogChoice(title, button_caption, suggested);
}

TFolderChooser SetFolderChooser(TFolderChooser chooser) {
  TFolderChooser previous = std::move(Chooser());
  Chooser() = std::move(chooser);
  return previous;
}

TMyOpenFolderDialog::TMyOpenFolderDialog(QWidget *AOwner) : QLineEdit(AOwner) {
  AddFolderButton(*this, [this] { PressButton(); });
}

void TMyOpenFolderDialog::PressButton() {
  if (OnButtonPressing)
    OnButtonPressing();
  const String chosen =
      ChosenFolder(textcore::_QMSelectFolder, textcore::_QMSelect, textcore::FromQString(text()));
  if (chosen.empty())
    return;
  fFolder = chosen;
  setText(textcore::ToQString(chosen));
  if (OnFolderChosen)
    OnFolderChosen(chosen);
}

TMyFolderButtonEdit::TMyFolderButtonEdit(QWidget *AOwner) : QLineEdit(AOwner) {
  AddFolderButton(*this, [this] { PressButton(); });
}

void TMyFolderButtonEdit::PressButton() {
  if (OnButtonClick)
    OnButtonClick();
}

} // namespace filekit
