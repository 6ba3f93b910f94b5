// The base record object reads and writes nothing: a record class that has bytes overrides both.
#include "lists/useful_base_list_object.h"

namespace textcore {

bool TUsefulBaseListObject::ReadFromStream(TStream &) { return true; }

bool TUsefulBaseListObject::SaveToStream(TStream &) { return true; }

} // namespace textcore
