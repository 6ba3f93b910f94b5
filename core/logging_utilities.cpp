// The diagnostic log; see logging_utilities.h.
#include "core/logging_utilities.h"
#include "definitions/tool_types.h"
#include "platform/file_names.h"
#include "platform/format_date_time.h"
#include "platform/streams.h"
#include "platform/textcore_lifetime.h"
#include "platform/ui_services.h"

#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <vector>

namespace textcore {

bool keeping_log = false;

namespace {

constexpr char16_t kCRLF[] = u"\r\n";
constexpr uint8_t kByteOrderMark[] = {0xFF, 0xFE};

struct LogState {
  String file_name;
  // Entries that arrived while a write was in progress; written ahead of the next entry.
  std::vector<String> pending;
  bool writer_busy = false;
};

LogState &State() {
  static LogState state;
  return state;
}

String LogLinePrefix() {
  const String code = ToolShortCode(current_tool_var);
  return code.empty() ? String(u"(?"
                               u"?)") /* split: "??)" would read as a trigraph */
                      : u"(" + code + u"): ";
}

String TakePendingText(LogState &state) {
  String text;
  for (const String &line : state.pending)
    text += line + kCRLF;
  state.pending.clear();
  return text;
}

// The name exists on disk (as anything: TFileStream refuses what is not a regular file).
bool NameExists(const String &file_name) {
  struct stat st;
  return stat(FileNameToBytes(file_name).c_str(), &st) == 0;
}

// Opens the log at its end, making it with its byte-order mark when it is new or empty.
std::unique_ptr<TFileStream> OpenForAppending(const String &file_name) {
  std::unique_ptr<TFileStream> stream;
  if (NameExists(file_name))
    stream = std::make_unique<TFileStream>(file_name, fmOpenWrite | fmShareDenyWrite);
  else
    stream = std::make_unique<TFileStream>(file_name, fmCreate);
  if (stream->Seek(0, soEnd) == 0)
    stream->WriteBuffer(kByteOrderMark, sizeof kByteOrderMark);
  return stream;
}

void WriteLogText(const String &text, bool with_prefix) noexcept {
  LogState &state = State();
  if (!keeping_log || state.file_name.empty())
    return;
  if (state.writer_busy) {
    try {
      state.pending.push_back(text);
    } catch (...) {
      keeping_log = false;
    }
    return;
  }
  state.writer_busy = true;
  try {
    std::unique_ptr<TFileStream> stream = OpenForAppending(state.file_name);
    String out;
    if (!state.pending.empty())
      out = TakePendingText(state) + kCRLF;
    if (with_prefix)
      out += LogLinePrefix();
    out += text;
    if (!out.empty())
      stream->WriteBuffer(out.data(), static_cast<int64_t>(out.size() * sizeof(char16_t)));
  } catch (...) {
    keeping_log = false;
  }
  state.writer_busy = false;
}

void LogMessageBoxLine(const String &line) { AddToLogFile(line, true); }

} // namespace

void SetLogFilename(const String &file_name) noexcept {
  try {
    State().file_name = file_name;
  } catch (...) {
    keeping_log = false;
  }
}

String GetLogFilename() noexcept {
  try {
    return State().file_name;
  } catch (...) {
    return String();
  }
}

void AddToLogFile(const String &Text, bool LineBreak) noexcept {
  if (!keeping_log)
    return;
  try {
    WriteLogText(LineBreak ? Text + kCRLF : Text, true);
  } catch (...) {
    keeping_log = false;
  }
}

void StartNewLogSection() noexcept {
  if (!keeping_log)
    return;
  AddToLogFile(u"**********", true);
  try {
    AddToLogFile(u"LOG STARTED at " + FormatDateTime(u"ddddd tt", Now()), true);
  } catch (...) {
    keeping_log = false;
  }
}

void ClearLogFile() noexcept {
  try {
    const String file_name = State().file_name;
    if (file_name.empty() || !NameExists(file_name))
      return;
    if (unlink(FileNameToBytes(file_name).c_str()) != 0)
      return;
    StartNewLogSection();
  } catch (...) {
    // Clearing the log is never worth an error.
  }
}

void StartLogging() noexcept {
  LogState &state = State();
  state.file_name.clear();
  state.pending.clear();
  state.writer_busy = false;
  SetMessageBoxLogSink(&LogMessageBoxLine);
}

void FinishLogging() noexcept {
  SetMessageBoxLogSink(nullptr);
  LogState &state = State();
  try {
    if (!state.pending.empty())
      AddToLogFile(TakePendingText(state), true);
  } catch (...) {
  }
  state.pending.clear();
  state.file_name.clear();
}

} // namespace textcore
