// filekit's start-up and clean-up: while the library is loaded, system colours follow the Qt
// palette (once an application exists).
#include "platform/qt_colours.h"

namespace filekit {
namespace {

const textcore::TQtSystemColours system_colours;

} // namespace
} // namespace filekit
