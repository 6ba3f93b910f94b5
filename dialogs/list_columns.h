// The column templates of the lists the suite shows in grids: for each kind of list its columns'
// order, whether they hold numbers, their decimals, the least value worth showing, default width,
// editing, output case and drawing, and the localisation number of each heading.
//
// A column's localisation number is the ordinal of its template's list kind plus one, times 100,
// plus the column (word list 100 to 108, chargram list 3400 to 3408); WideHStringFromN gives its
// heading. The templates hold no heading text: a tool copies its kind's template and fills the
// headings from their numbers, as ListColumnsOf does. Kinds shown as word lists (key words,
// key-word database entries, associates and clumps as word lists, word-list indexes) use the
// word-list template and its numbers; a kind with no template of its own has one column, "N".
// Every column is drawn black on white in the normal typeface with its heading visible; a value
// below a column's minimum shows blank (0: nothing below zero shows; -9999999: negatives show).
#pragma once

#include "definitions/grid_heading.h"
#include "definitions/list_types.h"
#include "platform/strings.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace dialogkit {

using textcore::grid_head_type32;
using textcore::list_type;

constexpr int32_t kDefaultTextColour = 0;              // black
constexpr int32_t kDefaultBackgroundColour = 0xFFFFFF; // white

const std::array<grid_head_type32, 9> &QMBH_WORD_LIST();
const std::array<grid_head_type32, 12> &QMBH_KEY_WORD_LIST();
const std::array<grid_head_type32, 8> &QMBH_KEYWORDS_DATABASE();
const std::array<grid_head_type32, 8> &QMBH_DETAILED_CONSISTENCY_RELATIONS_LIST();
const std::array<grid_head_type32, 6> &QMBH_DETAILED_CONSISTENCY_LIST();
const std::array<grid_head_type32, 15> &QMBH_COLLOCATE_LIST();
const std::array<grid_head_type32, 16> &QMBH_CONCORDANCE_LIST();
const std::array<grid_head_type32, 7> &QMBH_KEYWORDS_PLOT_LIST();
const std::array<grid_head_type32, 7> &QMBH_CONCORDANCE_PLOT_LIST();
const std::array<grid_head_type32, 6> &QMBH_CONCORDANCE_CLUSTER_LIST();
const std::array<grid_head_type32, 12> &QMBH_CONCORDANCE_PATTERN_LIST();
const std::array<grid_head_type32, 6> &QMBH_ASSOCIATE_LIST();
const std::array<grid_head_type32, 2> &QMBH_FILENAME_LIST();
const std::array<grid_head_type32, 5> &QMBH_LINK_LIST();
const std::array<grid_head_type32, 78> &QMBH_STATISTICS_LIST();
const std::array<grid_head_type32, 7> &QMBH_TIMELINE_LIST();
const std::array<grid_head_type32, 3> &QMBH_ALIGNER_LIST();
const std::array<grid_head_type32, 2> &QMBH_TEXT_LIST();
const std::array<grid_head_type32, 3> &QMBH_KEYWORDS_CLUSTER_LIST();
const std::array<grid_head_type32, 16> &QMBH_MUTUAL_INFORMATION_LIST();
const std::array<grid_head_type32, 9> &QMBH_CHARGRAM_LIST();

// The template of a list kind (see above); a value outside list_type has the one "N" column of a
// kind without a template, numbered 0.
std::span<const grid_head_type32> ColumnTemplateOf(list_type kind);
// The kind's template with every heading filled from its localisation number.
std::vector<grid_head_type32> ListColumnsOf(list_type kind);

// The heading of localisation number n: the text of that column of its kind's own template ("N"
// for column 0 of every list kind, "1-letter words" to "50-letter words" for the statistics
// columns 28 to 77), or an empty string for a number no template has.
textcore::String WideHStringFromN(int32_t n);

// The number of columns of the kind's template (1 for kinds without a grid of their own).
int32_t OfficialStandardNOfHeaders(list_type kind);
// The kind's "Set" column, where the user marks entries with a category letter; -1 for none.
int32_t PredefinedSetColumnNumber(list_type kind);

} // namespace dialogkit
