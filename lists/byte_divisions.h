// Cutting a byte count into near-equal pieces, as the tools split a long text for progress and
// for work in chunks.
#pragma once

#include <cstdint>
#include <vector>

namespace textcore {

// Parts end offsets: round((i + 1) * q) for i from 0, halves to even, where q is Total / Parts
// held as a 32-bit float. Callers rely on these exact boundaries, float quotient included: past
// 2^24 the quotient keeps 24 bits, so the last entry can differ from Total. None when Parts is
// below 1. An offset beyond the 64-bit range is held at its limit.
std::vector<int64_t> ComputedByteDivisions(int64_t Total, int32_t Parts);

} // namespace textcore
