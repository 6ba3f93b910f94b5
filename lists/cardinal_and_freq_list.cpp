// TCardinalAndFreqList: counting, and the two sort orders.
#include "lists/cardinal_and_freq_list.h"

#include <limits>

namespace textcore {

void TCardinalAndFreqList::AddOneOrIncFreq(const TCardinalAndFreq &Rec) {
  const int32_t at = Search(Rec.c);
  if (at >= 0) {
    int32_t &f = ValueAt(at).f;
    if (f < std::numeric_limits<int32_t>::max()) // a count never wraps to negative
      ++f;
  } else if (sorted) {
    InsertInOrder(Rec);
  } else {
    Append(Rec);
  }
}

void TCardinalAndFreqList::SetACardAndFreq(int32_t Index, const TCardinalAndFreq &Rec) {
  if (Index >= Count())
    return;
  ValueAt(Index) = Rec;
  NoteOrderAt(Index);
}

void TCardinalAndFreqList::SortOnFrequencies(bool Descending) {
  auto frequency = [](const TCardinalAndFreq &Rec) { return Rec.f; };
  if (Descending)
    SortOn<int32_t>(frequency, [](int32_t a, int32_t b) { return a > b; });
  else
    SortOn<int32_t>(frequency, [](int32_t a, int32_t b) { return a < b; });
  sorted = false;
}

} // namespace textcore
