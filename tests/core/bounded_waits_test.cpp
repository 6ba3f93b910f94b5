#include "core/bounded_waits.h"
#include "core/stop_flags.h"
#include "core/yield.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace textcore {
namespace {

// Installs a counting yield hook for one test and takes it away again.
class CountingHook {
public:
  explicit CountingHook(std::function<void(int)> on_call = {}) {
    saved_ = AYieldProcessProc();
    AYieldProcessProc() = [this, on_call] {
      ++calls_;
      if (on_call)
        on_call(calls_);
    };
  }
  ~CountingHook() { AYieldProcessProc() = saved_; }
  int Calls() const { return calls_; }

private:
  TYieldProcessProc saved_;
  int calls_ = 0;
};

TEST(Yield, MyYieldProcessCallsTheHookOnlyWhenAssigned) {
  ASSERT_FALSE(AYieldProcessProc()); // nothing assigns it at load
  MyYieldProcess();
  CountingHook hook;
  MyYieldProcess();
  MyYieldProcess();
  EXPECT_EQ(hook.Calls(), 2);
}

TEST(Yield, FlagsStartAtTheirLoadValues) {
  EXPECT_EQ(panic_mode, panic_no_panic);
  EXPECT_FALSE(yes_to_all || no_to_all || Global_ErrorMessageBusy);
  EXPECT_EQ(sizeof(panic_mode), 1u);
  EXPECT_EQ(panic_stop, 3);
}

struct WaitCase {
  std::string name;
  bool start;      // the flag's value at the call
  int clear_after; // the hook flips the flag on this call; 0 never
  int32_t seconds;
  bool timed_out;
  int min_calls, max_calls;
};

// Each wait runs over the same flag: WaitedFor waits while it is true, WaitTillDone until it is
// true (so it gets the inverse), EspereFuncao while a function returns it.
TEST(BoundedWaits, EndOnTheConditionOrAfterMoreThanSecondsWholeSeconds) {
  const std::vector<WaitCase> cases = {
      {"already met", false, 0, 10, false, 0, 0},
      {"met after two rounds", true, 6, 10, false, 8, 8},
      {"met on the first call", true, 1, 10, false, 4, 4},
      {"negative seconds", true, 0, -1, true, 4, 4},
      {"zero seconds", true, 0, 0, true, 8, 1 << 30},
  };
  for (const auto &c : cases) {
    for (int form = 0; form < 3; ++form) {
      bool busy = c.start;
      bool done = !c.start;
      CountingHook hook([&](int call) {
        if (call == c.clear_after) {
          busy = false;
          done = true;
        }
      });
      bool result = false;
      if (form == 0)
        result = WaitedFor(busy, c.seconds);
      else if (form == 1)
        result = WaitTillDone(done, c.seconds);
      else
        result = EspereFuncao([&] { return busy; }, c.seconds);
      EXPECT_EQ(result, c.timed_out) << c.name << " form " << form;
      EXPECT_GE(hook.Calls(), c.min_calls) << c.name << " form " << form;
      EXPECT_LE(hook.Calls(), c.max_calls) << c.name << " form " << form;
      EXPECT_EQ(hook.Calls() % 4, 0) << c.name;
      if (c.name == "zero seconds")
        break; // a second per form is enough
    }
  }
}

TEST(BoundedWaits, AnUnassignedFunctionCountsAsDone) {
  EXPECT_FALSE(EspereFuncao(TBoolFunct(), 5));
}

} // namespace
} // namespace textcore
