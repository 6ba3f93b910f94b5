// The parsed form of one typed search word, and the flag set and markup characters that go with it.
//
// A TSearch_word_format_rec lives only in memory (lists of them are saved field by field), so it is
// an ordinary struct; every field starts at zero, which is what a cleared record means to callers.
#pragma once

#include "platform/set.h"
#include "platform/strings.h"
#include "search/my_search_flags.h"

#include <array>
#include <cstdint>

namespace textcore {

// Six opening markup characters, then the six closing ones: position i pairs with i + 6, and a
// zero character means there is no pair at that position.
using TIgnore_tag_type = std::array<char16_t, 12>;
constexpr int32_t ignore_tag_pairs = 6;

enum sw_copy_type : uint8_t { unchanged_copy, upper_copy, lower_copy, title_copy };
using TSWCopies = std::array<String, 4>;

struct TSearch_word_format_rec {
  String typed_in_text;
  String search_text;
  TSWCopies copies;
  TMySearchFlags flags;
  int32_t n_to_find = 0;
  int32_t hits_found = 0;
  String sw_context_needed;
  int32_t spaces_in_sw = 0;
  std::array<uint8_t, 4> spareb{};
  bool ambiguous = false;
  bool auto_lemma_added = false;
  bool copies_converted = false;
  bool has_file_based_context_word = false;
  bool achou_suficiente = false;
  bool contains_a_tag = false;
  int16_t Langnum = 0;
  int32_t SearchColumn = 0;
  int32_t temp_int = 0;
  std::array<uint8_t, 52> extras{};
};

} // namespace textcore
