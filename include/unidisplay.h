// unidisplay: keyness, association and dispersion statistics, and the measuring and drawing of
// wide text with its fonts. Include this one header to get the whole interface.
#pragma once

#include "fonts/charsets.h"
#include "fonts/font_families.h"
#include "fonts/font_info.h"
#include "fonts/font_signature.h"
#include "fonts/os2_table.h"
#include "fonts/qt_font_signature.h"
#include "stats/association_measures.h"
#include "stats/bit_masks.h"
#include "stats/contingency_tables.h"
#include "stats/dispersion.h"
#include "stats/keyness_scores.h"
#include "stats/keyness_types.h"
#include "stats/keyword_entry.h"
#include "stats/multiset_coefficients.h"
#include "stats/pair_array.h"
#include "stats/relationship_computation.h"
#include "stats/same_corpus_log_likelihood.h"
#include "stats/shuffled_numbers.h"
#include "stats/tail_probability.h"
#include "stats/text_stats.h"
