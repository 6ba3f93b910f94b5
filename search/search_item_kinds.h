// The four kinds of search-word item list: the words sought (with their context words and the
// engine that checks them, made on demand), the context words, the exclusion words and the
// tag-context words.
#pragma once

#include "search/search_engine.h"
#include "search/search_items.h"

#include <cstdint>
#include <memory>

namespace textcore {

class TContextWordItems : public TBaseSearchItems {
public:
  using TBaseSearchItems::TBaseSearchItems;

  int32_t sought_context_word_pos = 0;
  bool require_one_context_word_position = false;
  bool require_all_context_words = false;
};

// Exclusion words and tag-context words are held for clients; the search engine does not apply
// them itself.
class TExclusionWordItems : public TBaseSearchItems {
public:
  using TBaseSearchItems::TBaseSearchItems;
};

class TTagContextWordItems : public TBaseSearchItems {
public:
  using TBaseSearchItems::TBaseSearchItems;
};

class TSearchWordItems : public TBaseSearchItems {
public:
  using TBaseSearchItems::TBaseSearchItems;
  ~TSearchWordItems() override;

  // Nothing is added, and indices stays empty, when the whole text is an item already. When items
  // are added and the first item carries its own context word, the context-word list is made
  // (same markup and locale, splitting at slashes) with an engine to check them (8-bit buffers,
  // wide search words, the same locale), unless either is there already.
  void fAddedSearchWordsIndices(const String &text, std::vector<int32_t> &indices) override;

  // has_file_based_context_word of item i (false outside the list); true also sets
  // HasAnyContextWords.
  bool GetHasContextWord(int32_t i);

  // Null until an item with its own context word has been added.
  TContextWordItems *TempCWItems() const { return ftempCWItems.get(); }
  TSearchAndDoEngine *TempEngine() const { return ftempEngine.get(); }

  int32_t ColunaPraProcura = 0; // the data column to search
  bool HasAnyContextWords = false;

private:
  std::unique_ptr<TSearchAndDoEngine> ftempEngine;
  std::unique_ptr<TContextWordItems> ftempCWItems;
};

} // namespace textcore
