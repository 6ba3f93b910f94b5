// The small records that the typed lists, the search engine and the tools pass around by value.
//
// Records holding only numbers keep the natural alignment the typed lists rely on when they
// copy a record in and out; their sizes are fixed here so that a change shows at compile time.
// Records holding a String live only in memory.
#pragma once

#include "platform/object.h"
#include "platform/strings.h"

#include <bit>
#include <cstdint>
#include <vector>

namespace textcore {

static_assert(std::endian::native == std::endian::little, "textcore targets little-endian hosts");

struct TYearMonthDay {
  int32_t year = 0;
  int32_t month = 0;
  int32_t day = 0;
};

struct TWordAndBoolean {
  String w;
  bool b = false;
};

struct TWordAndFreq {
  String w;
  int32_t f = 0;
};

struct TWordFreqAndSourceNum {
  String w;
  int32_t f = 0;
  int32_t source_num = 0;
};

struct TStringColumnAndColourRec {
  int32_t column_number = 0;
  int32_t background_colour = 0;
  String s;
};

struct TStringIntAndBoolean {
  String w;
  int32_t i = 0;
  bool b = false;
};

struct TStringAndBooleanRec {
  String s;
  bool OK = false;
};

struct TConvertedStringAnd2BooleansRec {
  String converted;
  bool convert_it = false;
  bool chuck = false;
};

struct TStringAndIntegerRec {
  String s;
  int32_t i = 0;
};

struct T2StringsAnd2IntegersRec {
  int32_t int1 = 0;
  int32_t int2 = 0;
  String s1;
  String s2;
};

struct TStringAndTwoIntegersRec {
  String s;
  int32_t n1 = 0;
  int32_t n2 = 0;
};

struct TSmall_and_long_rec {
  int16_t small = 0;
  int32_t long_ = 0;
};

struct TPointerAnd2CardinalsRec {
  void *p = nullptr;
  uint32_t Item1 = 0;
  uint32_t Item2 = 0;
};

struct Tdouble_cardinal_rec {
  uint32_t card1 = 0;
  uint32_t card2 = 0;
};

struct TTriple_cardinal_rec {
  uint32_t card1 = 0;
  uint32_t card2 = 0;
  uint32_t card3 = 0;
};

struct TTriple_integer_rec {
  int32_t intg1 = 0;
  int32_t intg2 = 0;
  int32_t intg3 = 0;
};

struct TIntegerAnd2CardinalsRec {
  int32_t freq = 0;
  Tdouble_cardinal_rec value;
};

struct TIntegerAnd3CardinalsRec {
  int32_t freq = 0;
  TTriple_cardinal_rec value;
};

struct TIntegerAndCardinalRec {
  int32_t freq = 0;
  uint32_t value = 0;
};

struct TIntegerAndSingleRec {
  int32_t int_ = 0;
  float s = 0;
};

struct TIndexAndPointerRec {
  int32_t index = 0;
  void *p = nullptr;
};

struct TIndexAndObjRec {
  int32_t index = 0;
  TObject *holder = nullptr;
};

struct Tdouble_Int64_rec {
  int64_t Int64_1 = 0;
  int64_t Int64_2 = 0;
};

struct Tdouble_longint_rec {
  int32_t long1 = 0;
  int32_t long2 = 0;
};

struct TDoublePointer {
  void *p1 = nullptr;
  void *p2 = nullptr;
};

struct TIntegerAndBooleanRec {
  int32_t value = 0;
  bool b = false;
};

struct TIntegerAndPointerRec {
  int32_t v = 0;
  void *p = nullptr;
};

struct TCardinalAndFreq {
  uint32_t c = 0;
  int32_t f = 0;
};

struct TCardinalAndPointerRec {
  uint32_t c = 0;
  void *p = nullptr;
};

struct TBooleanArrayRec {
  std::vector<bool> bools;
};

using PIntegerAnd3CardinalsRec = TIntegerAnd3CardinalsRec *;
using PIntegerAnd2CardinalsRec = TIntegerAnd2CardinalsRec *;
using PIntegerAndCardinalRec = TIntegerAndCardinalRec *;
using pdouble_longint_rec = Tdouble_longint_rec *;

using TArrayOfInteger = std::vector<int32_t>;
using TArrayOfStringAndIntegerRec = std::vector<TStringAndIntegerRec>;
using TArrayOfIntegerAndBooleanRec = std::vector<TIntegerAndBooleanRec>;
using TArrayOfIntegerAndPointerRec = std::vector<TIntegerAndPointerRec>;
using TArrayOfCardinalAndPointerRec = std::vector<TCardinalAndPointerRec>;
using TArray_of_Array_Of_integer = std::vector<std::vector<int32_t>>;

// The numeric records are copied whole by the typed lists; their sizes must not drift.
static_assert(sizeof(TYearMonthDay) == 12);
static_assert(sizeof(Tdouble_cardinal_rec) == 8);
static_assert(sizeof(TTriple_cardinal_rec) == 12);
static_assert(sizeof(TTriple_integer_rec) == 12);
static_assert(sizeof(TIntegerAnd2CardinalsRec) == 12);
static_assert(sizeof(TIntegerAnd3CardinalsRec) == 16);
static_assert(sizeof(TIntegerAndCardinalRec) == 8);
static_assert(sizeof(TIntegerAndSingleRec) == 8);
static_assert(sizeof(Tdouble_Int64_rec) == 16);
static_assert(sizeof(Tdouble_longint_rec) == 8);
static_assert(sizeof(TSmall_and_long_rec) == 8);
static_assert(sizeof(TCardinalAndFreq) == 8);

} // namespace textcore
