// The environment's facts, and the module's start-up and clean-up.
#include "files/environment_data.h"

#include "core/logging_utilities.h"
#include "messages/message_names.h"
#include "platform/bool_strings.h"
#include "platform/exceptions.h"
#include "platform/textcore_lifetime.h"
#include "platform/ui_services.h"

#include <cerrno>

namespace textcore {

TRect Work_Area() { return ScreenFacts().work_area; }

int32_t PixelsPerInch() { return ScreenFacts().pixels_per_inch; }

String GetLastErrorString() {
  String text = SysErrorMessage(errno);
  if (text.size() > 255)
    text.resize(255);
  return text;
}

void StartWingenok() {
  TrueBoolStrs() = {String(_QMYes.Text()), String(_QMTrue.Text())};
  FalseBoolStrs() = {String(_QMNo.Text()), String(_QMFalse.Text())};
}

void FinishWingenok() noexcept {
  // No line break: the next module to quit finishes the line.
  if (keeping_log)
    AddToLogFile(u"quit wingenok, ", false);
  TrueBoolStrs().clear();
  FalseBoolStrs().clear();
}

} // namespace textcore
