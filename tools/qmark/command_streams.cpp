// The process's streams for a qmark command.
#include "tools/qmark/command_streams.h"

#include "tools/qmark/exit_status.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>
#include <utility>
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
  streams.out_is_terminal = isatty(STDOUT_FILENO) != 0;
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

BackgroundSink::BackgroundSink(TextSink sink)
    : fSink(std::move(sink)), fThread([this] { Write(); }) {}

BackgroundSink::~BackgroundSink() {
  {
    std::unique_lock lock(fGuard);
    fChanged.wait(lock, [this] { return fChunks.empty() && !fWriting; });
    fStopping = true;
  }
  fChanged.notify_all();
  fThread.join();
}

TextSink BackgroundSink::Sink() {
  return [this](std::string_view bytes) {
    std::unique_lock lock(fGuard);
    fChanged.wait(lock, [this] { return fChunks.size() < kWaitingChunks; });
    if (fFailed) // nothing more is written after a failure; Drain reports it once
      return;
    std::string chunk;
    if (!fSpares.empty()) {
      chunk = std::move(fSpares.back());
      fSpares.pop_back();
    }
    chunk.assign(bytes);
    fChunks.push_back(std::move(chunk));
    fChanged.notify_all();
  };
}

void BackgroundSink::Drain() {
  std::unique_lock lock(fGuard);
  fChanged.wait(lock, [this] { return fChunks.empty() && !fWriting; });
  if (fFailure)
    std::rethrow_exception(std::exchange(fFailure, nullptr));
}

void BackgroundSink::Write() {
  std::unique_lock lock(fGuard);
  for (;;) {
    fChanged.wait(lock, [this] { return fStopping || !fChunks.empty(); });
    if (fChunks.empty())
      return;
    std::string chunk = std::move(fChunks.front());
    fChunks.pop_front();
    fWriting = true;
    const bool failed = fFailed;
    lock.unlock();
    std::exception_ptr failure;
    try {
      if (!failed)
        fSink(chunk);
    } catch (...) {
      failure = std::current_exception();
    }
    lock.lock();
    fWriting = false;
    if (failure) {
      fFailure = failure;
      fFailed = true;
    }
    fSpares.push_back(std::move(chunk));
    fChanged.notify_all();
  }
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
