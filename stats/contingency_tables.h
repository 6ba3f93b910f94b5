// The 2 x 2 tables that the log-likelihood measures are computed from.
#pragma once

#include <array>

namespace unidisplay {

// The four counts of a 2 x 2 comparison after guarding.
struct T2by2XTabs_rec {
  double a = 0;
  double b = 0;
  double c = 0;
  double d = 0;
};

using TVector2Doubles = std::array<double, 2>;

// Two rows of two: [0][0] = k11, [0][1] = k12, [1][0] = k21, [1][1] = k22.
using TMatrix2Vector2Doubles = std::array<TVector2Doubles, 2>;

} // namespace unidisplay
