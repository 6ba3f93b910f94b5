// The tools of the suite, the tool that is running now, and each tool's short code.
//
// The order of tool_type is part of the contract: arrays are indexed by it, and lookups that
// want "the first tool with format number N" walk it in order, so the concordance tool stands
// before every other tool that shares its number. New tools take a spare value; none is
// inserted or moved.
#pragma once

#include "platform/strings.h"

#include <cstdint>

namespace textcore {

enum tool_type : uint8_t {
  tt_wordlist,         // word lists and their indexes
  tt_keywords,         // key words and key-word databases
  tt_concord,          // concordances
  tt_controller,       // the suite's main window
  tt_viewer_aligner,   // the text viewer and aligner
  tt_concgram,         // concgrams
  tt_chargram,         // character n-grams
  tt_text_converter,   // the text converter
  tt_web_download,     // web downloads
  tt_minimal_pairs,    // minimal pairs
  tt_file_utilities,   // file utilities
  tt_splitter,         // splitting texts
  tt_renamer,          // renaming files
  tt_corpus_builder,   // building corpora
  tt_char_profiler,    // character profiles
  tt_language_chooser, // choosing languages
  tt_any_main_tool,    // any of the main tools
  tt_spare1,           // spare
  tt_spare2,           // spare
  tt_spare3,           // spare
  tt_reserved,         // reserved: no particular tool
  tt_no_tool,          // no tool at all
};

constexpr int32_t tool_type_count = 22;
static_assert(tt_no_tool + 1 == tool_type_count);

// The tool running now; each tool sets it at start. The controller until then.
extern tool_type current_tool_var;

// The tool's code of one to four letters ("QM7" for the controller), or empty for a value
// without one (any main tool, the spares, the reserved value, no tool, and anything beyond the
// enumeration).
String ToolShortCode(tool_type tool);

// The tool's name as users know it ("WordList", "Concord"); "" for the spare and the pseudo tools.
String ToolDisplayName(tool_type tool);

} // namespace textcore
