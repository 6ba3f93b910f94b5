// The small types of the key-word settings that the tools save: the two sides of a comparison,
// the pair of values indexed by them, and the keyness statistics. The key-word statistics use
// them as well, through stats/keyness_types.h.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

namespace textcore {

static_assert(std::endian::native == std::endian::little,
              "the key-word settings hold these pairs as little-endian integers");

// Which side of a comparison a value belongs to: the text being studied or the reference corpus.
enum kw_fnames_order : uint8_t { little_text, reference_corpus };

// A pair of Integers indexed by kw_fnames_order: a word's two frequencies, or the two sizes in
// running words. Saved settings hold it as two little-endian 32-bit values.
using two_KWlongints_type = std::array<int32_t, 2>;
static_assert(sizeof(two_KWlongints_type) == 8);

// The keyness statistics a key-word list can be scored by; saved as one byte.
enum keyness_procedure_type : uint8_t {
  chi_square_proc,
  log_likelihood_proc,
  log_ratio_proc,
  percent_diff_proc
};

} // namespace textcore
