// The error of reaching a slot that FreeOne has emptied.
#include "lists/typed_record_list.h"

#include "platform/exceptions.h"

namespace textcore {

void RaiseEmptyListEntry(int32_t Index) {
  throw EListError(u"List entry " + IntToStr(Index) + u" is empty: its record was freed");
}

} // namespace textcore
