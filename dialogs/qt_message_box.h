// The message box that dialogkit installs into the user-interface services while it is loaded:
// the suite's own dialog (message_dialog_form.h) whenever a QApplication exists, and the
// headless answer, logged, before one does or after it has gone.
#pragma once

#include "platform/ui_services.h"

#include <cstdint>

namespace dialogkit {

// Shows the request as the suite's dialog, centred on the screen, when has_application; else
// answers it headless. Its Help button calls Global_HelpProc.
int32_t QtMessageBox(const textcore::TMessageBoxRequest &request, bool has_application);

// While it lives, ShowMessageBox goes through QtMessageBox. It leaves alone a handler that was
// installed over it in the meantime.
class TQtMessageBoxes {
public:
  TQtMessageBoxes();
  ~TQtMessageBoxes();
  TQtMessageBoxes(const TQtMessageBoxes &) = delete;
  TQtMessageBoxes &operator=(const TQtMessageBoxes &) = delete;
};

} // namespace dialogkit
