// SwapAround: exchanges a pair's two values.
#include "stats/keyness_types.h"

#include <utility>

namespace unidisplay {

void SwapAround(two_KWlongints_type &pair) { std::swap(pair[0], pair[1]); }

} // namespace unidisplay
