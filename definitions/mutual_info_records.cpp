// Converting relationship records.
#include "definitions/mutual_info_records.h"

#include <algorithm>

namespace textcore {

TMutualInfo_recFeb2016 TMutual_info_Rec32FromOld(const TMutualInfo_recOld &Old) {
  TMutualInfo_recFeb2016 rec;
  rec.n_files = Old.n_files;
  rec.f1 = Old.f1;
  rec.f2 = Old.f2;
  rec.joint = Old.joint;
  rec.commonest_gap_size = Old.commonest_gap_size;
  std::copy(Old.scores.begin(), Old.scores.end(), rec.scores.begin());
  rec.w1 = Old.w1;
  rec.w2 = Old.w2;
  return rec;
}

} // namespace textcore
