// qmark concord: searches text files for a list of search words and writes every hit in its
// context, sorted by up to three keys. The command line and the formats are in ConcordHelp().
#pragma once

#include "tools/qmark/command_streams.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace textcore {
struct TTextWindowSizes;
}

namespace qmark {

// How a text is cut into windows for searching. A run's output never depends on these as long as
// no hit is longer than longest_hit and nothing a line takes from around its hit lies further than
// reach characters from it; tests make them tiny to put window edges everywhere.
struct ConcordWindowing {
  size_t window_units = size_t{512} << 10;
  size_t read_bytes = size_t{256} << 10;
  size_t kept_bytes = size_t{8} << 20; // a text up to this size is read only once
  int32_t reach = int32_t{1} << 16;
  int32_t longest_hit = 0xFFFF;
  // Plain whole words without markup are sought only where their letters stand (tests compare
  // with the search that classifies every window).
  bool plain = true;
  // Long runs of ASCII far from every plain word are passed over undecoded (tests compare with
  // reading every unit).
  bool skip = true;
};

// The windowing of later runs of concord and wordlist in this process (for tests); the
// argument's defaults are the program's.
void SetConcordWindowing(const ConcordWindowing &windowing);
ConcordWindowing CurrentConcordWindowing();
// The reader's sizes of a windowing.
textcore::TTextWindowSizes WindowSizesOf(const ConcordWindowing &windowing);

// Runs the command on the arguments after "concord". Exit status: 0 when all went well (with or
// without hits), 1 when a file or folder could not be read, 2 on bad usage.
int RunConcord(std::span<const std::string> args, const CommandStreams &streams);

// The same on the process's standard output and error, for main().
int RunConcordCommand(std::span<char *> args);

} // namespace qmark
