// TCardinalList: insertion that keeps the sorted flag honest.
#include "lists/cardinal_list.h"

namespace textcore {

void TCardinalList::InsertOne(int32_t Index, uint32_t Value) {
  InsertAt(Index, Value);
  NoteOrderAt(Index);
}

} // namespace textcore
