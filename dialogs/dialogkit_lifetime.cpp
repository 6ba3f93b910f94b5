// dialogkit's start-up and clean-up: while the library is loaded, system colours follow the Qt
// palette and message boxes are the suite's Qt dialogs (once an application exists).
#include "dialogs/qt_message_box.h"
#include "platform/qt_colours.h"

namespace dialogkit {
namespace {

const textcore::TQtSystemColours system_colours;
const TQtMessageBoxes message_boxes;

} // namespace
} // namespace dialogkit
