// The comparisons of the typed lists.
#include "lists/list_comparisons.h"

#include "core/basic_types.h"
#include "lists/value_holders.h"
#include "platform/nls_compare.h"

namespace textcore {

uint32_t my_default_sort = 0;

namespace {

template <typename T> int32_t Ordered(T A, T B) { return A > B ? 1 : A < B ? -1 : 0; }

template <typename Record> const Record &RecordOf(void *Item) {
  return *static_cast<const Record *>(Item);
}

// A list item is a record object stored as a reference to the base record class.
template <typename Holder> const typename Holder::value_type &HeldBy(void *Item) {
  return static_cast<const Holder *>(static_cast<TUsefulBaseListObject *>(Item))->data;
}

// The platform comparison gives 1, 2 or 3, and 0 when it fails.
int32_t FromCompareString(int32_t Result) { return Result == 0 ? -2 : Result - 2; }

} // namespace

int32_t CompareLongints(int32_t A, int32_t B) { return Ordered(A, B); }
int32_t CompareCardinals(uint32_t A, uint32_t B) { return Ordered(A, B); }
int32_t CompareInt64s(int64_t A, int64_t B) { return Ordered(A, B); }
int32_t Compare16BitWords(uint16_t A, uint16_t B) { return Ordered(A, B); }
int32_t CompareBytes(uint8_t A, uint8_t B) { return Ordered(A, B); }
int32_t CompareChars(char16_t A, char16_t B) { return Ordered(A, B); }
int32_t CompareSingles(float A, float B) { return Ordered(A, B); }
int32_t CompareDates(TDateTime A, TDateTime B) { return Ordered(B, A); }
int32_t CompareJulianDates(double A, double B) { return Ordered(B, A); }

int32_t Compare2Strings(const String &A, const String &B) {
  const int result = A.compare(B);
  return result < 0 ? -1 : result > 0 ? 1 : 0;
}

int32_t CrudeStringComparison(const String &A, const String &B) {
  const char16_t *a = A.c_str(), *b = B.c_str();
  while (*a != 0 && *a == *b) {
    ++a;
    ++b;
  }
  return static_cast<int32_t>(*a) - static_cast<int32_t>(*b);
}

int32_t ComparePWidechar(LCID fLCID, const char16_t *P1, const char16_t *P2) {
  return FromCompareString(CompareStringW(fLCID, my_default_sort, P1, -1, P2, -1));
}

int32_t ComparePAnsichar(LCID fLCID, const char *P1, const char *P2) {
  return FromCompareString(CompareStringA(fLCID, my_default_sort, P1, -1, P2, -1));
}

int32_t LCIDStringComparison(const String &A, const String &B, LCID fLCID) {
  return ComparePWidechar(fLCID, A.c_str(), B.c_str());
}

int Compare2CardinalsCard1(void *Item1, void *Item2) {
  return Ordered(RecordOf<Tdouble_cardinal_rec>(Item1).card1,
                 RecordOf<Tdouble_cardinal_rec>(Item2).card1);
}
int Compare2CardinalsCard2(void *Item1, void *Item2) {
  return Ordered(RecordOf<Tdouble_cardinal_rec>(Item1).card2,
                 RecordOf<Tdouble_cardinal_rec>(Item2).card2);
}
int CompareIntAnd3CardinalsCard1(void *Item1, void *Item2) {
  return Ordered(RecordOf<TIntegerAnd3CardinalsRec>(Item1).value.card1,
                 RecordOf<TIntegerAnd3CardinalsRec>(Item2).value.card1);
}
int CompareIntAnd3CardinalsCard2(void *Item1, void *Item2) {
  return Ordered(RecordOf<TIntegerAnd3CardinalsRec>(Item1).value.card2,
                 RecordOf<TIntegerAnd3CardinalsRec>(Item2).value.card2);
}
int CompareIntAnd3CardinalsCard3(void *Item1, void *Item2) {
  return Ordered(RecordOf<TIntegerAnd3CardinalsRec>(Item1).value.card3,
                 RecordOf<TIntegerAnd3CardinalsRec>(Item2).value.card3);
}
int CompareIntAnd3CardinalsFreq(void *Item1, void *Item2) {
  return Ordered(static_cast<uint32_t>(RecordOf<TIntegerAnd3CardinalsRec>(Item1).freq),
                 static_cast<uint32_t>(RecordOf<TIntegerAnd3CardinalsRec>(Item2).freq));
}
int CompareIntAnd2CardinalsCard1(void *Item1, void *Item2) {
  return Ordered(RecordOf<TIntegerAnd2CardinalsRec>(Item1).value.card1,
                 RecordOf<TIntegerAnd2CardinalsRec>(Item2).value.card1);
}
int CompareIntAnd2CardinalsCard2(void *Item1, void *Item2) {
  return Ordered(RecordOf<TIntegerAnd2CardinalsRec>(Item1).value.card2,
                 RecordOf<TIntegerAnd2CardinalsRec>(Item2).value.card2);
}
int CompareIntAnd2CardinalsFreq(void *Item1, void *Item2) {
  return Ordered(RecordOf<TIntegerAnd2CardinalsRec>(Item1).freq,
                 RecordOf<TIntegerAnd2CardinalsRec>(Item2).freq);
}

int SortLongints(void *Item1, void *Item2) {
  return Ordered(HeldBy<TLongIntHolder>(Item1), HeldBy<TLongIntHolder>(Item2));
}
int SortCardinals(void *Item1, void *Item2) {
  return Ordered(HeldBy<TCardinalHolder>(Item1), HeldBy<TCardinalHolder>(Item2));
}
int SortInt64s(void *Item1, void *Item2) {
  return Ordered(HeldBy<TInt64Holder>(Item1), HeldBy<TInt64Holder>(Item2));
}
int SortSingles(void *Item1, void *Item2) {
  return Ordered(HeldBy<TIntegerAndSingleHolder>(Item1).s,
                 HeldBy<TIntegerAndSingleHolder>(Item2).s);
}
int SortIntegerAnd3CardinalsFreq(void *Item1, void *Item2) {
  return Ordered(static_cast<uint32_t>(HeldBy<TIntegerAnd3CardinalsHolder>(Item1).freq),
                 static_cast<uint32_t>(HeldBy<TIntegerAnd3CardinalsHolder>(Item2).freq));
}

} // namespace textcore
