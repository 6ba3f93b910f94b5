// The search-word list proper: adding a typed list whole or not at all, and its context words.
#include "search/search_item_kinds.h"

namespace textcore {

TSearchWordItems::~TSearchWordItems() = default;

void TSearchWordItems::fAddedSearchWordsIndices(const String &text, std::vector<int32_t> &indices) {
  indices.clear();
  if (TypeInIndexOf(text) != -1)
    return;
  const int32_t count_before = Count();
  TBaseSearchItems::fAddedSearchWordsIndices(text, indices);
  const TSearch_word_format_rec *first = GetPtr(0);
  if (Count() > count_before && first->has_file_based_context_word && !ftempCWItems &&
      !ftempEngine) {
    ftempCWItems = std::make_unique<TContextWordItems>(ignore_tags, fLCID, true);
    ftempEngine = std::make_unique<TSearchAndDoEngine>(false, true, fLCID, nullptr);
  }
}

bool TSearchWordItems::GetHasContextWord(int32_t i) {
  const bool has = GetSWR(i).has_file_based_context_word;
  if (has)
    HasAnyContextWords = true;
  return has;
}

} // namespace textcore
