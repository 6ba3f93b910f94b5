// The yield hook; see yield.h.
#include "core/yield.h"
#include "core/logging_utilities.h"
#include "core/stop_flags.h"
#include "platform/textcore_lifetime.h"

namespace textcore {

TYieldProcessProc &AYieldProcessProc() {
  // Made during textcore's start-up, so it outlives the lifetime object that clears it.
  static TYieldProcessProc hook;
  return hook;
}

void MyYieldProcess() {
  TYieldProcessProc &hook = AYieldProcessProc();
  if (hook)
    hook();
}

void StartMykpsmall() noexcept {
  ResetStopFlags();
  AYieldProcessProc() = nullptr; // makes the hook's storage before anything can use it
}

void FinishMykpsmall() noexcept {
  AYieldProcessProc() = nullptr;
  if (keeping_log)
    AddToLogFile(u"quit myKpSmall", true);
}

} // namespace textcore
