// The language record: which characters may stand inside a word, whether they may also start or
// end one, the locale that classifies the characters, the code pages, fonts and colours of a
// language. Language definitions are stored as whole records, so every offset below is part of
// the file format; the two older layouts are kept so that the readers of old files can convert
// them.
//
// Booleans are one byte, 0 or 1. Wide character arrays are UTF-16LE, NUL-terminated within their
// size and zero-filled after the NUL; 8-bit names are short strings (a length byte, then the
// characters). Records start as all zeros.
#pragma once

#include "core/bare_assemb_types.h"
#include "core/fixed_char_arrays.h"
#include "search/canvas_colour_rec.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace textcore {

static_assert(std::endian::native == std::endian::little, "language records are little-endian");

enum lang_preference_type : uint8_t { nao_instalada, instalada, rank_2, a_preferida };

#pragma pack(push, 1)

// The font of the 16-bit versions: a short string of up to 32 characters for its name.
struct old_fixed_character_format_rec {
  uint8_t charset_old = 0;
  uint8_t fontsize_old = 0;
  std::array<char, 33> fontname_old{};
};

struct fixed_character_format_rec32 {
  uint8_t charset = 0;
  uint8_t fontsize = 0;
  hundredwidechar fontname{};
};

struct fixed_lang_details_rec32 {
  uint8_t allow_middles_at_right = 0; // a middle character may end a word
  uint8_t allow_middles_at_left = 0;  // a middle character may start a word
  uint8_t is_32_version = 0;
  uint8_t reserved3 = 0;
  uint32_t lcid = 0;
  old_fixed_character_format_rec old_win_font;
  lang_preference_type preference = nao_instalada;
  uint8_t custom_language = 0; // defined by the user
  uint8_t hyphen_breaks_word = 0;
  uint16_t win_codepage = 0; // the language's 8-bit code page
  uint16_t dos_codepage = 0; // its console code page
  tenwidechar allowable_middle_letters{};
  // Kept from the older layout, where they were the language's 8-bit case tables.
  ANSILower_or_upperStr_type spare_ANSI_lowers;
  ANSILower_or_upperStr_type spare_ANSI_uppers;
  fixed_character_format_rec32 new_win_font;
  std::array<uint8_t, 2> reserved534{};
  int32_t custom_sort_string_number = 0;
  std::array<uint8_t, 4> spare_Bools{};
  TMyCanvasColourRec cores;
  int32_t number = 0; // the language's number
  int32_t spare_hits = 0;
  std::array<uint8_t, 12> spare_ints{};
  std::array<uint8_t, 356> spare{};
  fiftywidechar name{};
  std::array<uint8_t, 2> reserved1038{};
};

// The 16-bit layout: 8-bit middle characters and an 8-bit name in the system's code page.
struct fixed_lang_details_rec_old {
  uint8_t allow_middles_at_right = 0;
  uint8_t allow_middles_at_left = 0;
  uint8_t is_32_version = 0;
  std::array<uint8_t, 5> reserved3{};
  uint32_t lcid = 0;
  old_fixed_character_format_rec old_win_font;
  lang_preference_type preference = nao_instalada;
  uint8_t custom_language = 0;
  uint8_t hyphen_breaks_word = 0;
  uint16_t win_codepage = 0;
  uint16_t dos_codepage = 0;
  std::array<uint8_t, 21> reserved54{};
  std::array<char, 11> old_allowable_middle_letters{};
  std::array<uint8_t, 514> reserved86{};
  std::array<char, 32> name{}; // a short string of up to 31 characters
};

// The first 32-bit layout: the current one up to the middle characters, then the 8-bit case
// tables in use, and no fonts, colours or numbers after them.
struct fixed_lang_details_rec32old {
  uint8_t allow_middles_at_right = 0;
  uint8_t allow_middles_at_left = 0;
  uint8_t is_32_version = 0;
  uint8_t reserved3 = 0;
  uint32_t lcid = 0;
  old_fixed_character_format_rec old_win_font;
  lang_preference_type preference = nao_instalada;
  uint8_t custom_language = 0;
  uint8_t hyphen_breaks_word = 0;
  uint16_t win_codepage = 0;
  uint16_t dos_codepage = 0;
  tenwidechar allowable_middle_letters{};
  ANSILower_or_upperStr_type ANSI_lowers;
  ANSILower_or_upperStr_type ANSI_uppers;
  std::array<uint8_t, 606> reserved330{};
  fiftywidechar name{};
  std::array<uint8_t, 2> reserved1038{};
};

#pragma pack(pop)

static_assert(sizeof(old_fixed_character_format_rec) == 35);
static_assert(sizeof(fixed_character_format_rec32) == 204);
static_assert(offsetof(fixed_character_format_rec32, fontname) == 2);

static_assert(sizeof(fixed_lang_details_rec32) == 1040);
static_assert(offsetof(fixed_lang_details_rec32, is_32_version) == 2);
static_assert(offsetof(fixed_lang_details_rec32, lcid) == 4);
static_assert(offsetof(fixed_lang_details_rec32, old_win_font) == 8);
static_assert(offsetof(fixed_lang_details_rec32, preference) == 43);
static_assert(offsetof(fixed_lang_details_rec32, custom_language) == 44);
static_assert(offsetof(fixed_lang_details_rec32, hyphen_breaks_word) == 45);
static_assert(offsetof(fixed_lang_details_rec32, win_codepage) == 46);
static_assert(offsetof(fixed_lang_details_rec32, dos_codepage) == 48);
static_assert(offsetof(fixed_lang_details_rec32, allowable_middle_letters) == 50);
static_assert(offsetof(fixed_lang_details_rec32, spare_ANSI_lowers) == 72);
static_assert(offsetof(fixed_lang_details_rec32, spare_ANSI_uppers) == 201);
static_assert(offsetof(fixed_lang_details_rec32, new_win_font) == 330);
static_assert(offsetof(fixed_lang_details_rec32, custom_sort_string_number) == 536);
static_assert(offsetof(fixed_lang_details_rec32, spare_Bools) == 540);
static_assert(offsetof(fixed_lang_details_rec32, cores) == 544);
static_assert(offsetof(fixed_lang_details_rec32, number) == 560);
static_assert(offsetof(fixed_lang_details_rec32, spare_hits) == 564);
static_assert(offsetof(fixed_lang_details_rec32, spare_ints) == 568);
static_assert(offsetof(fixed_lang_details_rec32, spare) == 580);
static_assert(offsetof(fixed_lang_details_rec32, name) == 936);

static_assert(sizeof(fixed_lang_details_rec_old) == 632);
static_assert(offsetof(fixed_lang_details_rec_old, lcid) == 8);
static_assert(offsetof(fixed_lang_details_rec_old, old_win_font) == 12);
static_assert(offsetof(fixed_lang_details_rec_old, preference) == 47);
static_assert(offsetof(fixed_lang_details_rec_old, custom_language) == 48);
static_assert(offsetof(fixed_lang_details_rec_old, hyphen_breaks_word) == 49);
static_assert(offsetof(fixed_lang_details_rec_old, win_codepage) == 50);
static_assert(offsetof(fixed_lang_details_rec_old, dos_codepage) == 52);
static_assert(offsetof(fixed_lang_details_rec_old, old_allowable_middle_letters) == 75);
static_assert(offsetof(fixed_lang_details_rec_old, name) == 600);

static_assert(sizeof(fixed_lang_details_rec32old) == 1040);
static_assert(offsetof(fixed_lang_details_rec32old, lcid) == 4);
static_assert(offsetof(fixed_lang_details_rec32old, old_win_font) == 8);
static_assert(offsetof(fixed_lang_details_rec32old, preference) == 43);
static_assert(offsetof(fixed_lang_details_rec32old, win_codepage) == 46);
static_assert(offsetof(fixed_lang_details_rec32old, dos_codepage) == 48);
static_assert(offsetof(fixed_lang_details_rec32old, allowable_middle_letters) == 50);
static_assert(offsetof(fixed_lang_details_rec32old, ANSI_lowers) == 72);
static_assert(offsetof(fixed_lang_details_rec32old, ANSI_uppers) == 201);
static_assert(offsetof(fixed_lang_details_rec32old, name) == 936);

} // namespace textcore
