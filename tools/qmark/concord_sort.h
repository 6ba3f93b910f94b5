// Sorting the lines of a qmark concord run by up to three keys with the three-key sort.
//
// Every key is an integer by the time the sort runs: the file's number, the position, or for a
// word (the hit, L1..L5, R1..R5) the rank of that word among all the words met, ranked once under
// the language's collation ignoring case; so the sort itself compares only integers. Lines equal
// on every key keep the order in which they were found (file, then position), so the output is
// the same on every run.
#pragma once

#include "lists/three_key_sort.h"
#include "platform/nls_locale_ids.h"
#include "platform/strings.h"
#include "tools/qmark/concord_options.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace qmark {

// The distinct words of a run, numbered as they are met, ranked at the end.
class WordRanks {
public:
  // The number of word; -1 for an empty one, which ranks before every word.
  int32_t Id(textcore::StringView word);
  // The rank of every number (words that compare equal share a rank).
  std::vector<int32_t> Ranks(textcore::LCID lcid) const;

private:
  struct Hash {
    using is_transparent = void;
    size_t operator()(textcore::StringView s) const { return std::hash<textcore::StringView>()(s); }
  };
  std::unordered_map<textcore::String, int32_t, Hash, std::equal_to<>> fIds;
  std::vector<const textcore::String *> fWords; // by number
};

// The sort keys of one kept line, one per level: apart from the line so that the sort's
// comparisons read densely packed memory.
using SortKeys = std::array<int64_t, 3>;

// Where a kept line's bytes lie in a LineStore.
struct StoredLine {
  uint32_t block = 0;
  uint32_t at = 0;
  size_t length = 0;
};

// The bytes of the lines kept until all files are searched, as they will be written, in blocks
// that are filled and never moved: the store takes what its lines take, plus at most one block,
// where one string would grow by doubling and copying.
class LineStore {
public:
  StoredLine Add(std::string_view line);
  std::string_view Line(const StoredLine &line) const {
    return {fBlocks[line.block].get() + line.at, line.length};
  }

private:
  static constexpr size_t kBlockBytes = size_t{16} << 20;
  std::vector<std::unique_ptr<char[]>> fBlocks;
  size_t fUsed = kBlockBytes; // in the last block
};

// The list the three-key sort works on: the keys of the lines, by address.
class ConcordSortList : public textcore::T3SortYieldingList {
public:
  // levels: at most three. keys must not move while the list lives.
  ConcordSortList(std::vector<SortKeys> &keys, const std::vector<ConcordSortLevel> &levels);

  // The indices of the keys (and so of their lines) in sorted order.
  std::vector<int32_t> SortedOrder();
  void SetBase(void *Item, int32_t SortVar) override;

private:
  int32_t CompareWithBase(const void *item) const;

  std::vector<SortKeys> &fKeys;
  std::vector<ConcordSortLevel> fLevels;
  const SortKeys *fBase = nullptr;
  int32_t fBaseVar = 0;
};

// Replaces every word number among the keys (levels that sort by a word) by its rank.
void RankWordKeys(std::vector<SortKeys> &keys, const std::vector<ConcordSortLevel> &levels,
                  const WordRanks &words, textcore::LCID lcid);

} // namespace qmark
