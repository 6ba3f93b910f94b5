// Where a qmark command writes: its output, its messages, and whether it may show progress and
// ask questions (only on a terminal). Tests hand in sinks that collect what is written.
#pragma once

#include "tools/qmark/exit_status.h"

#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace qmark {

using TextSink = std::function<void(std::string_view)>;

struct CommandStreams {
  TextSink out;                 // the command's output, in large chunks
  TextSink err;                 // messages, the summary, progress
  bool show_progress = false;   // progress lines; only for a terminal
  bool out_is_terminal = false; // the output goes to a terminal (colours may be shown)
  // Asks the user a question and gives the line answered; empty (no terminal) means nobody can
  // be asked.
  std::function<std::optional<std::string>(std::string_view question)> ask;
};

// The process's standard output (flushed after each chunk, so that it comes before any message
// written after it) and standard error; progress when standard error is a terminal; questions
// when standard input and standard error both are.
CommandStreams StandardStreams();

// The part every command shares: parse (false with an error message is bad usage, named with the
// command and a pointer to its help), then the help when asked for, else run the options.
template <typename Options, typename Parse, typename Run>
int RunWithOptions(std::span<const std::string> args, const CommandStreams &streams,
                   std::string_view command_name, std::string_view help, Parse parse, Run run) {
  Options options;
  std::string error;
  if (!parse(args, options, error)) {
    const std::string name(command_name);
    streams.err("qmark " + name + ": " + error + "\nRun 'qmark " + name +
                " --help' for the options.\n");
    return kBadUsage;
  }
  if (options.help) {
    streams.out(help);
    return kSuccess;
  }
  return run(options);
}

// Writes to a sink on a thread of its own, so that a command goes on with its work while the
// system copies its output: Sink() takes a copy of the bytes and returns at once, unless several
// chunks are already waiting. Drain waits until everything given has been written, and raises
// again, once, what the sink raised; after a failure nothing more is written. The destructor
// drains, dropping a failure.
class BackgroundSink {
public:
  explicit BackgroundSink(TextSink sink);
  ~BackgroundSink();
  BackgroundSink(const BackgroundSink &) = delete;
  BackgroundSink &operator=(const BackgroundSink &) = delete;

  TextSink Sink();
  void Drain();

private:
  void Write();

  static constexpr size_t kWaitingChunks = 2;
  TextSink fSink;
  std::mutex fGuard;
  std::condition_variable fChanged;
  std::deque<std::string> fChunks;
  std::vector<std::string> fSpares;
  bool fWriting = false;
  bool fStopping = false;
  bool fFailed = false;        // once, for good
  std::exception_ptr fFailure; // until Drain reports it
  std::thread fThread;
};

// Runs a command on the process's arguments and standard streams, for main(); a failure to write
// the output turns a success into bad input (exit status 1), naming the command.
using CommandRunner = int (*)(std::span<const std::string> args, const CommandStreams &streams);
int RunOnStandardStreams(CommandRunner run, std::span<char *> args, const char *command_name);

} // namespace qmark
