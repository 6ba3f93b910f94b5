// Sorting a million-record typed list against std::sort of the same values in a plain array,
// measured in the same run: once for 32-bit values, once for (cardinal, frequency) records
// sorted on the frequency, highest first.
#include "lists/cardinal_and_freq_list.h"
#include "lists/qm_longint_list.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

namespace {

using namespace textcore;

constexpr int32_t kRecords = 1'000'000;

const std::vector<int32_t> &RandomValues() {
  static const std::vector<int32_t> values = [] {
    std::mt19937 random(2024);
    std::vector<int32_t> out(kRecords);
    for (int32_t &v : out)
      v = static_cast<int32_t>(random());
    return out;
  }();
  return values;
}

// A list filled once, with its unsorted order kept to restore before each round.
template <typename List, typename Fill> struct Prepared {
  explicit Prepared(Fill fill) {
    fill(list);
    unsorted.assign(list.List(), list.List() + list.Count());
  }
  void Restore() { std::memcpy(list.List(), unsorted.data(), unsorted.size() * sizeof(void *)); }
  List list;
  std::vector<void *> unsorted;
};

void LongintOurs(benchmark::State &state) {
  auto fill = [](TQMLongintList &l) {
    for (int32_t v : RandomValues())
      l.AddOne(v);
  };
  Prepared<TQMLongintList, decltype(fill)> prepared(fill);
  for (auto _ : state) {
    state.PauseTiming();
    prepared.Restore();
    state.ResumeTiming();
    prepared.list.SortAscendingDefault();
  }
  state.SetItemsProcessed(state.iterations() * kRecords);
}

void LongintPeer(benchmark::State &state) {
  std::vector<int32_t> values;
  for (auto _ : state) {
    state.PauseTiming();
    values = RandomValues();
    state.ResumeTiming();
    std::sort(values.begin(), values.end());
  }
  state.SetItemsProcessed(state.iterations() * kRecords);
}

// Frequencies with many ties, as word counts have.
TCardinalAndFreq RecordOf(int32_t i) {
  return {static_cast<uint32_t>(i), RandomValues()[static_cast<size_t>(i)] & 0xFFFF};
}

void FrequencyOurs(benchmark::State &state) {
  auto fill = [](TCardinalAndFreqList &l) {
    // Records added directly: counting them in through AddOneOrIncFreq would scan the list.
    for (int32_t i = 0; i < kRecords; ++i)
      l.Add(static_cast<TUsefulBaseListObject *>(new TCardinalAndFreqHolder(RecordOf(i))));
  };
  Prepared<TCardinalAndFreqList, decltype(fill)> prepared(fill);
  for (auto _ : state) {
    state.PauseTiming();
    prepared.Restore();
    state.ResumeTiming();
    prepared.list.SortOnFrequencies(true);
  }
  state.SetItemsProcessed(state.iterations() * kRecords);
}

void FrequencyPeer(benchmark::State &state) {
  std::vector<TCardinalAndFreq> unsorted, records;
  for (int32_t i = 0; i < kRecords; ++i)
    unsorted.push_back(RecordOf(i));
  for (auto _ : state) {
    state.PauseTiming();
    records = unsorted;
    state.ResumeTiming();
    std::sort(records.begin(), records.end(),
              [](const TCardinalAndFreq &a, const TCardinalAndFreq &b) { return a.f > b.f; });
  }
  state.SetItemsProcessed(state.iterations() * kRecords);
}

BENCHMARK(LongintOurs)->Name("LongintListSort/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(LongintPeer)->Name("LongintListSort/peer_std_sort")->Unit(benchmark::kMillisecond);
BENCHMARK(FrequencyOurs)->Name("FrequencyListSort/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(FrequencyPeer)->Name("FrequencyListSort/peer_std_sort")->Unit(benchmark::kMillisecond);

} // namespace
