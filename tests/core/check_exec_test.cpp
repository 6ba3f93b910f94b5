#include "core/check_exec.h"
#include "platform/ui_services.h"

#include <gtest/gtest.h>

#include <vector>

namespace textcore {
namespace {

TEST(CheckExec, ShowsTheFailureForEachCodeAndReturnsTheCode) {
  struct Case {
    uint32_t code;
    String text; // empty: no box
  };
  const String name = u"/home/ann/notes.xyz";
  const std::vector<Case> cases = {
      {0, u"Not enough memory to run " + name},
      {8, u"Not enough memory to run " + name},
      {2, u"Can't access " + name},
      {3, u"Can't access " + name},
      {5, u"Can't access " + name},
      {16, name + u" already running"},
      {26, u"Sharing problem: " + name},
      {27, u"Can't handle files ending \".xyz\""},
      {31, u"Can't handle files ending \".xyz\""},
      {1, u"Can't communicate with " + name},
      {30, u"Can't communicate with " + name},
      {32, u""},
      {33, u""},
      {0xFFFFFFFF, u""},
  };
  for (const auto &c : cases) {
    TScriptedMessageBoxes boxes;
    EXPECT_EQ(CheckExec(c.code, name), c.code);
    if (c.text.empty()) {
      EXPECT_TRUE(boxes.Shown().empty()) << c.code;
      continue;
    }
    ASSERT_EQ(boxes.Shown().size(), 1u) << c.code;
    const TMessageBoxRequest &box = boxes.Shown()[0];
    EXPECT_EQ(box.text, c.text) << c.code;
    EXPECT_TRUE(box.caption.empty());
    EXPECT_EQ(box.buttons, TMsgDlgButtons{mbOK});
  }
}

} // namespace
} // namespace textcore
