// The bounded waits; see bounded_waits.h.
#include "core/bounded_waits.h"
#include "core/yield.h"

#include <chrono>
#include <thread>

namespace textcore {

namespace {

// keep_waiting() is true while the wait must go on.
template <typename Condition> bool WaitWhile(Condition &&keep_waiting, int32_t Seconds) {
  if (!keep_waiting())
    return false;
  const auto started = std::chrono::steady_clock::now();
  for (;;) {
    for (int i = 0; i < 4; ++i)
      MyYieldProcess();
    if (!keep_waiting())
      return false;
    const int64_t elapsed =
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - started)
            .count();
    if (elapsed > int64_t{Seconds})
      return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

} // namespace

bool EspereFuncao(const TBoolFunct &Func, int32_t Seconds) {
  return WaitWhile([&] { return Func && Func(); }, Seconds);
}

bool WaitTillDone(const bool &Done, int32_t Seconds) {
  return WaitWhile([&] { return !Done; }, Seconds);
}

bool WaitedFor(const bool &Busy, int32_t Seconds) {
  return WaitWhile([&] { return Busy; }, Seconds);
}

} // namespace textcore
