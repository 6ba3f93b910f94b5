// unidisplay's start-up and clean-up: while the library is loaded, system colours follow the Qt
// palette and device contexts measure with Qt's fonts (once an application exists), and the
// character-set table with its font lists exists.
#include "fonts/unidisplay_lifetime.h"

#include "fonts/qpainter_device_context.h"
#include "platform/qt_colours.h"

namespace unidisplay {
namespace {

struct UnidisplayLifetime {
  UnidisplayLifetime() { StartFont_basicsu(); }
  ~UnidisplayLifetime() { FinishFont_basicsu(); }
};

const textcore::TQtSystemColours system_colours;
const TQtDeviceContexts device_contexts;
const UnidisplayLifetime the_lifetime;

} // namespace
} // namespace unidisplay
