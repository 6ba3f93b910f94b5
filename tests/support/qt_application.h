// The one Qt application of a test program, made on first use and kept until the program ends
// (Qt allows one per process). Tests run on the offscreen platform, which ctest sets; a test run
// by hand gets it here too.
#pragma once

#include <QApplication>

#include <cstdlib>

namespace testsupport {

inline QApplication &QtApplication() {
  static int argc = 1;
  static char name[] = "quillmark-tests";
  static char *argv[] = {name, nullptr};
  static QApplication *application = [] {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    return new QApplication(argc, argv);
  }();
  return *application;
}

} // namespace testsupport
