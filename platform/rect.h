// TRect: a rectangle in pixels, as the framework gave screen areas, with Right and Bottom just
// outside it (so Right - Left is the width).
#pragma once

#include <cstdint>

namespace textcore {

struct TRect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;

  int32_t Width() const { return Right - Left; }
  int32_t Height() const { return Bottom - Top; }
  friend constexpr bool operator==(const TRect &, const TRect &) = default;
};

} // namespace textcore
