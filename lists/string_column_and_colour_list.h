// TStringColumnAndColourList: (column_number, background_colour, s) records in the order added,
// saved after the count (no sorted byte) as TStringColumnAndColourHolder writes them. Getters
// answer -1 or an empty string out of range; setters do nothing there.
#pragma once

#include "core/basic_types.h"
#include "lists/string_holders.h"
#include "lists/typed_record_list.h"

#include <cstdint>

namespace textcore {

class TStringColumnAndColourList
    : public TTypedRecordList<TUsefulBaseList, TStringColumnAndColourHolder> {
public:
  TStringColumnAndColourList() = default;

  int32_t AddOne(const TStringColumnAndColourRec &Rec) { return Append(Rec); }

  int32_t GetAColumn(int32_t Index) const {
    return InRange(Index) ? ValueAt(Index).column_number : -1;
  }
  int32_t GetABackgroundColour(int32_t Index) const {
    return InRange(Index) ? ValueAt(Index).background_colour : -1;
  }
  String GetAString(int32_t Index) const { return InRange(Index) ? ValueAt(Index).s : String(); }
  TStringColumnAndColourRec GetAStringColumnAndColour(int32_t Index) const {
    return InRange(Index) ? ValueAt(Index) : TStringColumnAndColourRec{};
  }

  void SetAColumn(int32_t Index, int32_t Column) {
    if (InRange(Index))
      ValueAt(Index).column_number = Column;
  }
  void SetABackgroundColour(int32_t Index, int32_t Colour) {
    if (InRange(Index))
      ValueAt(Index).background_colour = Colour;
  }
  void SetAString(int32_t Index, const String &S) {
    if (InRange(Index))
      ValueAt(Index).s = S;
  }
  void SetAStringColumnAndColour(int32_t Index, const TStringColumnAndColourRec &Rec) {
    if (InRange(Index))
      ValueAt(Index) = Rec;
  }
};

} // namespace textcore
