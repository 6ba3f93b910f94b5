// The column templates of every list kind, their numbers and heading texts, and the list that
// remembers where each shown column came from.
#include "dialogs/header_info_list.h"
#include "dialogs/list_columns.h"

#include "platform/exceptions.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace dialogkit {
namespace {

using namespace textcore;

struct Layout {
  list_type kind;
  int32_t columns, set;
};

// The kinds with a grid of their own shape; every other kind has one column and no Set.
const Layout kLayouts[] = {
    {lt_word_list, 9, 8},
    {lt_keyword_list, 12, 11},
    {lt_KW_database_list, 8, 7},
    {lt_detailed_consistency_relations_list, 8, 7},
    {lt_detailed_consistency_list, 6, 5},
    {lt_collocate_list, 15, 10},
    {lt_KWs_as_word_list, 9, 8},
    {lt_KWDB_as_word_list, 9, 8},
    {lt_associates_as_word_list, 9, 8},
    {lt_clumps_as_word_list, 9, 8},
    {lt_concordance_list, 16, 2},
    {lt_KW_plot_list, 7, -1},
    {lt_concordance_plot_list, 7, -1},
    {lt_concordance_cluster_list, 6, 3},
    {lt_concordance_pattern_list, 12, -1},
    {lt_associate_list, 6, 5},
    {lt_clump_list, 1, -1},
    {lt_filename_list, 2, -1},
    {lt_link_list, 5, -1},
    {lt_statistics_list, 78, -1},
    {lt_timeline_list, 7, -1},
    {lt_aligner_list, 3, -1},
    {lt_aligner_plaintext_list, 2, -1},
    {lt_wordlist_index_list, 9, 8},
    {lt_kw_cluster_list, 3, -1},
    {lt_relationship_list, 16, 15},
    {lt_chargram_list, 9, 8},
};

TEST(ListColumns, EveryKindHasItsColumnsNumbersAndHeadings) {
  std::map<int32_t, Layout> layouts;
  for (const Layout &layout : kLayouts)
    layouts[layout.kind] = layout;
  for (int32_t k = 0; k < list_type_count; ++k) {
    const auto kind = static_cast<list_type>(k);
    const auto found = layouts.find(k);
    const Layout layout = found != layouts.end() ? found->second : Layout{kind, 1, -1};
    EXPECT_EQ(OfficialStandardNOfHeaders(kind), layout.columns) << k;
    EXPECT_EQ(PredefinedSetColumnNumber(kind), layout.set) << k;
    const std::vector<grid_head_type32> columns = ListColumnsOf(kind);
    ASSERT_EQ(static_cast<int32_t>(columns.size()), layout.columns) << k;
    // Kinds shown as word lists carry the word list's numbers.
    const int32_t word_list_shaped =
        layout.columns == 9 && layout.set == 8 && kind != lt_chargram_list;
    const int32_t base = word_list_shaped ? 100 : (k + 1) * 100;
    for (size_t i = 0; i < columns.size(); ++i) {
      const grid_head_type32 &c = columns[i];
      EXPECT_EQ(c.localization_number, base + static_cast<int32_t>(i)) << k << " " << i;
      EXPECT_EQ(c.original_column, static_cast<int16_t>(i));
      EXPECT_EQ(c.heading, WideHStringFromN(c.localization_number));
      EXPECT_FALSE(c.heading.empty()) << k << " " << i;
      EXPECT_EQ(c.textcolour, 0);
      EXPECT_EQ(c.background, 16777215);
      EXPECT_TRUE(c.heading_visible);
      EXPECT_FALSE(c.extra_computed);
      EXPECT_TRUE(c.typeface.Contains(normal) && !c.typeface.Contains(bold));
      EXPECT_EQ(c.heading == u"Set", static_cast<int32_t>(i) == layout.set) << k << " " << i;
    }
    EXPECT_EQ(columns[0].heading, u"N");
    EXPECT_TRUE(columns[0].numerical);
    // The template itself holds numbers only: the tool fills the headings.
    EXPECT_TRUE(ColumnTemplateOf(kind)[0].heading.empty());
  }
}

TEST(ListColumns, SpotRowsHoldWhatTheirTablesSay) {
  struct Spot {
    const char *what;
    const grid_head_type32 &column;
    const char16_t *heading;
    bool numerical;
    int decimals;
    float minimum;
    int width;
    editable_type editable;
    output_results_case_type output_case;
    alignment_type alignment;
  } spots[] = {
      {"key words' P", QMBH_KEY_WORD_LIST()[9], u"P", true, 10, -9999999.0f, 144, nao_pode,
       as_it_comes_output, right_aligned},
      {"key words' Log_R", QMBH_KEY_WORD_LIST()[8], u"Log_R", true, 2, -9999999.0f, 72, nao_pode,
       as_it_comes_output, right_aligned},
      {"word list %", QMBH_WORD_LIST()[3], u"%", true, 2, 0.01f, 48, nao_pode, as_it_comes_output,
       right_aligned},
      {"word list lemmas", QMBH_WORD_LIST()[7], u"Lemmas", false, 0, 0, 48, nao_pode,
       lower_case_output, right_aligned},
      {"concordance", QMBH_CONCORDANCE_LIST()[1], u"Concordance", false, 0, 0, 480, nao_pode,
       as_it_comes_output, conc_entry},
      {"plot", QMBH_KEYWORDS_PLOT_LIST()[6], u"Plot", false, 0, 0, 480, nao_pode, upper_case_output,
       plotting},
      {"text", QMBH_TEXT_LIST()[1], u"Text", false, 0, 0, 336, tanto_faz, as_it_comes_output,
       text_viewer_entry},
      {"statistics sentences", QMBH_STATISTICS_LIST()[13], u"sentences", true, 0, 0, 48, nao_pode,
       as_it_comes_output, right_aligned},
      {"statistics 1-letter", QMBH_STATISTICS_LIST()[28], u"1-letter words", true, 0, 0, 48,
       nao_pode, as_it_comes_output, right_aligned},
      {"statistics 50-letter", QMBH_STATISTICS_LIST()[77], u"50-letter words", true, 0, 0, 48,
       nao_pode, as_it_comes_output, right_aligned},
      {"MI word 2", QMBH_MUTUAL_INFORMATION_LIST()[3], u"Word 2", false, 0, 0, 144, nao_pode,
       as_it_comes_output, right_aligned},
      {"chargram contexts", QMBH_CHARGRAM_LIST()[7], u"Contexts", false, 0, 0, 288, nao_pode,
       lower_case_output, right_aligned},
  };
  for (const Spot &s : spots) {
    EXPECT_EQ(WideHStringFromN(s.column.localization_number), s.heading) << s.what;
    EXPECT_EQ(s.column.numerical, s.numerical) << s.what;
    EXPECT_EQ(s.column.decimals, s.decimals) << s.what;
    EXPECT_EQ(s.column.minimum, s.minimum) << s.what;
    EXPECT_EQ(s.column.pixel_width, s.width) << s.what;
    EXPECT_EQ(s.column.editable, s.editable) << s.what;
    EXPECT_EQ(s.column.output_case, s.output_case) << s.what;
    EXPECT_EQ(s.column.alignment, s.alignment) << s.what;
  }
}

TEST(ListColumns, NumbersNoTemplateHasGiveNoHeading) {
  struct Case {
    int32_t n;
    const char16_t *heading;
  } cases[] = {
      {100, u"N"},  {3400, u"N"},  {1700, u"N"},      {4300, u"N"},
      {2300, u"N"}, {108, u"Set"}, {2911, u"Log L."}, {0, u""},
      {99, u""},    {109, u""},    {701, u""},        {2078, u""},
      {4400, u""},  {-100, u""},   {2499, u""},       {2501, u"KW Cluster"},
  };
  for (const Case &c : cases)
    EXPECT_EQ(WideHStringFromN(c.n), c.heading) << c.n;
  // A kind outside the enumeration has the one column, numbered 0.
  const auto outside = static_cast<list_type>(200);
  EXPECT_EQ(OfficialStandardNOfHeaders(outside), 1);
  EXPECT_EQ(PredefinedSetColumnNumber(outside), -1);
}

TEST(HeaderInfoList, KeepsRepeatedHeadingsInOrderWithTheirRecords) {
  THeaderInfoList list;
  EXPECT_EQ(list.AddOne(u"%", {true, 3}), 0);
  EXPECT_EQ(list.AddOne(u"Word", {false, 1}), 1);
  EXPECT_EQ(list.AddOne(u"%", {true, 5}), 2);
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Strings(2), u"%");
  EXPECT_EQ(list.GetAHeaderInfo(2).original_Col_num, 5);
  EXPECT_TRUE(list.GetAHeaderInfo(0).is_numerical);
  EXPECT_FALSE(list.GetAHeaderInfo(1).is_numerical);
  EXPECT_THROW(list.GetAHeaderInfo(3), EListError);
  EXPECT_THROW(list.GetAHeaderInfo(-1), EListError);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_THROW(list.GetAHeaderInfo(0), EListError);
}

} // namespace
} // namespace dialogkit
