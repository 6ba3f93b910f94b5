// Fixed character arrays: N characters and a terminator slot, zero-based.
//
// They sit inside records that are written whole to disk, where the full element count, the
// terminator slot included, is part of the file format; the sizes are pinned below.
#pragma once

#include <array>
#include <cstdint>

namespace textcore {

using onewidechar = std::array<char16_t, 2>;
using twowidechar = std::array<char16_t, 3>;
using threewidechar = std::array<char16_t, 4>;
using fourwidechar = std::array<char16_t, 5>;
using tenwidechar = std::array<char16_t, 11>;
using twentywidechar = std::array<char16_t, 21>;
using thirtywidechar = std::array<char16_t, 31>;
using fortywidechar = std::array<char16_t, 41>;
using fiftywidechar = std::array<char16_t, 51>;
using sixtywidechar = std::array<char16_t, 61>;
using eightywidechar = std::array<char16_t, 81>;
using ninety_ninewidechar = std::array<char16_t, 100>;
using hundredwidechar = std::array<char16_t, 101>;
using hundredandtwentytwowidechar = std::array<char16_t, 123>;
using twohundredwidechar = std::array<char16_t, 201>;
using fourhundredwidechar = std::array<char16_t, 401>;
// A path buffer: 260 characters and a terminator.
using maxpathwidechar = std::array<char16_t, 261>;
using eightychar = std::array<char, 81>;

static_assert(sizeof(onewidechar) == 4 && sizeof(twowidechar) == 6);
static_assert(sizeof(threewidechar) == 8 && sizeof(fourwidechar) == 10);
static_assert(sizeof(tenwidechar) == 22 && sizeof(twentywidechar) == 42);
static_assert(sizeof(thirtywidechar) == 62 && sizeof(fortywidechar) == 82);
static_assert(sizeof(fiftywidechar) == 102 && sizeof(sixtywidechar) == 122);
static_assert(sizeof(eightywidechar) == 162 && sizeof(ninety_ninewidechar) == 200);
static_assert(sizeof(hundredwidechar) == 202 && sizeof(hundredandtwentytwowidechar) == 246);
static_assert(sizeof(twohundredwidechar) == 402 && sizeof(fourhundredwidechar) == 802);
static_assert(sizeof(maxpathwidechar) == 522 && sizeof(eightychar) == 81);
static_assert(alignof(maxpathwidechar) == 2, "packed records place these at even offsets");

} // namespace textcore
