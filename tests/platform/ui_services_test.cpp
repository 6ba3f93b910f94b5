#include "platform/ui_services.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace textcore {
namespace {

std::vector<String> &SinkLines() {
  static std::vector<String> lines;
  return lines;
}
void RecordLine(const String &line) { SinkLines().push_back(line); }

TEST(UIServices, HeadlessBoxesAnswerSafelyAndReachTheLogSink) {
  struct Case {
    TMsgDlgButtons buttons;
    TMsgDlgBtn default_button;
    bool destroys_data;
    int32_t answer;
  };
  const std::vector<Case> cases = {
      {{mbOK}, mbOK, false, mrOk},
      {{mbYes, mbNo}, mbYes, false, mrYes},
      {{mbYes, mbNo, mbCancel}, mbYes, true, mrCancel},
      {{mbYes, mbNo}, mbYes, true, mrNo},
      {{mbOK}, mbOK, true, mrOk},                 // nothing to refuse with
      {{mbRetry, mbAbort}, mbOK, false, mrAbort}, // a default that is not offered
  };
  const TMessageBoxLogSink saved_sink = SetMessageBoxLogSink(&RecordLine);
  for (const auto &c : cases) {
    SinkLines().clear();
    TMessageBoxRequest request{u"Overwrite", u"Replace a.lst?", mtConfirmation,
                               c.buttons,    c.default_button,  c.destroys_data};
    EXPECT_EQ(ShowMessageBox(request), c.answer);
    ASSERT_EQ(SinkLines().size(), 1u);
    EXPECT_EQ(SinkLines()[0].find(u"message box \"Overwrite\": Replace a.lst? [answered "), 0u);
  }
  SetMessageBoxLogSink(saved_sink);
}

TEST(UIServices, ScriptedBoxesRecordAndAnswerThenRestoreTheHandler) {
  int outer_calls = 0;
  auto previous = SetMessageBoxHandler([&](const TMessageBoxRequest &) {
    ++outer_calls;
    return mrIgnore;
  });
  {
    TScriptedMessageBoxes boxes;
    boxes.Answer(mrNo);
    TMessageBoxRequest request{u"Cap", u"Text", mtWarning, {mbYes, mbNo}, mbYes, false};
    EXPECT_EQ(ShowMessageBox(request), mrNo);
    EXPECT_EQ(ShowMessageBox(request), mrYes); // queue empty: the headless answer
    ASSERT_EQ(boxes.Shown().size(), 2u);
    EXPECT_EQ(boxes.Shown()[0].caption, u"Cap");
    EXPECT_EQ(boxes.Shown()[0].kind, mtWarning);
    EXPECT_EQ(outer_calls, 0);
  }
  EXPECT_EQ(ShowMessageBox(TMessageBoxRequest{}), mrIgnore);
  EXPECT_EQ(outer_calls, 1);
  // A handler that raises is answered headless rather than letting the error through.
  SetMessageBoxHandler(
      [](const TMessageBoxRequest &) -> int32_t { throw std::runtime_error("no screen"); });
  EXPECT_EQ(ShowMessageBox(TMessageBoxRequest{}), mrOk);
  SetMessageBoxHandler(std::move(previous));
}

TEST(UIServices, ScreenFactsAreAskedEachTimeAndFallBackToHeadless) {
  const TScreenFactsProvider saved = SetScreenFactsProvider(nullptr);
  EXPECT_EQ(ScreenFacts().work_area, (TRect{0, 0, 1024, 768}));
  EXPECT_EQ(ScreenFacts().pixels_per_inch, 96);
  // A provider installed later (a screen that comes after start-up) is seen at once.
  int32_t dpi = 120;
  SetScreenFactsProvider([&] { return TScreenFacts{{0, 30, 1920, 1050}, dpi}; });
  EXPECT_EQ(ScreenFacts().work_area.Height(), 1020);
  dpi = 144;
  EXPECT_EQ(ScreenFacts().pixels_per_inch, 144);
  SetScreenFactsProvider([]() -> TScreenFacts { throw std::runtime_error("screen gone"); });
  EXPECT_EQ(ScreenFacts().pixels_per_inch, 96);
  SetScreenFactsProvider(saved);
}

// The results are the system's own numbers, which tools compare with and store.
TEST(UIServices, ButtonsGiveTheSystemsModalResults) {
  const std::pair<TMsgDlgBtn, int32_t> results[] = {
      {mbOK, 1}, {mbCancel, 2}, {mbAbort, 3},   {mbRetry, 4},     {mbIgnore, 5}, {mbYes, 6},
      {mbNo, 7}, {mbAll, 8},    {mbNoToAll, 9}, {mbYesToAll, 10}, {mbClose, 11},
  };
  for (const auto &[button, result] : results)
    EXPECT_EQ(ModalResultOf(button), result) << int(button);
}

} // namespace
} // namespace textcore
