// The comparisons that the typed lists sort and search with, and that the rest of the library
// passes to sorts: negative, zero or positive as A sorts before, with or after B.
//
// CompareDates and CompareJulianDates run backwards, so that a sort with them puts the latest
// date first. The list comparisons (SortLongints ...) and the record comparisons
// (Compare2CardinalsCard1 ...) take two record references, as TList::Sort hands them over.
#pragma once

#include "platform/date_time.h"
#include "platform/nls_locale_ids.h"
#include "platform/strings.h"

#include <cstdint>

namespace textcore {

// The flags of the locale comparisons ComparePWidechar and ComparePAnsichar; none at load.
extern uint32_t my_default_sort;

// 1 when A > B, -1 when A < B, 0 when equal; cardinals, words, bytes and characters unsigned.
int32_t CompareLongints(int32_t A, int32_t B);
int32_t CompareCardinals(uint32_t A, uint32_t B);
int32_t CompareInt64s(int64_t A, int64_t B);
int32_t Compare16BitWords(uint16_t A, uint16_t B);
int32_t CompareBytes(uint8_t A, uint8_t B);
int32_t CompareChars(char16_t A, char16_t B);
// As above; 0 also when either is not a number.
int32_t CompareSingles(float A, float B);
// Backwards: -1 when A is later than B, 1 when earlier.
int32_t CompareDates(TDateTime A, TDateTime B);
int32_t CompareJulianDates(double A, double B);

// -1, 0 or 1 by the UTF-16 code units.
int32_t Compare2Strings(const String &A, const String &B);
// The difference of the first unequal code units, comparing up to the first zero unit (or the
// end of a string).
int32_t CrudeStringComparison(const String &A, const String &B);
// The locale's comparison of two zero-terminated texts under my_default_sort: -1, 0 or 1, and
// -2 when the locale cannot compare them (an unknown locale, a missing text).
int32_t ComparePWidechar(LCID fLCID, const char16_t *P1, const char16_t *P2);
int32_t ComparePAnsichar(LCID fLCID, const char *P1, const char *P2);
// ComparePWidechar of the two strings (each up to its first zero unit).
int32_t LCIDStringComparison(const String &A, const String &B, LCID fLCID);

// Record comparisons over references to Tdouble_cardinal_rec, TIntegerAnd3CardinalsRec and
// TIntegerAnd2CardinalsRec. Every field compares unsigned except the freq of ...2CardinalsFreq.
int Compare2CardinalsCard1(void *Item1, void *Item2);
int Compare2CardinalsCard2(void *Item1, void *Item2);
int CompareIntAnd3CardinalsCard1(void *Item1, void *Item2);
int CompareIntAnd3CardinalsCard2(void *Item1, void *Item2);
int CompareIntAnd3CardinalsCard3(void *Item1, void *Item2);
int CompareIntAnd3CardinalsFreq(void *Item1, void *Item2);
int CompareIntAnd2CardinalsCard1(void *Item1, void *Item2);
int CompareIntAnd2CardinalsCard2(void *Item1, void *Item2);
int CompareIntAnd2CardinalsFreq(void *Item1, void *Item2);

// List comparisons over references to record objects, ascending: TLongIntHolder,
// TCardinalHolder, TInt64Holder data, s of TIntegerAndSingleHolder, freq (unsigned) of
// TIntegerAnd3CardinalsHolder.
int SortLongints(void *Item1, void *Item2);
int SortCardinals(void *Item1, void *Item2);
int SortInt64s(void *Item1, void *Item2);
int SortSingles(void *Item1, void *Item2);
int SortIntegerAnd3CardinalsFreq(void *Item1, void *Item2);

} // namespace textcore
