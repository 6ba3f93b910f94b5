// TMySearchRec: one file that a folder walk found, or one member of a zip archive in the folder;
// TMySearchRecHolder, the object that lists hold it in; and the orders lists are sorted in.
#pragma once

#include "platform/date_time.h"
#include "platform/object.h"
#include "platform/strings.h"

#include <cstdint>

namespace textcore {

enum TMySearchRecSort : uint8_t {
  sr_sort_none,
  sr_sort_by_name,
  sr_sort_by_date,
  sr_sort_by_size,
  sr_sort_by_attr,
  sr_sort_by_extension
};
constexpr uint8_t kLastMySearchRecSort = sr_sort_by_extension;

// The longest short name a saved folder list reads back; the walker leaves out longer ones.
constexpr int32_t kMaxShortNameLength = 5000;

struct TMySearchRec {
  TDateTime DateTime = 0; // last write, local time, at two-second resolution
  int32_t Size = 0;       // bytes; sizes above 2 GiB - 1 are held as 2,147,483,647
  int32_t Attr = 0;       // file attributes, or a zip member's external attributes
  // 0 for a file; for a zip member, its 1-based position in the archive.
  int16_t Number_Within_Zip = 0;
  // The name within its folder; for a zip member, the archive's name, "/" and the stored path.
  String ShortName;
};

class TMySearchRecHolder : public TObject {
public:
  explicit TMySearchRecHolder(const TMySearchRec &rec) : data(rec) {}
  TMySearchRec data;
};

// Two records name the same file: equal Size, DateTime and ShortName (exactly, case and all).
bool SameSearchRec(const TMySearchRec &a, const TMySearchRec &b);

// The order of a and b by the key of sort (< 0 when a comes first): names and extensions with
// the letters A-Z folded, dates newest first, sizes and attributes ascending; sr_sort_none makes
// every pair equal. Dates that are not numbers come before every other and equal each other, so
// the order stays a total one whatever a saved list holds.
int32_t CompareSearchRecs(TMySearchRecSort sort, const TMySearchRec &a, const TMySearchRec &b);

// A short name that can safely follow its folder's name: not empty, no NUL, no leading delimiter
// and no ".." component, "/" and "\" both counting as delimiters. (A drive such as "c:" is an
// ordinary name on Linux, and harmless after a folder.)
bool IsSafeShortName(StringView name);

} // namespace textcore
