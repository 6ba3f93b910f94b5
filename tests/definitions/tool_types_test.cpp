#include "definitions/tool_types.h"

#include <gtest/gtest.h>

#include <set>

namespace textcore {
namespace {

TEST(ToolTypes, OrderAndCodesHoldTheirPromises) {
  EXPECT_EQ(sizeof(tool_type), 1u);
  EXPECT_EQ(tool_type_count, 22);
  EXPECT_EQ(current_tool_var, tt_controller);
  EXPECT_EQ(tt_reserved, tool_type_count - 2);
  // The concordance tool comes before every tool that shares its format number.
  for (tool_type t : {tt_chargram, tt_web_download, tt_minimal_pairs, tt_file_utilities,
                      tt_splitter, tt_renamer, tt_corpus_builder, tt_char_profiler,
                      tt_language_chooser, tt_any_main_tool, tt_spare1, tt_reserved})
    EXPECT_LT(tt_concord, t);
  EXPECT_EQ(ToolShortCode(tt_controller), u"QM7");
  std::set<String> codes;
  for (int i = 0; i <= 255; ++i) {
    const auto tool = static_cast<tool_type>(i);
    const String code = ToolShortCode(tool);
    const bool has_code = i < tt_any_main_tool;
    EXPECT_EQ(!code.empty(), has_code) << i;
    if (!has_code || tool == tt_controller)
      continue;
    EXPECT_TRUE(codes.insert(code).second) << "duplicate code for " << i;
    EXPECT_LE(code.size(), 4u);
    for (char16_t c : code)
      EXPECT_TRUE(c >= u'A' && c <= u'Z') << i;
  }
}

} // namespace
} // namespace textcore
