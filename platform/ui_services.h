// User-interface services: the message box and the facts of the screen.
//
// Every question or notice the libraries show goes through ShowMessageBox. Out of the box it is
// headless: the box is written to the log sink and answered with its default button, or with
// Cancel (failing that, No) when the question would destroy data, so that a program without a
// screen never loses anything by a silent "yes". A host with a screen installs its own handler
// (dialogkit does, when a QApplication exists). Tests install a TScriptedMessageBoxes to see the
// exact caption, text and buttons shown and to choose the answers.
//
// The screen's facts (its work area and resolution) come from a provider in the same way: headless
// a 1024 x 768 work area at 0,0 and 96 pixels per inch, or whatever the installed provider
// answers. They are asked for each time, never kept, so a screen installed after start-up is seen.
// So do the system colours: fixed values headless (those of a common light desktop theme), or the
// installed provider's (the palette of a Qt library's QApplication). And so do the device contexts
// that text is measured and drawn on: headless ones of fixed character widths
// (platform/device_context.h), or the installed provider's (a QPainter's).
#pragma once

#include "platform/device_context.h"

#include "platform/rect.h"
#include "platform/set.h"
#include "platform/strings.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace textcore {

enum TMsgDlgType : uint8_t { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

enum TMsgDlgBtn : uint8_t {
  mbYes,
  mbNo,
  mbOK,
  mbCancel,
  mbAbort,
  mbRetry,
  mbIgnore,
  mbAll,
  mbNoToAll,
  mbYesToAll,
  mbHelp,
  mbClose,
};
using TMsgDlgButtons = Set<TMsgDlgBtn, 12>;

// The modal results a message box answers with.
constexpr int32_t mrNone = 0;
constexpr int32_t mrOk = 1;
constexpr int32_t mrCancel = 2;
constexpr int32_t mrAbort = 3;
constexpr int32_t mrRetry = 4;
constexpr int32_t mrIgnore = 5;
constexpr int32_t mrYes = 6;
constexpr int32_t mrNo = 7;
constexpr int32_t mrAll = 8;
constexpr int32_t mrNoToAll = 9;
constexpr int32_t mrYesToAll = 10;
constexpr int32_t mrClose = 11;
// Not one of the system's results; a number past them, so that none is mistaken for it.
constexpr int32_t mrHelp = 12;

// The modal result of pressing button.
int32_t ModalResultOf(TMsgDlgBtn button);
// The button's name in the system's terms: "Yes", "OK", "NoToAll", ...; "?" for no button.
const char *ButtonName(TMsgDlgBtn button);

struct TMessageBoxRequest {
  String caption;
  String text;
  TMsgDlgType kind = mtInformation;
  TMsgDlgButtons buttons{mbOK};
  TMsgDlgBtn default_button = mbOK;
  // The question would destroy data when answered yes (overwrite, delete): headless answers
  // refuse it.
  bool destroys_data = false;
};

using TMessageBoxHandler = std::function<int32_t(const TMessageBoxRequest &request)>;
// Where headless boxes write their text; the log installs itself here at start-up.
using TMessageBoxLogSink = void (*)(const String &line);

// Shows the box through the installed handler, or headless when none is; returns the modal
// result. Never raises: a handler that raises is answered as the headless box would be.
int32_t ShowMessageBox(const TMessageBoxRequest &request);

// The headless answer, and the line it writes to the log sink.
int32_t HeadlessMessageBoxAnswer(const TMessageBoxRequest &request);
String MessageBoxLogLine(const TMessageBoxRequest &request, int32_t answer);
// The headless answer with its line written to the log sink: what ShowMessageBox does with no
// handler, for a handler that cannot show a box just now (no application yet).
int32_t ShowHeadlessMessageBox(const TMessageBoxRequest &request);

// Installs a handler and returns the one it replaces; an empty handler restores headless boxes.
TMessageBoxHandler SetMessageBoxHandler(TMessageBoxHandler handler);
// Sets the sink and returns the one it replaces.
TMessageBoxLogSink SetMessageBoxLogSink(TMessageBoxLogSink sink);

// The screen: its work area (the desktop without task bars) and vertical pixels per logical inch.
struct TScreenFacts {
  TRect work_area{0, 0, 1024, 768};
  int32_t pixels_per_inch = 96;
};
using TScreenFactsProvider = std::function<TScreenFacts()>;

// The installed provider's answer, or the headless facts when none is installed or it raises.
TScreenFacts ScreenFacts();
// Installs a provider and returns the one it replaces; an empty one restores the headless facts.
TScreenFactsProvider SetScreenFactsProvider(TScreenFactsProvider provider);

// The system colours by the system's index. A colour is 0x00BBGGRR (red in the lowest byte); a
// colour value below zero stands for the system colour of index (value & 0xFF).
constexpr int32_t COLOR_ACTIVECAPTION = 2;
constexpr int32_t COLOR_WINDOW = 5;
constexpr int32_t COLOR_WINDOWTEXT = 8;
constexpr int32_t COLOR_HIGHLIGHT = 13;
constexpr int32_t COLOR_HIGHLIGHTTEXT = 14;
constexpr int32_t COLOR_BTNFACE = 15;
constexpr int32_t COLOR_GRAYTEXT = 17;
constexpr int32_t COLOR_BTNTEXT = 18;
constexpr int32_t COLOR_INFOTEXT = 23;
constexpr int32_t COLOR_INFOBK = 24;

// The provider's colour of an index, or nothing to leave the index to the headless table (a
// palette without the role).
using TSystemColourProvider = std::function<std::optional<int32_t>(int32_t index)>;

// The colour of index from the installed provider, else from the headless table; 0 (black) for
// an index that the system has no colour for. Asked for each time, never kept.
int32_t SystemColour(int32_t index);
// The headless table alone.
int32_t HeadlessSystemColour(int32_t index);
// Installs a provider and returns the one it replaces; an empty one restores the headless colours.
TSystemColourProvider SetSystemColourProvider(TSystemColourProvider provider);

// A new device context from the installed provider; a headless one when none is installed, or it
// gives none or raises. Never null.
using TDeviceContextProvider = std::function<std::unique_ptr<TDeviceContext>()>;
std::unique_ptr<TDeviceContext> CreateDeviceContext();
// Installs a provider and returns the one it replaces; an empty one restores headless contexts.
TDeviceContextProvider SetDeviceContextProvider(TDeviceContextProvider provider);

// For tests: while it lives, every box is recorded and answered from the queue of answers, or
// headless once the queue is empty. The previous handler comes back when it goes.
class TScriptedMessageBoxes {
public:
  TScriptedMessageBoxes();
  ~TScriptedMessageBoxes();
  TScriptedMessageBoxes(const TScriptedMessageBoxes &) = delete;
  TScriptedMessageBoxes &operator=(const TScriptedMessageBoxes &) = delete;

  void Answer(int32_t modal_result) { fAnswers.push_back(modal_result); }
  const std::vector<TMessageBoxRequest> &Shown() const { return fShown; }

private:
  TMessageBoxHandler fPrevious;
  std::deque<int32_t> fAnswers;
  std::vector<TMessageBoxRequest> fShown;
};

} // namespace textcore
