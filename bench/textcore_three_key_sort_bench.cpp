// The three-key sort over one million records against std::sort with an equivalent comparator,
// measured in the same run: once with plain integer keys, once with keys stored as decimal text
// that each comparison must decode (our sort decodes the base once per pass, std::sort decodes
// both sides of every comparison).
#include "lists/three_key_sort.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <random>
#include <vector>

namespace {

using textcore::T3SortYieldingList;
using textcore::TCompareFunctOfObject;

constexpr int32_t kRecords = 1'000'000;

// Concordance-like keys: few values on the first two levels, so that the tie-break passes have
// long runs to sort, and a nearly unique third key.
std::array<int32_t, 3> RandomKeys(std::mt19937 &random) {
  std::uniform_int_distribution<int32_t> coarse(0, 99), fine(0, 999'999);
  return {coarse(random), coarse(random), fine(random)};
}

struct IntRecord {
  std::array<int32_t, 3> key;
};

// Each key as seven zero-padded decimal digits.
struct TextRecord {
  std::array<std::array<char16_t, 7>, 3> key;
};

int32_t Decode(const std::array<char16_t, 7> &digits) {
  int32_t value = 0;
  for (char16_t d : digits)
    value = value * 10 + (d - u'0');
  return value;
}

template <typename Record> Record Make(const std::array<int32_t, 3> &keys);

template <> IntRecord Make<IntRecord>(const std::array<int32_t, 3> &keys) { return {keys}; }

template <> TextRecord Make<TextRecord>(const std::array<int32_t, 3> &keys) {
  TextRecord r{};
  for (size_t k = 0; k < 3; ++k)
    for (int32_t i = 6, v = keys[k]; i >= 0; --i, v /= 10)
      r.key[k][static_cast<size_t>(i)] = static_cast<char16_t>(u'0' + v % 10);
  return r;
}

int32_t KeyOf(const IntRecord &r, int32_t var) { return r.key[static_cast<size_t>(var)]; }
int32_t KeyOf(const TextRecord &r, int32_t var) { return Decode(r.key[static_cast<size_t>(var)]); }

// The records, and pointers to them in their unsorted order.
template <typename Record> const std::vector<void *> &Unsorted() {
  static std::vector<Record> records = [] {
    std::mt19937 random(2024);
    std::vector<Record> out;
    out.reserve(kRecords);
    for (int32_t i = 0; i < kRecords; ++i)
      out.push_back(Make<Record>(RandomKeys(random)));
    return out;
  }();
  static const std::vector<void *> pointers = [] {
    std::vector<void *> out;
    for (Record &r : records)
      out.push_back(&r);
    return out;
  }();
  return pointers;
}

template <typename Record> class RecordList : public T3SortYieldingList {
public:
  void SetBase(void *Item, int32_t SortVar) override {
    fBase = KeyOf(*static_cast<const Record *>(Item), SortVar);
  }
  TCompareFunctOfObject Comparer() {
    return [this](const void *a) {
      int32_t key = KeyOf(*static_cast<const Record *>(a), current_sort_rec.current_sort_var);
      return (fBase > key) - (fBase < key);
    };
  }

private:
  int32_t fBase = 0;
};

template <typename Record> void Ours(benchmark::State &state) {
  const std::vector<void *> &unsorted = Unsorted<Record>();
  RecordList<Record> list;
  list.SetCount(kRecords);
  const TCompareFunctOfObject compare = list.Comparer();
  for (auto _ : state) {
    state.PauseTiming();
    std::memcpy(list.List(), unsorted.data(), unsorted.size() * sizeof(void *));
    state.ResumeTiming();
    list.DoATrebleSort(compare, 0, 1, 2);
  }
  state.SetItemsProcessed(state.iterations() * kRecords);
}

template <typename Record> void PeerStdSort(benchmark::State &state) {
  const std::vector<void *> &unsorted = Unsorted<Record>();
  std::vector<const Record *> items(unsorted.size());
  auto before = [](const Record *a, const Record *b) {
    for (int32_t var = 0; var < 3; ++var) {
      int32_t x = KeyOf(*a, var), y = KeyOf(*b, var);
      if (x != y)
        return x < y;
    }
    return false;
  };
  for (auto _ : state) {
    state.PauseTiming();
    std::transform(unsorted.begin(), unsorted.end(), items.begin(),
                   [](void *p) { return static_cast<const Record *>(p); });
    state.ResumeTiming();
    std::sort(items.begin(), items.end(), before);
  }
  state.SetItemsProcessed(state.iterations() * kRecords);
}

BENCHMARK(Ours<IntRecord>)->Name("ThreeKeySortIntegers/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(PeerStdSort<IntRecord>)
    ->Name("ThreeKeySortIntegers/peer_std_sort")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(Ours<TextRecord>)->Name("ThreeKeySortDecoded/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(PeerStdSort<TextRecord>)
    ->Name("ThreeKeySortDecoded/peer_std_sort")
    ->Unit(benchmark::kMillisecond);

} // namespace
