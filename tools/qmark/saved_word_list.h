// The word list as qmark wordlist saves it and qmark keywords reads it back: the header of a word
// list written by the word-list tool (its format number and the kind's signature), then in the
// base-list form the totals (a TQMInt64List of two values: the running words, the texts) and the
// types (a T2StringsAnd2IntegersList: frequency, texts, the type, and an empty string kept for
// its lemmas), in the order shown.
#pragma once

#include "platform/streams.h"
#include "platform/strings.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qmark {

struct SavedWordType {
  textcore::String word;
  int64_t freq = 0;
  int64_t texts = 0;
};

struct SavedWordList {
  int64_t tokens = 0; // the running words counted
  int64_t texts = 0;  // the texts read
  std::vector<SavedWordType> types;
};

// The list's bytes; false, with the reason, when a count is beyond what the format holds (a
// frequency or text count above 2,147,483,647).
bool WordListBytes(const SavedWordList &list, std::string &bytes, std::string &reason);
// Reads a saved word list from the start of stream; false, with the reason, for anything else:
// another header, counts the bytes left cannot hold, negative counts, a text cut short.
bool ReadWordList(textcore::TStream &stream, SavedWordList &list, std::string &reason);

} // namespace qmark
