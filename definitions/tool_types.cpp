// The short codes and display names of the tools; see tool_types.h.
#include "definitions/tool_types.h"

#include <iterator>

namespace textcore {

tool_type current_tool_var = tt_controller;

String ToolShortCode(tool_type tool) {
  // Only the first 21 values can carry a code; the last (no tool) never does.
  static const char *const codes[tool_type_count - 1] = {
      "WL", "KW", "CC", "QM7", "VA", "CG", "CHG", "TC", "WD", "MP", "FU",
      "SP", "RN", "CB", "CPF", "LC", "",   "",    "",   "",   "",
  };
  const int index = tool;
  if (index < 0 || index >= tool_type_count - 1)
    return String();
  return ASCIIToString(codes[index]);
}

String ToolDisplayName(tool_type tool) {
  static const char *const names[] = {"WordList",
                                      "KeyWords",
                                      "Concord",
                                      "Controller",
                                      "Viewer",
                                      "Concgram",
                                      "Chargram",
                                      "Text Converter",
                                      "WebGetter",
                                      "Minimal Pairs",
                                      "File Utilities",
                                      "Splitter",
                                      "Renamer",
                                      "Corpus Builder",
                                      "Character Profiler",
                                      "Language Chooser",
                                      "",
                                      "",
                                      "",
                                      "",
                                      "",
                                      ""};
  static_assert(std::size(names) == tool_type_count);
  return tool < tool_type_count ? ASCIIToString(names[tool]) : String();
}

} // namespace textcore
