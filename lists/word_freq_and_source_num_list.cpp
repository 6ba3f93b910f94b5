// TWordFreqAndSourceNumList: the read cursor and the frequency sort.
#include "lists/word_freq_and_source_num_list.h"

#include <limits>

namespace textcore {

TWordFreqAndSourceNum TWordFreqAndSourceNumList::GetNext() {
  TWordFreqAndSourceNum rec = GetOne(this_);
  if (this_ < std::numeric_limits<int32_t>::max())
    ++this_;
  return rec;
}

void TWordFreqAndSourceNumList::SortOnFreqs() {
  SortOn<int32_t>([](const TWordFreqAndSourceNum &r) { return r.f; },
                  [](int32_t a, int32_t b) { return a > b; });
  sorted = true;
}

void TWordFreqAndSourceNumList::Clear() {
  TUsefulBaseListSorts::Clear();
  this_ = 0;
}

} // namespace textcore
