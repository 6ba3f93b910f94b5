// The command line of qmark concord: what the user asked for, checked, and the help that says it.
#pragma once

#include "platform/nls_locale_ids.h"
#include "platform/strings.h"
#include "search/search_word_format.h"
#include "tools/qmark/option_parsing.h"
#include "tools/qmark/terminal_colours.h"
#include "tools/qmark/text_options.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qmark {

// What a sort level orders by: the file, the position in it, the hit, or the n-th word to the
// left (kLeft1 + n - 1) or right (kRight1 + n - 1) of the hit.
enum ConcordKey : uint8_t {
  kKeyFile,
  kKeyPosition,
  kKeyHit,
  kKeyLeft1,
  kKeyLeft5 = kKeyLeft1 + 4,
  kKeyRight1,
  kKeyRight5 = kKeyRight1 + 4
};

struct ConcordSortLevel {
  ConcordKey key = kKeyFile;
  bool descending = false;
};

constexpr int32_t kMinContextWidth = 1;
constexpr int32_t kMaxContextWidth = 1000;

struct ConcordOptions : TextOptions {
  bool help = false;
  textcore::String search_words;
  bool case_sensitive = false;
  int32_t width = 40;
  std::vector<ConcordSortLevel> sort{{kKeyFile, false}, {kKeyPosition, false}};
  OutputFormat format = OutputFormat::kText;
  bool format_given = false;
  bool count = false; // the hits per file and search word instead of the lines
  ColourWhen colour = ColourWhen::kAuto;
  std::string scheme; // a colour scheme file; empty: the default scheme
  std::string png;    // draw the lines into this picture instead of writing them
  int32_t png_width = 1000;
};

// Reads the arguments after "concord". False, with a message for the user in error, on bad usage;
// "--help" alone is never bad usage.
bool ParseConcordOptions(std::span<const std::string> args, ConcordOptions &options,
                         std::string &error);

std::string_view ConcordHelp();

// True when the sort asks for nothing beyond the order in which files are searched (file, then
// position), so lines can be written file by file as they are found.
bool SortIsSearchOrder(const std::vector<ConcordSortLevel> &sort);

} // namespace qmark
