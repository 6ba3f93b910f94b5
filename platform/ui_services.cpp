// The message-box and screen services; see ui_services.h.
#include "platform/ui_services.h"
#include "platform/textcore_lifetime.h"

namespace textcore {

namespace {

struct UIServices {
  TMessageBoxHandler handler;
  TMessageBoxLogSink log_sink = nullptr;
  TScreenFactsProvider screen_facts;
  TSystemColourProvider system_colours;
  TDeviceContextProvider device_contexts;
};

UIServices &Services() {
  static UIServices services;
  return services;
}

const char *ResultName(int32_t result) {
  for (int b = mbYes; b <= mbClose; ++b)
    if (ModalResultOf(static_cast<TMsgDlgBtn>(b)) == result)
      return ButtonName(static_cast<TMsgDlgBtn>(b));
  return "None";
}

int32_t Headless(const TMessageBoxRequest &request) {
  const int32_t answer = HeadlessMessageBoxAnswer(request);
  if (TMessageBoxLogSink sink = Services().log_sink)
    sink(MessageBoxLogLine(request, answer));
  return answer;
}

} // namespace

const char *ButtonName(TMsgDlgBtn button) {
  static const char *const names[] = {"Yes",    "No",  "OK",      "Cancel",   "Abort", "Retry",
                                      "Ignore", "All", "NoToAll", "YesToAll", "Help",  "Close"};
  return button <= mbClose ? names[button] : "?";
}

int32_t ModalResultOf(TMsgDlgBtn button) {
  static const int32_t results[] = {mrYes,    mrNo,  mrOk,      mrCancel,   mrAbort, mrRetry,
                                    mrIgnore, mrAll, mrNoToAll, mrYesToAll, mrHelp,  mrClose};
  return button <= mbClose ? results[button] : mrNone;
}

int32_t HeadlessMessageBoxAnswer(const TMessageBoxRequest &request) {
  if (request.destroys_data) {
    if (request.buttons.Contains(mbCancel))
      return mrCancel;
    if (request.buttons.Contains(mbNo))
      return mrNo;
  }
  if (request.buttons.Contains(request.default_button))
    return ModalResultOf(request.default_button);
  // A default that is not among the buttons cannot be pressed; take the first that is.
  for (int b = mbYes; b <= mbClose; ++b)
    if (request.buttons.Contains(static_cast<TMsgDlgBtn>(b)))
      return ModalResultOf(static_cast<TMsgDlgBtn>(b));
  return mrNone;
}

String MessageBoxLogLine(const TMessageBoxRequest &request, int32_t answer) {
  String line = u"message box";
  if (!request.caption.empty())
    line += u" \"" + request.caption + u"\"";
  line += u": " + request.text + u" [answered " + ASCIIToString(ResultName(answer)) + u"]";
  return line;
}

int32_t ShowHeadlessMessageBox(const TMessageBoxRequest &request) { return Headless(request); }

int32_t ShowMessageBox(const TMessageBoxRequest &request) {
  // A copy, so that a handler replacing itself while it runs does not pull the rug.
  const TMessageBoxHandler handler = Services().handler;
  if (!handler)
    return Headless(request);
  try {
    return handler(request);
  } catch (...) {
    return Headless(request);
  }
}

TMessageBoxHandler SetMessageBoxHandler(TMessageBoxHandler handler) {
  TMessageBoxHandler previous = std::move(Services().handler);
  Services().handler = std::move(handler);
  return previous;
}

TMessageBoxLogSink SetMessageBoxLogSink(TMessageBoxLogSink sink) {
  const TMessageBoxLogSink previous = Services().log_sink;
  Services().log_sink = sink;
  return previous;
}

TScreenFacts ScreenFacts() {
  const TScreenFactsProvider provider = Services().screen_facts;
  if (!provider)
    return TScreenFacts{};
  try {
    return provider();
  } catch (...) {
    return TScreenFacts{};
  }
}

TScreenFactsProvider SetScreenFactsProvider(TScreenFactsProvider provider) {
  TScreenFactsProvider previous = std::move(Services().screen_facts);
  Services().screen_facts = std::move(provider);
  return previous;
}

int32_t HeadlessSystemColour(int32_t index) {
  constexpr auto rgb = [](int32_t r, int32_t g, int32_t b) { return r | g << 8 | b << 16; };
  switch (index) {
  case COLOR_ACTIVECAPTION:
    return rgb(153, 180, 209);
  case COLOR_WINDOW:
  case COLOR_HIGHLIGHTTEXT:
    return rgb(255, 255, 255);
  case COLOR_WINDOWTEXT:
  case COLOR_BTNTEXT:
  case COLOR_INFOTEXT:
    return rgb(0, 0, 0);
  case COLOR_HIGHLIGHT:
    return rgb(0, 120, 215);
  case COLOR_BTNFACE:
    return rgb(240, 240, 240);
  case COLOR_GRAYTEXT:
    return rgb(109, 109, 109);
  case COLOR_INFOBK:
    return rgb(255, 255, 225);
  default:
    return 0;
  }
}

int32_t SystemColour(int32_t index) {
  const TSystemColourProvider provider = Services().system_colours;
  if (provider) {
    try {
      if (const std::optional<int32_t> colour = provider(index))
        return *colour & 0xFFFFFF;
    } catch (...) {
    }
  }
  return HeadlessSystemColour(index);
}

TSystemColourProvider SetSystemColourProvider(TSystemColourProvider provider) {
  TSystemColourProvider previous = std::move(Services().system_colours);
  Services().system_colours = std::move(provider);
  return previous;
}

std::unique_ptr<TDeviceContext> CreateDeviceContext() {
  const TDeviceContextProvider provider = Services().device_contexts;
  if (provider) {
    try {
      if (std::unique_ptr<TDeviceContext> dc = provider())
        return dc;
    } catch (...) {
    }
  }
  return std::make_unique<THeadlessDeviceContext>();
}

TDeviceContextProvider SetDeviceContextProvider(TDeviceContextProvider provider) {
  TDeviceContextProvider previous = std::move(Services().device_contexts);
  Services().device_contexts = std::move(provider);
  return previous;
}

void ResetUIServices() noexcept {
  Services().handler = nullptr;
  Services().log_sink = nullptr;
  Services().screen_facts = nullptr;
  Services().system_colours = nullptr;
  Services().device_contexts = nullptr;
}

TScriptedMessageBoxes::TScriptedMessageBoxes() {
  fPrevious = SetMessageBoxHandler([this](const TMessageBoxRequest &request) {
    fShown.push_back(request);
    if (fAnswers.empty())
      return Headless(request);
    const int32_t answer = fAnswers.front();
    fAnswers.pop_front();
    return answer;
  });
}

TScriptedMessageBoxes::~TScriptedMessageBoxes() { SetMessageBoxHandler(std::move(fPrevious)); }

} // namespace textcore
