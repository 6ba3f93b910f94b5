// The error of a sort whose list changed under it.
#include "lists/sort_items_by_key.h"

#include "platform/exceptions.h"

namespace textcore {

void RaiseListChangedWhileSorting() {
  throw EListError(String(u"List changed while it was being sorted"));
}

} // namespace textcore
