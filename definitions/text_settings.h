// The text settings that the tools save whole: the language details, how tags are treated, the
// markup pairs to ignore and the markers of the standard text segments. Two layouts exist: the
// current one (3028 bytes) and the 16-bit one (2500 bytes).
//
// Booleans are one byte, non-zero meaning true; wide arrays are UTF-16LE, zero-terminated within
// their size. Records start as all zeros.
#pragma once

#include "core/fixed_char_arrays.h"
#include "platform/streams.h"
#include "search/language_details.h"
#include "search/search_word_format.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace textcore {

static_assert(std::endian::native == std::endian::little, "text settings are little-endian");

// How a word list treats tags; the tools give the values, the library copies them.
enum TWordListTagTreatment : uint8_t {};

#pragma pack(push, 1)

// One standard marker of a text (where sentences, headings and so on begin or end).
struct text_segment_rec {
  ninety_ninewidechar marker{};
  uint8_t spare = 0;
  uint8_t auto_process = 0; // the marker is "auto": the tool finds the segment itself
  uint8_t has_wildcards = 0;
  uint8_t padding203 = 0;
};

using standard_text_markers_type = std::array<text_segment_rec, 8>;

struct textsett_rec32 {
  fixed_lang_details_rec32 language_info;
  TWordListTagTreatment tag_treatment{};
  uint8_t must_use_Unicode = 0;
  uint8_t RequirePrecomposedCharacters = 0;
  uint8_t handle_International_System_of_Units_numbers = 0;
  uint8_t spare5 = 0;
  uint8_t using_SGML = 0;
  uint8_t clear_default_markup = 0;
  uint8_t numbers_included = 0;
  TIgnore_tag_type ignore_tags{};
  standard_text_markers_type standard_markers{};
  int32_t max_texts = 0;
  std::array<uint8_t, 320> spare{};
};

struct textsett_rec_old {
  fixed_lang_details_rec_old language_info;
  TWordListTagTreatment tag_treatment{};
  uint8_t must_use_Unicode = 0;
  uint8_t reserved634 = 0;
  uint8_t using_SGML = 0;
  uint8_t clear_default_markup = 0;
  uint8_t numbers_included = 0;
  TIgnore_tag_type ignore_tags{};
  standard_text_markers_type standard_markers{};
  std::array<uint8_t, 206> reserved2294{};
};

#pragma pack(pop)

static_assert(sizeof(text_segment_rec) == 204);
static_assert(offsetof(text_segment_rec, spare) == 200);
static_assert(offsetof(text_segment_rec, auto_process) == 201);
static_assert(offsetof(text_segment_rec, has_wildcards) == 202);
static_assert(sizeof(standard_text_markers_type) == 1632);

static_assert(sizeof(textsett_rec32) == 3028);
static_assert(offsetof(textsett_rec32, tag_treatment) == 1040);
static_assert(offsetof(textsett_rec32, must_use_Unicode) == 1041);
static_assert(offsetof(textsett_rec32, RequirePrecomposedCharacters) == 1042);
static_assert(offsetof(textsett_rec32, handle_International_System_of_Units_numbers) == 1043);
static_assert(offsetof(textsett_rec32, spare5) == 1044);
static_assert(offsetof(textsett_rec32, using_SGML) == 1045);
static_assert(offsetof(textsett_rec32, clear_default_markup) == 1046);
static_assert(offsetof(textsett_rec32, numbers_included) == 1047);
static_assert(offsetof(textsett_rec32, ignore_tags) == 1048);
static_assert(offsetof(textsett_rec32, standard_markers) == 1072);
static_assert(offsetof(textsett_rec32, max_texts) == 2704);
static_assert(offsetof(textsett_rec32, spare) == 2708);

static_assert(sizeof(textsett_rec_old) == 2500);
static_assert(offsetof(textsett_rec_old, tag_treatment) == 632);
static_assert(offsetof(textsett_rec_old, must_use_Unicode) == 633);
static_assert(offsetof(textsett_rec_old, using_SGML) == 635);
static_assert(offsetof(textsett_rec_old, clear_default_markup) == 636);
static_assert(offsetof(textsett_rec_old, numbers_included) == 637);
static_assert(offsetof(textsett_rec_old, ignore_tags) == 638);
static_assert(offsetof(textsett_rec_old, standard_markers) == 662);
static_assert(offsetof(textsett_rec_old, reserved2294) == 2294);

// Reads one text-settings record in the layout that N allows (settings_generations.h): for 5 the
// first 32-bit language details and then the rest of the current record, for 6, 7 and 18 the
// current record; for any other N the 2500 bytes of the 16-bit layout are read first, and taken
// as such when their third byte is zero or any of bytes 73, 74, 84 and 85 is not (in the 32-bit
// layouts those bytes hold 8-bit case tables, so a 32-bit record with such a table is taken for
// a 16-bit one); otherwise the stream steps back and is read as for 5.
//
// True when every byte read came; what did not come stays zero. Afterwards invisible language
// colours are repaired and the second standard marker's auto_process says whether its marker is
// "auto", unless the stream ended inside the first 2500 bytes of an unknown layout: that leaves
// the record zero and the stream where it was.
bool ReadInTextSettings(TStream &Stream, textsett_rec32 &Rec, int32_t N);

} // namespace textcore
