// The exit statuses of every qmark command, as the help tells users.
#pragma once

namespace qmark {

enum ExitStatus : int {
  kSuccess = 0,  // the work was done (also when nothing was found)
  kBadInput = 1, // a text or a file could not be read or written
  kBadUsage = 2, // the command line was wrong
};

} // namespace qmark
