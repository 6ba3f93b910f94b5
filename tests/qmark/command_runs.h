// Running a qmark command in-process for a test: its output and messages collected, inside a
// fresh folder of its own so that file names in the output are short.
#pragma once

#include "support/temp_folder.h"
#include "tools/qmark/command_streams.h"
#include "tools/qmark/concord.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <span>
#include <sstream>
#include <string>
#include <vector>

namespace qmark {

using Strings = std::vector<std::string>;

// The windowing of the runs inside one scope.
class Windowed {
public:
  explicit Windowed(const ConcordWindowing &windowing) { SetConcordWindowing(windowing); }
  ~Windowed() { SetConcordWindowing({}); }
};

// Windows of units units read 5 bytes at a time, with a reach of 16: edges everywhere in a small
// text.
inline ConcordWindowing TinyWindowing(size_t units) {
  ConcordWindowing tiny;
  tiny.window_units = units;
  tiny.read_bytes = 5;
  tiny.reach = 16;
  tiny.longest_hit = 16;
  return tiny;
}

struct Result {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs command on args; with answer, a question to the user is answered with it (and shown in
// err), else nobody can be asked.
template <typename Command>
Result RunCommand(Command command, const Strings &args, const char *answer = nullptr) {
  Result result;
  CommandStreams streams;
  streams.out = [&result](std::string_view bytes) { result.out.append(bytes); };
  streams.err = [&result](std::string_view bytes) { result.err.append(bytes); };
  if (answer != nullptr)
    streams.ask = [&result, answer](std::string_view question) -> std::optional<std::string> {
      result.err.append(question);
      return std::string(answer);
    };
  result.status = command(std::span<const std::string>(args), streams);
  return result;
}

inline void WriteFile(const std::string &path, const std::string &bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

inline Strings Lines(const std::string &text) {
  Strings lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

class InFolder {
public:
  InFolder() : fSaved(std::filesystem::current_path()) {
    std::filesystem::current_path(fFolder.Path());
  }
  ~InFolder() { std::filesystem::current_path(fSaved); }

private:
  testsupport::TempFolder fFolder;
  std::filesystem::path fSaved;
};

} // namespace qmark
