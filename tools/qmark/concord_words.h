// The search words of one qmark concord run: the user's typed list parsed into items, the words
// sought in the order typed, and the exclusion words ("~word") whose hits are left out.
#pragma once

#include "platform/nls_locale_ids.h"
#include "search/search_item_kinds.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qmark {

class ConcordWords {
public:
  // Parses typed ("/" between words); with case_sensitive every word matches case exactly.
  // Searching for markup itself (a tag as a search word) is not offered yet. False, with a message
  // for the user, when the list is empty or an item of it parses to nothing. warnings receives a
  // message for each word that keeps a "/" as a character, which the user may have meant as a
  // separator.
  bool Parse(const textcore::String &typed, textcore::LCID lcid, bool case_sensitive,
             std::string &error, std::vector<std::string> &warnings);

  // The words sought, in the order typed; a word typed twice is there once.
  const std::vector<textcore::TSearch_word_format_rec *> &Sought() const { return fSought; }
  const std::vector<textcore::TSearch_word_format_rec *> &Excluded() const { return fExcluded; }

private:
  textcore::TSearchWordItems fItems;
  std::vector<textcore::TSearch_word_format_rec *> fSought;
  std::vector<textcore::TSearch_word_format_rec *> fExcluded;
};

} // namespace qmark
