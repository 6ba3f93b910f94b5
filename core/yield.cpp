// The yield hook; see yield.h.
#include "core/yield.h"

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

void StartYieldHook() { AYieldProcessProc() = nullptr; }

void ClearYieldHook() { AYieldProcessProc() = nullptr; }

} // namespace textcore
