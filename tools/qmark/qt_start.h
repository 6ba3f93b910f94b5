// Qt for the qmark commands that ask for fonts or draw pictures: always offscreen, since they
// need no screen and must never put a window on one, and without Qt's warning that
// XDG_RUNTIME_DIR is not set, which says nothing about the command's work and which a
// command-line run (over ssh, from cron, in a container) commonly meets.
#pragma once

#include <QGuiApplication>

#include <memory>

namespace qmark {

// A QApplication when widgets, else a QGuiApplication; the caller keeps it while Qt is used.
// Nothing may exist of Qt's application yet.
std::unique_ptr<QGuiApplication> StartQt(bool widgets);

} // namespace qmark
