// The short codes of the tools; see tool_types.h.
#include "definitions/tool_types.h"

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

} // namespace textcore
