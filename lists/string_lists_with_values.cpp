// The frequency sort of TStringListWithFreqPointers; the other lists are templates.
#include "lists/string_lists_with_values.h"

namespace textcore {

void TStringListWithFreqPointers::SortOnFreq() {
  fComparisons = 0;
  CustomSort([](TStringList *List, int32_t Index1, int32_t Index2) -> int {
    auto &self = static_cast<TStringListWithFreqPointers &>(*List);
    if ((++self.fComparisons & 1023) == 0)
      MyYieldProcess();
    return CompareLongints(self.FreqOf(Index2), self.FreqOf(Index1));
  });
}

} // namespace textcore
