// The system's strings in Qt: String and QString hold the same UTF-16 units, so each converts to
// the other unit for unit.
//
// Header-only, for the Qt libraries of this repository (textcore links no Qt), with internal
// linkage as platform/qt_colours.h has it.
#pragma once

#include "platform/strings.h"

#include <QString>

namespace textcore {
namespace {

inline String FromQString(const QString &text) {
  return String(reinterpret_cast<const char16_t *>(text.utf16()), static_cast<size_t>(text.size()));
}

inline QString ToQString(StringView text) {
  return QString(reinterpret_cast<const QChar *>(text.data()), static_cast<qsizetype>(text.size()));
}

} // namespace
} // namespace textcore
