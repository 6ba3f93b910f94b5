// Word ranks and the three-key sort of stored concordance lines.
#include "tools/qmark/concord_sort.h"

#include "platform/nls_compare.h"

#include <algorithm>
#include <cstring>
#include <numeric>

namespace qmark {

using textcore::String;
using textcore::StringView;

namespace {

// A sort variable: the level whose key is compared, plus this bit on the last level, where lines
// equal on the key fall back on the order in which they were found.
constexpr int32_t kThenAsFound = 0x10;

bool IsWordKey(ConcordKey key) { return key != kKeyFile && key != kKeyPosition; }

int32_t Compared(int64_t a, int64_t b) { return a < b ? -1 : a > b ? 1 : 0; }

} // namespace

StoredLine LineStore::Add(std::string_view line) {
  if (line.size() > kBlockBytes - fUsed) {
    // A line longer than a block has one of its own.
    fBlocks.push_back(std::make_unique_for_overwrite<char[]>(std::max(kBlockBytes, line.size())));
    fUsed = 0;
  }
  const StoredLine stored{static_cast<uint32_t>(fBlocks.size() - 1), static_cast<uint32_t>(fUsed),
                          line.size()};
  std::memcpy(fBlocks.back().get() + fUsed, line.data(), line.size());
  fUsed += line.size();
  if (line.size() > kBlockBytes)
    fUsed = kBlockBytes; // full
  return stored;
}

int32_t WordRanks::Id(StringView word) {
  if (word.empty())
    return -1;
  auto found = fIds.find(word);
  if (found != fIds.end())
    return found->second;
  const int32_t id = static_cast<int32_t>(fWords.size());
  auto added = fIds.emplace(String(word), id).first;
  fWords.push_back(&added->first);
  return id;
}

std::vector<int32_t> WordRanks::Ranks(textcore::LCID lcid) const {
  auto compare = [lcid](const String *a, const String *b) {
    return textcore::CompareStrings(lcid, textcore::NORM_IGNORECASE, *a, *b);
  };
  std::vector<int32_t> order(fWords.size());
  std::iota(order.begin(), order.end(), 0);
  std::sort(order.begin(), order.end(), [&](int32_t a, int32_t b) {
    return compare(fWords[static_cast<size_t>(a)], fWords[static_cast<size_t>(b)]) ==
           textcore::CSTR_LESS_THAN;
  });
  std::vector<int32_t> ranks(fWords.size());
  int32_t rank = 0;
  for (size_t i = 0; i < order.size(); ++i) {
    if (i > 0 && compare(fWords[static_cast<size_t>(order[i - 1])],
                         fWords[static_cast<size_t>(order[i])]) != textcore::CSTR_EQUAL)
      ++rank;
    ranks[static_cast<size_t>(order[i])] = rank;
  }
  return ranks;
}

void RankWordKeys(std::vector<SortKeys> &keys, const std::vector<ConcordSortLevel> &levels,
                  const WordRanks &words, textcore::LCID lcid) {
  const std::vector<int32_t> ranks = words.Ranks(lcid);
  for (size_t level = 0; level < levels.size() && level < 3; ++level) {
    if (!IsWordKey(levels[level].key))
      continue;
    for (SortKeys &line : keys) {
      int64_t &key = line[level];
      key = key < 0 ? -1 : ranks[static_cast<size_t>(key)];
    }
  }
}

ConcordSortList::ConcordSortList(std::vector<SortKeys> &keys,
                                 const std::vector<ConcordSortLevel> &levels)
    : fKeys(keys), fLevels(levels) {
  if (fLevels.size() > 3)
    fLevels.resize(3);
  // Every level in increasing order of what CompareWithBase reports; it applies the direction
  // itself so that the fall-back on the order found always increases.
  SetAscending(false, false, false);
}

void ConcordSortList::SetBase(void *Item, int32_t SortVar) {
  fBase = static_cast<const SortKeys *>(Item);
  fBaseVar = SortVar;
}

int32_t ConcordSortList::CompareWithBase(const void *item) const {
  const SortKeys &other = *static_cast<const SortKeys *>(item);
  const size_t level = static_cast<size_t>(fBaseVar & 3);
  int32_t result = Compared((*fBase)[level], other[level]);
  if (fLevels[level].descending)
    result = -result;
  if (result == 0 && (fBaseVar & kThenAsFound) != 0)
    result = Compared(fBase - fKeys.data(), &other - fKeys.data());
  return result;
}

std::vector<int32_t> ConcordSortList::SortedOrder() {
  Clear();
  SetCapacity(static_cast<int32_t>(fKeys.size()));
  for (SortKeys &keys : fKeys)
    Add(&keys);
  const textcore::TCompareFunctOfObject compare = [this](const void *item) {
    return CompareWithBase(item);
  };
  switch (fLevels.size()) {
  case 1:
    DoASingleSort(compare, 0 | kThenAsFound);
    break;
  case 2:
    DoADoubleSort(compare, 0, 1 | kThenAsFound);
    break;
  case 3:
    DoATrebleSort(compare, 0, 1, 2 | kThenAsFound);
    break;
  default:
    break;
  }
  std::vector<int32_t> order(static_cast<size_t>(Count()));
  for (int32_t i = 0; i < Count(); ++i)
    order[static_cast<size_t>(i)] =
        static_cast<int32_t>(static_cast<const SortKeys *>(Items(i)) - fKeys.data());
  Clear();
  return order;
}

} // namespace qmark
