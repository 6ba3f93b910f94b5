// Summaries of the measurements made over a text (word, sentence and paragraph lengths and the
// like), and their merge.
#pragma once

#include "platform/strings.h"

#include <array>
#include <cstdint>

namespace unidisplay {

enum text_stats_type : uint8_t {
  word_stats,
  sentence_stats,
  paragraph_stats,
  heading_stats,
  section_stats
};

// One measurement over a text: how many items were measured, their mean and their standard
// deviation.
struct text_stats_rec {
  int32_t n = 0;
  float mean = 0;
  float std_dev = 0;
};

// Counts of words by length.
using TStatsWordLengths = std::array<int32_t, 51>;

// Everything measured over one text.
struct one_text_stats_rec {
  std::array<text_stats_rec, 5> text_info{}; // by text_stats_type
  int32_t overall_token_count = 0;
  int32_t stoplist_tokens_removed = 0;
  int32_t stoplist_types_removed = 0;
  int32_t numbers_removed = 0;
  int32_t entries = 0;
  int32_t tokenlimit = 0;
  int32_t sum_of_running_words_used_in_list = 0;
  std::array<uint8_t, 8> TextualDateAndTimeArr{};
  bool file_still_available = false;
  std::array<uint8_t, 3> spareBs{};
  int32_t file_size = 0;
  text_stats_rec type_token100{}; // standardised type/token ratio over equal chunks of the text
  TStatsWordLengths word_lengths{};
  int32_t filenum = 0;
  int32_t foldernum = 0;
  textcore::String filename;
};

// The summary of the items of a and b together: n adds up, the mean is the weighted mean, and the
// standard deviation is that of all n items, with the n - 1 divisor of a sample's. Merging with
// an empty summary (n = 0) gives the other one unchanged. Negative counts, and a total beyond
// the Integer range, are errors.
text_stats_rec MergedTextStats(const text_stats_rec &a, const text_stats_rec &b);

} // namespace unidisplay
