// Constant tables shared by the libraries and the tool programs: the function names of computed
// columns, the code page of each 8-bit code-page choice, the list sizes above which a tool
// reports its progress, and the menu items that carry a check mark.
#pragma once

#include "definitions/list_types.h"
#include "platform/set.h"
#include "platform/strings.h"

#include <array>
#include <cstdint>

namespace textcore {

// The functions a user may use in a computed column, in the order the parser tries them.
inline constexpr std::array<StringView, 10> maths_functions = {
    u"(pi)", u"RelC", u"Sqrt", u"Exp", u"Sin", u"Cos", u"Log", u"Sqr", u"Rel", u"Abs"};

// The 8-bit code pages a user can choose for texts.
enum Wincodepage_types : uint8_t {
  nao_precisa, // no conversion needed
  _1250_CEurope,
  _1251_Cyrillic,
  _1252_Latin1,
  _1253_Greek,
  _1254_Turkish,
  _1255_Hebrew,
  _1256_Arabic,
  _1257_Baltic,
  _1258_Vietnam,
  _874_Thai,
  _932ShiftJis,
  _936SimpChineseGB2312,
  _949Korean,
  _950TradChineseBig5
};
constexpr int32_t wincodepage_types_count = 15;
static_assert(_950TradChineseBig5 + 1 == wincodepage_types_count);

// The code page of each choice. nao_precisa's 0 means "no conversion": a caller branches on it
// and never hands the 0 to a converter, which would take it for the system's 8-bit code page.
inline constexpr std::array<uint32_t, wincodepage_types_count> win_codepages = {
    0, 1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258, 874, 932, 936, 949, 950};

// Never reports progress.
constexpr int32_t kNoProgressThreshold = 2147483647;
// The number of entries above which a tool reports its progress to the controller, by kind.
extern const std::array<int32_t, list_type_count> progress_show_in_Shell_thresholds;

// A menu item's number, 0 to 223; a set of them takes 28 bytes, as the framework's did.
enum TMenuItemNumber : uint8_t {};
using TMenuItemNumbers = Set<TMenuItemNumber, 224>;
// The menu items that show a check mark.
extern const TMenuItemNumbers CheckableMenuItems;

} // namespace textcore
