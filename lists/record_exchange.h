// Swapping two records of the small record types in place, as the sorts of record arrays do.
#pragma once

#include "core/basic_types.h"

#include <utility>

namespace textcore {

inline void ExchangeTwoDoubleCardinalRecs(Tdouble_cardinal_rec &A, Tdouble_cardinal_rec &B) {
  std::swap(A, B);
}
inline void ExchangeTwoDoubleLongintRecs(Tdouble_longint_rec &A, Tdouble_longint_rec &B) {
  std::swap(A, B);
}
inline void ExchangeTwoSmallAndLongRecs(TSmall_and_long_rec &A, TSmall_and_long_rec &B) {
  std::swap(A, B);
}
inline void ExchangeTwoPointerAnd2CardinalsRecs(TPointerAnd2CardinalsRec &A,
                                                TPointerAnd2CardinalsRec &B) {
  std::swap(A, B);
}
inline void ExchangeTwoIndexAndPointerRecs(TIndexAndPointerRec &A, TIndexAndPointerRec &B) {
  std::swap(A, B);
}

} // namespace textcore
