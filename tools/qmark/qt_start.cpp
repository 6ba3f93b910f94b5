// Starting Qt for a qmark command; see qt_start.h.
#include "tools/qmark/qt_start.h"

#include <QApplication>

#include <cstdlib>

namespace qmark {

namespace {

QtMessageHandler previous_handler = nullptr;

void DropRuntimeFolderWarning(QtMsgType type, const QMessageLogContext &context,
                              const QString &message) {
  if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
    return;
  if (previous_handler != nullptr)
    previous_handler(type, context, message);
}

} // namespace

std::unique_ptr<QGuiApplication> StartQt(bool widgets) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  if (previous_handler == nullptr)
    previous_handler = qInstallMessageHandler(DropRuntimeFolderWarning);
  // Qt keeps argc and argv for the application's life.
  static int argc = 1;
  static char name[] = "qmark";
  static char *argv[] = {name, nullptr};
  if (widgets)
    return std::make_unique<QApplication>(argc, argv);
  return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace qmark
