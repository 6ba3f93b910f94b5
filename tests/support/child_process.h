// Running part of a test in a second process: the child's exit status is its verdict (0 when
// all held), since assertions cannot report from it.
#pragma once

#include <functional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

// Runs body in a forked child and gives its exit status (-1 when it did not exit normally). The
// child ends with _exit: it runs none of the parent's clean-up, and closes nothing it inherited.
inline int RunInChild(const std::function<int()> &body) {
  const pid_t child = fork();
  if (child == 0) {
    int verdict = 98;
    try {
      verdict = body();
    } catch (...) {
      verdict = 99;
    }
    _exit(verdict);
  }
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status))
    return -1;
  return WEXITSTATUS(status);
}

// A name no other test, nor another run of this one, uses at the same time.
inline std::string UniqueName(const std::string &stem) {
  static int counter = 0;
  return stem + "." + std::to_string(getpid()) + "." + std::to_string(++counter);
}

} // namespace testsupport
