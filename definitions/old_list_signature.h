// The headers of list files saved before the 32-bit format: the first 41 bytes hold a length
// byte L and the signature text, which starts one byte later when the byte after L is zero.
//
// Only the first 41 bytes are ever looked at. The text must have all of its L characters before
// any zero byte and before the 41 bytes end; a text cut short names no kind. The kinds from
// lt_kw_cluster_list on had no old signature, so no old header names them.
#pragma once

#include "definitions/list_types.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace textcore {

constexpr int32_t kOldHeaderSize = 41;

// The old signatures of the kinds lt_word_list to lt_wordlist_index_list, by value.
extern const std::array<std::string_view, lt_kw_cluster_list> old_list_signatures;

// The kind the old header in the first 41 bytes names; false, leaving ListType as it was, when
// fewer bytes are given or the text names none. Comparisons are exact (case and spaces count).
bool ListTypeFromOldHeader(std::span<const uint8_t> header, list_type &ListType);

} // namespace textcore
