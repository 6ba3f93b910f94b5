// The extra statistics kept with a list of texts: the bytes read and the zip members added. The
// current record has 40 bytes; the old one had 16, four 32-bit values.
//
// Only the version tells the two apart: it is 2 or more in the current record, where it sits in
// the fourth 32-bit value, and that value of an old record was below 2. A current record written
// with a smaller version would read back as an old one and leave the stream 24 bytes out of
// step, so records go through ExtraStatsRecToStream.
#pragma once

#include "platform/streams.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace textcore {

static_assert(std::endian::native == std::endian::little, "extra statistics are little-endian");

// The least version of a current record.
constexpr int32_t extra_stats_current_version = 2;

#pragma pack(push, 1)
struct TFileInfoExtraStatsRec {
  int64_t total_bytes = 0;
  int32_t zips_added = 0;
  int32_t version = 0;
  std::array<uint8_t, 24> spare{};
};

struct TFileInfoExtraStatsRec_old {
  int32_t total_bytes = 0;
  int32_t zips_added = 0;
  int32_t version = 0;
  int32_t spare = 0; // below 2
};
#pragma pack(pop)

static_assert(sizeof(TFileInfoExtraStatsRec) == 40);
static_assert(offsetof(TFileInfoExtraStatsRec, zips_added) == 8);
static_assert(offsetof(TFileInfoExtraStatsRec, version) == 12);
static_assert(offsetof(TFileInfoExtraStatsRec, spare) == 16);
static_assert(sizeof(TFileInfoExtraStatsRec_old) == 16);

// Reads one record of either layout: 16 bytes first, taken as the old record when the fourth
// value is below 2, else the stream steps back and 40 bytes are read. True when every byte read
// came; what did not come stays zero. A stream that ends inside the first 16 bytes leaves the
// record zero and the stream where it was.
bool ExtraStatsRecFromStream(TStream &Stream, TFileInfoExtraStatsRec &Rec);
// Writes the current record whole, its version raised to at least 2; true when all went.
bool ExtraStatsRecToStream(TStream &Stream, const TFileInfoExtraStatsRec &Rec);

} // namespace textcore
