// File-name masks over 100,000 names: our matcher against fnmatch(3) with FNM_CASEFOLD on the
// UTF-8 form of the same names and masks.
#include "search/wide_masks.h"

#include <benchmark/benchmark.h>
#include <fnmatch.h>

#include <string>
#include <vector>

namespace {

using textcore::String;

struct Names {
  std::vector<String> wide;
  std::vector<std::string> utf8;
};

// Names of the kinds a corpus folder holds: mixed case, several dots, some Greek and Cyrillic.
const Names &TheNames() {
  static const Names names = [] {
    static const char16_t *stems[] = {u"Chapter",
                                      u"notes",
                                      u"\u039A\u03B5\u03AF\u03BC\u03B5\u03BD\u03BF",
                                      u"\u0442\u0435\u043A\u0441\u0442",
                                      u"README",
                                      u"corpus.part"};
    static const char16_t *exts[] = {u".txt", u".TXT", u".htm", u".xml.bak", u"", u".doc"};
    Names n;
    for (int i = 0; i < 100000; ++i) {
      String name = stems[i % 6] + textcore::IntToStr(i) + exts[(i / 6) % 6];
      n.utf8.push_back(textcore::StringToUTF8(name));
      n.wide.push_back(std::move(name));
    }
    return n;
  }();
  return names;
}

void Ours(benchmark::State &state, const char16_t *mask) {
  const Names &names = TheNames();
  for (auto _ : state) {
    int64_t hits = 0;
    for (const String &name : names.wide)
      hits += textcore::MatchesMask(name, mask);
    benchmark::DoNotOptimize(hits);
  }
  state.SetItemsProcessed(state.iterations() * int64_t(names.wide.size()));
}

void PeerFnmatch(benchmark::State &state, const char16_t *mask) {
  const Names &names = TheNames();
  const std::string utf8_mask = textcore::StringToUTF8(mask);
  for (auto _ : state) {
    int64_t hits = 0;
    for (const std::string &name : names.utf8)
      hits += fnmatch(utf8_mask.c_str(), name.c_str(), FNM_CASEFOLD) == 0;
    benchmark::DoNotOptimize(hits);
  }
  state.SetItemsProcessed(state.iterations() * int64_t(names.utf8.size()));
}

BENCHMARK_CAPTURE(Ours, extension, u"*.txt")
    ->Name("MasksExtension/ours")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PeerFnmatch, extension, u"*.txt")
    ->Name("MasksExtension/peer_fnmatch")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Ours, many_stars, u"*a*t*e*r*1*.*t")
    ->Name("MasksManyStars/ours")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PeerFnmatch, many_stars, u"*a*t*e*r*1*.*t")
    ->Name("MasksManyStars/peer_fnmatch")
    ->Unit(benchmark::kMillisecond);

} // namespace
