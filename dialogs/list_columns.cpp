// The column templates, built once from their rows, and the heading texts behind their numbers.
#include "dialogs/list_columns.h"

#include <algorithm>
#include <string>

namespace dialogkit {

using namespace textcore;

namespace {

// A template column as its row gives it; nullptr for a heading made from the column's number.
struct Row {
  const char16_t *heading;
  bool numerical;
  uint8_t decimals;
  float minimum;
  int16_t pixel_width;
  editable_type editable;
  output_results_case_type output_case;
  alignment_type alignment;
};

// QMBH_WORD_LIST: localisation numbers 100 to 108.
constexpr Row kQMBH_WORD_LIST[] = {
    {u"N", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"Word", false, 0, 0, 144, tanto_faz, as_it_comes_output, right_aligned},
    {u"Freq.", true, 0, 0, 48, tanto_faz, as_it_comes_output, right_aligned},
    {u"%", true, 2, 0.01f, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"Texts", true, 0, 0, 48, tanto_faz, as_it_comes_output, right_aligned},
    {u"%", true, 2, 0.01f, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"Dispersion", true, 2, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"Lemmas", false, 0, 0, 48, nao_pode, lower_case_output, right_aligned},
    {u"Set", false, 0, 0, 24, tanto_faz, as_it_comes_output, right_aligned},
};

// QMBH_KEY_WORD_LIST: localisation numbers 200 to 211.
constexpr Row kQMBH_KEY_WORD_LIST[] = {
    {u"N", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"Key word", false, 0, 0, 192, tanto_faz, as_it_comes_output, right_aligned},
    {u"Freq.", true, 0, 0, 48, tanto_faz, as_it_comes_output, right_aligned},
    {u"%", true, 2, 0.01f, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"Texts", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"RC. Freq.", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"RC. %", true, 2, 0.01f, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"Log_L", true, 2, -9999999.0f, 72, nao_pode, as_it_comes_output, right_aligned},
    {u"Log_R", true, 2, -9999999.0f, 72, nao_pode, as_it_comes_output, right_aligned},
    {u"P", true, 10, -9999999.0f, 144, nao_pode, as_it_comes_output, right_aligned},
    {u"Lemmas", false, 0, 0, 48, nao_pode, lower_case_output, right_aligned},
    {u"Set", false, 0, 0, 24, tanto_faz, as_it_comes_output, right_aligned},
};

// QMBH_KEYWORDS_DATABASE: localisation numbers 300 to 307.
constexpr Row kQMBH_KEYWORDS_DATABASE[] = {
    {u"N", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"KW", false, 0, 0, 144, tanto_faz, as_it_comes_output, right_aligned},
    {u"Texts", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"%", true, 2, 0.01f, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"Overall Freq.", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"No. Ass.", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"Associates", false, 0, 0, 288, nao_pode, lower_case_output, right_aligned},
    {u"Set", false, 0, 0, 48, tanto_faz, as_it_comes_output, right_aligned},
};

// QMBH_DETAILED_CONSISTENCY_RELATIONS_LIST: localisation numbers 400 to 407.
constexpr Row kQMBH_DETAILED_CONSISTENCY_RELATIONS_LIST[] = {
    {u"N", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"File 1", false, 0, 0, 144, tanto_faz, as_it_comes_output, right_aligned},
    {u"Count", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"File 2", false, 0, 0, 144, tanto_faz, as_it_comes_output, right_aligned},
    {u"Count", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"Joint", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"Relation", true, 3, -9999999.0f, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"Set", false, 0, 0, 24, tanto_faz, as_it_comes_output, right_aligned},
};

// QMBH_DETAILED_CONSISTENCY_LIST: localisation numbers 500 to 505.
constexpr Row kQMBH_DETAILED_CONSISTENCY_LIST[] = {
    {u"N", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"Word", false, 0, 0, 144, tanto_faz, as_it_comes_output, right_aligned},
    {u"Total", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"Texts", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"No. of Lemmas", true, 0, 0, 24, nao_pode, as_it_comes_output, right_aligned},
    {u"Set", false, 0, 0, 24, tanto_faz, as_it_comes_output, right_aligned},
};

// QMBH_COLLOCATE_LIST: localisation numbers 600 to 614.
constexpr Row kQMBH_COLLOCATE_LIST[] = {
    {u"N", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"Word", false, 0, 0, 96, tanto_faz, as_it_comes_output, right_aligned},
    {u"With", false, 0, 0, 96, tanto_faz, as_it_comes_output, right_aligned},
    {u"Dice", true, 2, -9999999.0f, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"MI", true, 2, -9999999.0f, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"MI3", true, 2, -9999999.0f, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"Z", true, 2, -9999999.0f, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"Log_L", true, 2, -9999999.0f, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"T", true, 2, -9999999.0f, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"Log_R", true, 2, -9999999.0f, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"Set", false, 0, 0, 24, tanto_faz, as_it_comes_output, right_aligned},
    {u"Texts", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"Total", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"Total Left", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"Total Right", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
};

// QMBH_CONCORDANCE_LIST: localisation numbers 1100 to 1115.
constexpr Row kQMBH_CONCORDANCE_LIST[] = {
    {u"N", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"Concordance", false, 0, 0, 480, nao_pode, as_it_comes_output, conc_entry},
    {u"Set", false, 0, 0, 24, tanto_faz, as_it_comes_output, right_aligned},
    {u"Tag", false, 0, 0, 24, nao_pode, as_it_comes_output, right_aligned},
    {u"Word #", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"Sent. #", true, 0, 0, 24, nao_pode, as_it_comes_output, right_aligned},
    {u"Sent. Pos.", true, 0, 0, 24, nao_pode, as_it_comes_output, right_aligned},
    {u"Para. #", true, 0, 0, 24, nao_pode, as_it_comes_output, right_aligned},
    {u"Para. Pos.", true, 0, 0, 24, nao_pode, as_it_comes_output, right_aligned},
    {u"Head. #", true, 0, 0, 24, nao_pode, as_it_comes_output, right_aligned},
    {u"Head. Pos.", true, 0, 0, 24, nao_pode, as_it_comes_output, right_aligned},
    {u"Sect. #", true, 0, 0, 24, nao_pode, as_it_comes_output, right_aligned},
    {u"Sect. Pos.", true, 0, 0, 24, nao_pode, as_it_comes_output, right_aligned},
    {u"File", false, 0, 0, 96, nao_pode, as_it_comes_output, right_aligned},
    {u"Date", false, 0, 0, 96, nao_pode, as_it_comes_output, right_aligned},
    {u"%", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
};

// QMBH_KEYWORDS_PLOT_LIST: localisation numbers 1200 to 1206.
constexpr Row kQMBH_KEYWORDS_PLOT_LIST[] = {
    {u"N", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"Key word", false, 0, 0, 144, tanto_faz, as_it_comes_output, right_aligned},
    {u"Dispersion", true, 3, -9999999.0f, 40, nao_pode, as_it_comes_output, right_aligned},
    {u"Keyness", true, 2, -9999999.0f, 40, nao_pode, as_it_comes_output, right_aligned},
    {u"Link tokens", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"Hits", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"Plot", false, 0, 0, 480, nao_pode, upper_case_output, plotting},
};

// QMBH_CONCORDANCE_PLOT_LIST: localisation numbers 1300 to 1306.
constexpr Row kQMBH_CONCORDANCE_PLOT_LIST[] = {
    {u"N", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"File", false, 0, 0, 96, nao_pode, as_it_comes_output, right_aligned},
    {u"Words", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"Hits", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"per 1,000", true, 2, 0.01f, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"Dispersion", true, 3, -9999999.0f, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"Plot", false, 0, 0, 480, nao_pode, upper_case_output, plotting},
};

// QMBH_CONCORDANCE_CLUSTER_LIST: localisation numbers 1400 to 1405.
constexpr Row kQMBH_CONCORDANCE_CLUSTER_LIST[] = {
    {u"N", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"Cluster", false, 0, 0, 288, tanto_faz, as_it_comes_output, right_aligned},
    {u"Freq.", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"Set", false, 0, 0, 24, tanto_faz, as_it_comes_output, right_aligned},
    {u"Length", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"Related", false, 0, 0, 288, nao_pode, as_it_comes_output, right_aligned},
};

// QMBH_CONCORDANCE_PATTERN_LIST: localisation numbers 1500 to 1511.
constexpr Row kQMBH_CONCORDANCE_PATTERN_LIST[] = {
    {u"N", true, 0, 0, 72, nao_pode, as_it_comes_output, right_aligned},
    {u"L5", false, 0, 0, 72, tanto_faz, as_it_comes_output, right_aligned},
    {u"L4", false, 0, 0, 72, tanto_faz, as_it_comes_output, right_aligned},
    {u"L3", false, 0, 0, 72, tanto_faz, as_it_comes_output, right_aligned},
    {u"L2", false, 0, 0, 72, tanto_faz, as_it_comes_output, right_aligned},
    {u"L1", false, 0, 0, 72, tanto_faz, as_it_comes_output, right_aligned},
    {u"Centre", false, 0, 0, 72, tanto_faz, as_it_comes_output, right_aligned},
    {u"R1", false, 0, 0, 72, tanto_faz, as_it_comes_output, right_aligned},
    {u"R2", false, 0, 0, 72, tanto_faz, as_it_comes_output, right_aligned},
    {u"R3", false, 0, 0, 72, tanto_faz, as_it_comes_output, right_aligned},
    {u"R4", false, 0, 0, 72, tanto_faz, as_it_comes_output, right_aligned},
    {u"R5", false, 0, 0, 72, tanto_faz, as_it_comes_output, right_aligned},
};

// QMBH_ASSOCIATE_LIST: localisation numbers 1600 to 1605.
constexpr Row kQMBH_ASSOCIATE_LIST[] = {
    {u"N", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"Associate", false, 0, 0, 144, tanto_faz, as_it_comes_output, right_aligned},
    {u"Strength", true, 3, -9999999.0f, 64, nao_pode, as_it_comes_output, right_aligned},
    {u"Texts", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"%", true, 2, 0.01f, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"Set", false, 0, 0, 24, tanto_faz, as_it_comes_output, right_aligned},
};

// QMBH_FILENAME_LIST: localisation numbers 1800 to 1801.
constexpr Row kQMBH_FILENAME_LIST[] = {
    {u"N", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"filename", false, 0, 0, 336, tanto_faz, as_it_comes_output, right_aligned},
};

// QMBH_LINK_LIST: localisation numbers 1900 to 1904.
constexpr Row kQMBH_LINK_LIST[] = {
    {u"N", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"Key word", false, 0, 0, 144, tanto_faz, as_it_comes_output, right_aligned},
    {u"Link types", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"Hits", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"Linked KWs", false, 0, 0, 288, nao_pode, lower_case_output, right_aligned},
};

// QMBH_STATISTICS_LIST: localisation numbers 2000 to 2077.
constexpr Row kQMBH_STATISTICS_LIST[] = {
    {u"N", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"text file", false, 0, 0, 96, tanto_faz, as_it_comes_output, right_aligned},
    {u"file size", true, 0, 0, 60, tanto_faz, as_it_comes_output, right_aligned},
    {u"tokens (running words) in text", true, 0, 0, 60, tanto_faz, as_it_comes_output,
     right_aligned},
    {u"tokens used for word list", true, 0, 0, 60, nao_pode, as_it_comes_output, right_aligned},
    {u"sum of entries", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"types (distinct words)", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"type/token ratio (TTR)", true, 2, 0.01f, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"standardised TTR", true, 2, 0.01f, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"STTR std.dev.", true, 2, 0.01f, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"STTR basis", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"mean word length (in characters)", true, 2, 0.01f, 48, nao_pode, as_it_comes_output,
     right_aligned},
    {u"word length std.dev.", true, 2, 0.01f, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"sentences", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"mean (in words)", true, 2, 0.01f, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"std.dev.", true, 2, 0.01f, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"paragraphs", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"mean (in words)", true, 2, 0.01f, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"std.dev.", true, 2, 0.01f, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"headings", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"mean (in words)", true, 2, 0.01f, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"std.dev.", true, 2, 0.01f, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"sections", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"mean (in words)", true, 2, 0.01f, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"std.dev.", true, 2, 0.01f, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"numbers removed", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"stoplist tokens removed", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"stoplist types removed", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 28: "1-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 29: "2-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 30: "3-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 31: "4-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 32: "5-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 33: "6-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 34: "7-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 35: "8-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 36: "9-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 37: "10-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 38: "11-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 39: "12-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 40: "13-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 41: "14-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 42: "15-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 43: "16-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 44: "17-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 45: "18-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 46: "19-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 47: "20-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 48: "21-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 49: "22-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 50: "23-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 51: "24-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 52: "25-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 53: "26-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 54: "27-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 55: "28-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 56: "29-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 57: "30-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 58: "31-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 59: "32-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 60: "33-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 61: "34-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 62: "35-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 63: "36-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 64: "37-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 65: "38-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 66: "39-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 67: "40-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 68: "41-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 69: "42-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 70: "43-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 71: "44-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 72: "45-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 73: "46-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 74: "47-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 75: "48-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 76: "49-letter words"
    {nullptr, true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned}, // 77: "50-letter words"
};

// QMBH_TIMELINE_LIST: localisation numbers 2100 to 2106.
constexpr Row kQMBH_TIMELINE_LIST[] = {
    {u"N", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"File", false, 0, 0, 96, nao_pode, as_it_comes_output, right_aligned},
    {u"Words", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"Hits", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"per 1,000", true, 2, 0.01f, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"Spread", true, 3, -9999999.0f, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"Timeline", false, 0, 0, 480, nao_pode, upper_case_output, plotting},
};

// QMBH_ALIGNER_LIST: localisation numbers 2200 to 2202.
constexpr Row kQMBH_ALIGNER_LIST[] = {
    {u"N", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"sentences", false, 0, 0, 480, tanto_faz, as_it_comes_output, right_aligned},
    {u"paragraphs", false, 0, 0, 480, tanto_faz, as_it_comes_output, right_aligned},
};

// QMBH_TEXT_LIST: localisation numbers 2300 to 2301.
constexpr Row kQMBH_TEXT_LIST[] = {
    {u"N", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"Text", false, 0, 0, 336, tanto_faz, as_it_comes_output, text_viewer_entry},
};

// QMBH_KEYWORDS_CLUSTER_LIST: localisation numbers 2500 to 2502.
constexpr Row kQMBH_KEYWORDS_CLUSTER_LIST[] = {
    {u"N", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"KW Cluster", false, 0, 0, 384, tanto_faz, as_it_comes_output, right_aligned},
    {u"Freq.", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
};

// QMBH_MUTUAL_INFORMATION_LIST: localisation numbers 2900 to 2915.
constexpr Row kQMBH_MUTUAL_INFORMATION_LIST[] = {
    {u"N", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"Word 1", false, 0, 0, 144, tanto_faz, as_it_comes_output, right_aligned},
    {u"Freq.", true, 0, 0, 48, tanto_faz, as_it_comes_output, right_aligned},
    {u"Word 2", false, 0, 0, 144, nao_pode, as_it_comes_output, right_aligned},
    {u"Freq.", true, 0, 0, 48, tanto_faz, as_it_comes_output, right_aligned},
    {u"Texts", true, 0, 0, 48, tanto_faz, as_it_comes_output, right_aligned},
    {u"Gap", true, 0, 0, 36, tanto_faz, as_it_comes_output, right_aligned},
    {u"Joint", true, 0, 0, 48, tanto_faz, as_it_comes_output, right_aligned},
    {u"MI", true, 2, -9999999.0f, 72, nao_pode, as_it_comes_output, right_aligned},
    {u"Z", true, 2, -9999999.0f, 72, nao_pode, as_it_comes_output, right_aligned},
    {u"MI3", true, 2, -9999999.0f, 72, nao_pode, as_it_comes_output, right_aligned},
    {u"Log L.", true, 2, -9999999.0f, 72, nao_pode, as_it_comes_output, right_aligned},
    {u"T score", true, 2, -9999999.0f, 72, nao_pode, as_it_comes_output, right_aligned},
    {u"Dice", true, 2, -9999999.0f, 72, nao_pode, as_it_comes_output, right_aligned},
    {u"Log Ratio", true, 2, -9999999.0f, 72, nao_pode, as_it_comes_output, right_aligned},
    {u"Set", false, 0, 0, 24, tanto_faz, as_it_comes_output, right_aligned},
};

// QMBH_CHARGRAM_LIST: localisation numbers 3400 to 3408.
constexpr Row kQMBH_CHARGRAM_LIST[] = {
    {u"N", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"Chargram", false, 0, 0, 144, tanto_faz, as_it_comes_output, right_aligned},
    {u"Position", false, 0, 0, 144, tanto_faz, as_it_comes_output, right_aligned},
    {u"Freq.", true, 0, 0, 48, tanto_faz, as_it_comes_output, right_aligned},
    {u"Length", true, 0, 0, 48, tanto_faz, as_it_comes_output, right_aligned},
    {u"Texts", true, 0, 0, 48, tanto_faz, as_it_comes_output, right_aligned},
    {u"%", true, 2, 0.01f, 48, nao_pode, as_it_comes_output, right_aligned},
    {u"Contexts", false, 0, 0, 288, nao_pode, lower_case_output, right_aligned},
    {u"Set", false, 0, 0, 24, tanto_faz, as_it_comes_output, right_aligned},
};

// The first statistics column that counts words of a length: column 28 counts 1-letter words.
constexpr int32_t kFirstLengthColumn = 28;

struct Template {
  std::span<const Row> rows;
  list_type numbered_as; // the kind whose localisation numbers the columns carry
};

// The template of each kind that has one; the others have none (rows empty).
constexpr std::array<Template, list_type_count> kTemplates = [] {
  std::array<Template, list_type_count> t{};
  const auto own = [&t](list_type kind, std::span<const Row> rows) { t[kind] = {rows, kind}; };
  own(lt_word_list, kQMBH_WORD_LIST);
  own(lt_keyword_list, kQMBH_KEY_WORD_LIST);
  own(lt_KW_database_list, kQMBH_KEYWORDS_DATABASE);
  own(lt_detailed_consistency_relations_list, kQMBH_DETAILED_CONSISTENCY_RELATIONS_LIST);
  own(lt_detailed_consistency_list, kQMBH_DETAILED_CONSISTENCY_LIST);
  own(lt_collocate_list, kQMBH_COLLOCATE_LIST);
  own(lt_concordance_list, kQMBH_CONCORDANCE_LIST);
  own(lt_KW_plot_list, kQMBH_KEYWORDS_PLOT_LIST);
  own(lt_concordance_plot_list, kQMBH_CONCORDANCE_PLOT_LIST);
  own(lt_concordance_cluster_list, kQMBH_CONCORDANCE_CLUSTER_LIST);
  own(lt_concordance_pattern_list, kQMBH_CONCORDANCE_PATTERN_LIST);
  own(lt_associate_list, kQMBH_ASSOCIATE_LIST);
  own(lt_filename_list, kQMBH_FILENAME_LIST);
  own(lt_link_list, kQMBH_LINK_LIST);
  own(lt_statistics_list, kQMBH_STATISTICS_LIST);
  own(lt_timeline_list, kQMBH_TIMELINE_LIST);
  own(lt_aligner_list, kQMBH_ALIGNER_LIST);
  own(lt_aligner_plaintext_list, kQMBH_TEXT_LIST);
  own(lt_kw_cluster_list, kQMBH_KEYWORDS_CLUSTER_LIST);
  own(lt_relationship_list, kQMBH_MUTUAL_INFORMATION_LIST);
  own(lt_chargram_list, kQMBH_CHARGRAM_LIST);
  for (list_type kind : {lt_KWs_as_word_list, lt_KWDB_as_word_list, lt_associates_as_word_list,
                         lt_clumps_as_word_list, lt_wordlist_index_list})
    t[kind] = {kQMBH_WORD_LIST, lt_word_list};
  return t;
}();

constexpr int32_t NumberOf(list_type kind, size_t column) {
  return (static_cast<int32_t>(kind) + 1) * 100 + static_cast<int32_t>(column);
}

grid_head_type32 ColumnOf(const Row &row, int32_t number, size_t column) {
  grid_head_type32 c;
  c.alignment = row.alignment;
  c.typeface = {normal};
  c.editable = row.editable;
  c.minimum = row.minimum;
  c.decimals = row.decimals;
  c.textcolour = kDefaultTextColour;
  c.background = kDefaultBackgroundColour;
  c.numerical = row.numerical;
  c.heading_visible = true;
  c.original_column = static_cast<int16_t>(column);
  c.pixel_width = row.pixel_width;
  c.output_case = row.output_case;
  c.localization_number = number;
  return c;
}

// The one column of a kind without a template.
constexpr Row kNumberColumn{u"N", true, 0, 0, 48, nao_pode, as_it_comes_output, right_aligned};

// Every kind's columns, and (last) the one column of a value outside list_type.
const std::array<std::vector<grid_head_type32>, list_type_count + 1> &Columns() {
  static const auto columns = [] {
    std::array<std::vector<grid_head_type32>, list_type_count + 1> c;
    for (int32_t k = 0; k < list_type_count; ++k) {
      const Template &t = kTemplates[static_cast<size_t>(k)];
      if (t.rows.empty()) {
        c[static_cast<size_t>(k)] = {
            ColumnOf(kNumberColumn, NumberOf(static_cast<list_type>(k), 0), 0)};
        continue;
      }
      for (size_t i = 0; i < t.rows.size(); ++i)
        c[static_cast<size_t>(k)].push_back(ColumnOf(t.rows[i], NumberOf(t.numbered_as, i), i));
    }
    c[list_type_count] = {ColumnOf(kNumberColumn, 0, 0)};
    return c;
  }();
  return columns;
}

template <size_t N> std::array<grid_head_type32, N> AsArray(list_type kind) {
  std::array<grid_head_type32, N> columns;
  std::copy_n(Columns()[kind].begin(), N, columns.begin());
  return columns;
}

} // namespace

#define QUILLMARK_TEMPLATE(name, kind)                                                             \
  const std::array<grid_head_type32, std::size(k##name)> &name() {                                 \
    static const auto columns = AsArray<std::size(k##name)>(kind);                                 \
    return columns;                                                                                \
  }
QUILLMARK_TEMPLATE(QMBH_WORD_LIST, lt_word_list)
QUILLMARK_TEMPLATE(QMBH_KEY_WORD_LIST, lt_keyword_list)
QUILLMARK_TEMPLATE(QMBH_KEYWORDS_DATABASE, lt_KW_database_list)
QUILLMARK_TEMPLATE(QMBH_DETAILED_CONSISTENCY_RELATIONS_LIST, lt_detailed_consistency_relations_list)
QUILLMARK_TEMPLATE(QMBH_DETAILED_CONSISTENCY_LIST, lt_detailed_consistency_list)
QUILLMARK_TEMPLATE(QMBH_COLLOCATE_LIST, lt_collocate_list)
QUILLMARK_TEMPLATE(QMBH_CONCORDANCE_LIST, lt_concordance_list)
QUILLMARK_TEMPLATE(QMBH_KEYWORDS_PLOT_LIST, lt_KW_plot_list)
QUILLMARK_TEMPLATE(QMBH_CONCORDANCE_PLOT_LIST, lt_concordance_plot_list)
QUILLMARK_TEMPLATE(QMBH_CONCORDANCE_CLUSTER_LIST, lt_concordance_cluster_list)
QUILLMARK_TEMPLATE(QMBH_CONCORDANCE_PATTERN_LIST, lt_concordance_pattern_list)
QUILLMARK_TEMPLATE(QMBH_ASSOCIATE_LIST, lt_associate_list)
QUILLMARK_TEMPLATE(QMBH_FILENAME_LIST, lt_filename_list)
QUILLMARK_TEMPLATE(QMBH_LINK_LIST, lt_link_list)
QUILLMARK_TEMPLATE(QMBH_STATISTICS_LIST, lt_statistics_list)
QUILLMARK_TEMPLATE(QMBH_TIMELINE_LIST, lt_timeline_list)
QUILLMARK_TEMPLATE(QMBH_ALIGNER_LIST, lt_aligner_list)
QUILLMARK_TEMPLATE(QMBH_TEXT_LIST, lt_aligner_plaintext_list)
QUILLMARK_TEMPLATE(QMBH_KEYWORDS_CLUSTER_LIST, lt_kw_cluster_list)
QUILLMARK_TEMPLATE(QMBH_MUTUAL_INFORMATION_LIST, lt_relationship_list)
QUILLMARK_TEMPLATE(QMBH_CHARGRAM_LIST, lt_chargram_list)
#undef QUILLMARK_TEMPLATE

std::span<const grid_head_type32> ColumnTemplateOf(list_type kind) {
  return Columns()[std::min<size_t>(kind, list_type_count)];
}

std::vector<grid_head_type32> ListColumnsOf(list_type kind) {
  const std::span<const grid_head_type32> columns = ColumnTemplateOf(kind);
  std::vector<grid_head_type32> filled(columns.begin(), columns.end());
  for (grid_head_type32 &column : filled)
    column.heading = WideHStringFromN(column.localization_number);
  return filled;
}

String WideHStringFromN(int32_t n) {
  if (n < 100 || n >= (list_type_count + 1) * 100)
    return {};
  const auto kind = static_cast<list_type>(n / 100 - 1);
  const size_t column = static_cast<size_t>(n % 100);
  if (column == 0)
    return u"N";
  const Template &t = kTemplates[kind];
  if (t.numbered_as != kind || column >= t.rows.size())
    return {};
  if (t.rows[column].heading != nullptr)
    return t.rows[column].heading;
  return UTF8ToString(std::to_string(static_cast<int32_t>(column) - kFirstLengthColumn + 1) +
                      "-letter words");
}

int32_t OfficialStandardNOfHeaders(list_type kind) {
  return static_cast<int32_t>(ColumnTemplateOf(kind).size());
}

int32_t PredefinedSetColumnNumber(list_type kind) {
  if (kind >= list_type_count)
    return -1;
  const Template &t = kTemplates[kind];
  for (size_t i = 0; i < t.rows.size(); ++i)
    if (t.rows[i].heading != nullptr && String(t.rows[i].heading) == u"Set")
      return static_cast<int32_t>(i);
  return -1;
}

} // namespace dialogkit
