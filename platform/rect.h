// TRect: a rectangle in pixels, as the framework gave screen areas, with Right and Bottom just
// outside it (so Right - Left is the width); TSize: a width and a height in pixels, as text
// measurement gives them.
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

struct TSize {
  int32_t cx = 0;
  int32_t cy = 0;
  friend constexpr bool operator==(const TSize &, const TSize &) = default;
};

} // namespace textcore
