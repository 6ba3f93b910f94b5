// The process's streams for a qmark command.
#include "tools/qmark/command_streams.h"

#include <cstdio>
#include <unistd.h>

namespace qmark {

CommandStreams StandardStreams() {
  CommandStreams streams;
  streams.out = [](std::string_view bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
  };
  streams.err = [](std::string_view bytes) { std::fwrite(bytes.data(), 1, bytes.size(), stderr); };
  streams.show_progress = isatty(STDERR_FILENO) != 0;
  return streams;
}

} // namespace qmark
