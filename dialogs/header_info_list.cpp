#include "dialogs/header_info_list.h"

#include <memory>

namespace dialogkit {

THeaderInfoList::THeaderInfoList() : TStringList(true) { SetDuplicates(textcore::dupAccept); }

int32_t THeaderInfoList::AddOne(const textcore::String &heading, const THeaderInfoRec &rec) {
  auto holder = std::make_unique<THeaderInfoHolder>(rec);
  const int32_t index = AddObject(heading, holder.get());
  holder.release(); // the list owns it now
  return index;
}

THeaderInfoRec THeaderInfoList::GetAHeaderInfo(int32_t index) const {
  // Objects checks the index as every string list does.
  return static_cast<const THeaderInfoHolder *>(Objects(index))->Rec();
}

} // namespace dialogkit
