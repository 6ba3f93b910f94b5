// Which template column each column of a grid came from: a list of the grid's heading texts in
// the grid's order, each owning the record of its column. Headings repeat ("%", "std.dev."), so
// the list is never sorted and keeps duplicates.
#pragma once

#include "platform/string_list.h"

#include <cstdint>

namespace dialogkit {

struct THeaderInfoRec {
  bool is_numerical = false;
  int32_t original_Col_num = 0;
};

class THeaderInfoHolder : public textcore::TObject {
public:
  explicit THeaderInfoHolder(const THeaderInfoRec &rec) : fRec(rec) {}
  const THeaderInfoRec &Rec() const { return fRec; }

private:
  THeaderInfoRec fRec;
};

class THeaderInfoList : public textcore::TStringList {
public:
  THeaderInfoList();
  // Appends a heading and its record; returns its index.
  int32_t AddOne(const textcore::String &heading, const THeaderInfoRec &rec);
  // The record of the entry at index; raises EListError outside 0 .. Count() - 1.
  THeaderInfoRec GetAHeaderInfo(int32_t index) const;
};

} // namespace dialogkit
