// The suite's message dialog: an icon for the kind, the text, a row of buttons and, on request, a
// "never show this again" box at the left of that row.
//
// Built on QDialog rather than QMessageBox so that it answers exactly with the system's modal
// results: each button ends the dialog with its own number, Help only calls the help procedure
// and leaves the dialog open, and Escape or closing the window always answers Cancel (2), even
// when the only button is OK, so that no question is ever consented to by a stray key.
#pragma once

#include "platform/object.h"
#include "platform/ui_services.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QHBoxLayout;
class QPushButton;

namespace dialogkit {

class TMessageDialogForm : public QDialog {
public:
  // The default button is request.default_button when it is in the set, else the first button of
  // the set that is not Help. help_proc may be empty: Help then does nothing.
  TMessageDialogForm(const textcore::TMessageBoxRequest &request, textcore::TNotifyEvent help_proc,
                     QWidget *parent = nullptr);

  // The button for b, or nullptr when b is not in the set.
  QPushButton *Button(textcore::TMsgDlgBtn b) const { return fButtons[b]; }
  // Adds the check box left of the buttons, bottom-aligned with them; returns it.
  QCheckBox *AddNeverShowBox(const textcore::String &label);
  QCheckBox *NeverShowBox() const { return fNeverShow; }

  // Escape and the window's close button come here.
  void reject() override;

private:
  void HelpClicked();

  textcore::TNotifyEvent fHelpProc;
  std::array<QPushButton *, textcore::mbClose + 1> fButtons{};
  QHBoxLayout *fButtonRow = nullptr;
  QCheckBox *fNeverShow = nullptr;
};

// The button a dialog of this set starts on when the caller names none (or names one not in the
// set): OK when the set holds OK, else Yes when it holds Yes, else the first button that is not
// Help; Help itself only for a set of Help alone, and OK for an empty set.
textcore::TMsgDlgBtn DefaultButtonFor(textcore::TMsgDlgButtons buttons);

// The title a dialog shows when no caption is given: the kind's name from the message catalogue.
textcore::String KindTitle(textcore::TMsgDlgType kind);

} // namespace dialogkit
