// The process's streams for a qmark command.
#include "tools/qmark/command_streams.h"

#include "tools/qmark/exit_status.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace qmark {

CommandStreams StandardStreams() {
  CommandStreams streams;
  streams.out = [](std::string_view bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
  };
  streams.err = [](std::string_view bytes) { std::fwrite(bytes.data(), 1, bytes.size(), stderr); };
  streams.show_progress = isatty(STDERR_FILENO) != 0;
  if (isatty(STDIN_FILENO) != 0 && streams.show_progress)
    streams.ask = [](std::string_view question) -> std::optional<std::string> {
      std::fwrite(question.data(), 1, question.size(), stderr);
      std::fflush(stderr);
      std::string line;
      for (int c = std::getchar(); c != EOF && c != '\n'; c = std::getchar())
        line.push_back(static_cast<char>(c));
      return line;
    };
  return streams;
}

int RunOnStandardStreams(CommandRunner run, std::span<char *> args, const char *command_name) {
  const std::vector<std::string> arguments(args.begin(), args.end());
  const int status = run(arguments, StandardStreams());
  if (std::fflush(stdout) != 0 && status == kSuccess) {
    std::fprintf(stderr, "qmark %s: writing the output: %s\n", command_name, std::strerror(errno));
    return kBadInput;
  }
  return status;
}

} // namespace qmark
