// Message boxes on the terminal.
#include "tools/qmark/terminal_questions.h"

#include "platform/strings.h"

namespace qmark {

namespace {

int32_t Positive(const textcore::TMessageBoxRequest &request) {
  return request.buttons.Contains(textcore::mbYes) ? textcore::mrYes : textcore::mrOk;
}

} // namespace

TerminalQuestions::TerminalQuestions(const CommandStreams &streams, bool yes)
    : fStreams(streams), fYes(yes) {
  fPrevious = textcore::SetMessageBoxHandler(
      [this](const textcore::TMessageBoxRequest &request) { return Answer(request); });
}

TerminalQuestions::~TerminalQuestions() { textcore::SetMessageBoxHandler(fPrevious); }

int32_t TerminalQuestions::Answer(const textcore::TMessageBoxRequest &request) {
  const bool question =
      request.buttons.Contains(textcore::mbYes) || request.buttons.Contains(textcore::mbCancel);
  if (!question)
    return textcore::HeadlessMessageBoxAnswer(request);
  if (fYes)
    return Positive(request);
  if (!fStreams.ask) {
    fUnasked = true;
    return textcore::HeadlessMessageBoxAnswer(request);
  }
  std::string text = textcore::StringToUTF8(request.text);
  for (char &c : text)
    if (c == '\r')
      c = ' ';
  const std::optional<std::string> answer = fStreams.ask(text + " [y/N] ");
  return answer && (*answer == "y" || *answer == "Y" || *answer == "yes")
             ? Positive(request)
             : textcore::HeadlessMessageBoxAnswer(request);
}

} // namespace qmark
