// The installed message box; see qt_message_box.h.
#include "dialogs/qt_message_box.h"

#include "dialogs/message_dialog_form.h"

#include "definitions/process_variables.h"

#include <QApplication>

namespace dialogkit {

using namespace textcore;

namespace {

int32_t InstalledMessageBox(const TMessageBoxRequest &request) {
  return QtMessageBox(request, qApp != nullptr);
}

} // namespace

int32_t QtMessageBox(const TMessageBoxRequest &request, bool has_application) {
  if (!has_application)
    return ShowHeadlessMessageBox(request);
  TMessageDialogForm form(request, Global_HelpProc());
  return form.exec();
}

TQtMessageBoxes::TQtMessageBoxes() { SetMessageBoxHandler(InstalledMessageBox); }

TQtMessageBoxes::~TQtMessageBoxes() {
  TMessageBoxHandler current = SetMessageBoxHandler({});
  using Function = int32_t (*)(const TMessageBoxRequest &);
  const Function *installed = current.target<Function>();
  if (installed == nullptr || *installed != &InstalledMessageBox)
    SetMessageBoxHandler(std::move(current));
}

} // namespace dialogkit
