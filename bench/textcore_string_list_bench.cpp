// Sorted insertion: 100,000 words into a sorted TStringList against a std::map of the same words.
// Ours pays for locale-aware comparison and for keeping an array in order; the map compares code
// units and links nodes, so the ratio shows what the framework's semantics cost.
#include "platform/string_list.h"

#include <benchmark/benchmark.h>

#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

std::vector<std::u16string> Words() {
  static const char16_t kLetters[] = u"abcdefghijklmnopqrstuvwxyz\u00E9\u00E8\u00FC\u00DF";
  std::mt19937 random(42);
  std::vector<std::u16string> words(100000);
  for (std::u16string &word : words) {
    const size_t length = 3 + random() % 8;
    for (size_t i = 0; i < length; ++i)
      word += kLetters[random() % (std::size(kLetters) - 1)];
  }
  return words;
}

void SortedStringListAddOurs(benchmark::State &state) {
  const std::vector<std::u16string> words = Words();
  for (auto _ : state) {
    textcore::TStringList list;
    list.SetSorted(true);
    list.SetDuplicates(textcore::dupAccept);
    for (const std::u16string &word : words)
      list.Add(word);
    benchmark::DoNotOptimize(list.Count());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(words.size()));
}
BENCHMARK(SortedStringListAddOurs)->Name("SortedStringListAdd/ours")->Unit(benchmark::kMillisecond);

void SortedStringListAddPeerMap(benchmark::State &state) {
  const std::vector<std::u16string> words = Words();
  for (auto _ : state) {
    std::map<std::u16string, int> map;
    for (const std::u16string &word : words)
      ++map[word];
    benchmark::DoNotOptimize(map.size());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(words.size()));
}
BENCHMARK(SortedStringListAddPeerMap)
    ->Name("SortedStringListAdd/peer_map")
    ->Unit(benchmark::kMillisecond);

} // namespace
