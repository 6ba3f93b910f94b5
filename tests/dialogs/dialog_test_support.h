// Running a message dialog in a test: the action is applied once the dialog is up inside its own
// modal loop; a dialog still open five seconds later is closed with -1 so no test can hang.
#pragma once

#include "dialogs/form_centred_message_dlg.h"
#include "dialogs/message_dialog_form.h"

#include <QTimer>

#include <functional>

namespace testsupport {

using DialogAction = std::function<void(dialogkit::TMessageDialogForm &, dialogkit::TWrapper &)>;

class DialogDriver {
public:
  explicit DialogDriver(DialogAction action) {
    fPrevious = dialogkit::SetMessageDlgShownHook(
        [this, action](dialogkit::TMessageDialogForm &form, dialogkit::TWrapper &wrapper) {
          ++shown;
          QTimer::singleShot(0, &form, [action, &form, &wrapper] { action(form, wrapper); });
          QTimer::singleShot(5000, &form, [&form] { form.done(-1); });
        });
  }
  ~DialogDriver() { dialogkit::SetMessageDlgShownHook(std::move(fPrevious)); }
  DialogDriver(const DialogDriver &) = delete;
  DialogDriver &operator=(const DialogDriver &) = delete;

  int shown = 0;

private:
  dialogkit::TMessageDlgShownHook fPrevious;
};

} // namespace testsupport
