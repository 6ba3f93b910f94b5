// The library's questions (overwrite, delete) asked on the user's terminal while a command runs:
// answered "y" or "yes" they say yes; anything else, and an answer nobody can give (no terminal),
// leaves the file alone as the headless box does. --yes answers yes to every question.
#pragma once

#include "platform/ui_services.h"
#include "tools/qmark/command_streams.h"

namespace qmark {

class TerminalQuestions {
public:
  TerminalQuestions(const CommandStreams &streams, bool yes);
  ~TerminalQuestions();
  TerminalQuestions(const TerminalQuestions &) = delete;
  TerminalQuestions &operator=(const TerminalQuestions &) = delete;

  // A question was refused because nobody could be asked.
  bool Unasked() const { return fUnasked; }

private:
  int32_t Answer(const textcore::TMessageBoxRequest &request);

  const CommandStreams &fStreams;
  bool fYes;
  bool fUnasked = false;
  textcore::TMessageBoxHandler fPrevious;
};

} // namespace qmark
