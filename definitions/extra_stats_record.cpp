// The extra statistics on a stream.
#include "definitions/extra_stats_record.h"

#include <algorithm>

namespace textcore {

bool ExtraStatsRecFromStream(TStream &Stream, TFileInfoExtraStatsRec &Rec) {
  Rec = TFileInfoExtraStatsRec{};
  const int64_t start = Stream.Position();
  TFileInfoExtraStatsRec_old old;
  const bool told = ReadFully(Stream, &old, sizeof old) == sizeof old;
  if (told && old.spare < extra_stats_current_version) {
    Rec.total_bytes = old.total_bytes;
    Rec.zips_added = old.zips_added;
    Rec.version = old.version;
    return true;
  }
  Stream.SetPosition(start);
  return told && ReadFully(Stream, &Rec, sizeof Rec) == sizeof Rec;
}

bool ExtraStatsRecToStream(TStream &Stream, const TFileInfoExtraStatsRec &Rec) {
  TFileInfoExtraStatsRec marked = Rec;
  marked.version = std::max(marked.version, extra_stats_current_version);
  return Stream.Write(&marked, sizeof marked) == sizeof marked;
}

} // namespace textcore
