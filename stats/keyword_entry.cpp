// KWStatsCalculated: the scores of one key word, packed into a new entry.
#include "stats/keyword_entry.h"

#include "core/stream_codec.h"
#include "platform/exceptions.h"
#include "stats/guarded_arithmetic.h"
#include "stats/keyness_scores.h"

#include <limits>

namespace unidisplay {
namespace {

// |v|, saturating: the most negative Integer has no positive counterpart.
int32_t Magnitude(int32_t v) {
  if (v == std::numeric_limits<int32_t>::min())
    return std::numeric_limits<int32_t>::max();
  return v < 0 ? -v : v;
}

// The word's expected frequency in the text if it were spread evenly over both corpora.
double ExpectedInText(two_KWlongints_type f, two_KWlongints_type running_words) {
  const double words = static_cast<double>(running_words[little_text]);
  const double both = static_cast<double>(f[little_text]) + f[reference_corpus];
  const double all_words = words + running_words[reference_corpus];
  return CheckedDivide(words * both, all_words, "KWStatsCalculated");
}

void Score(TKeyword_entry_rec &entry, two_KWlongints_type f, two_KWlongints_type running_words) {
  entry.LogRatio = Log_Ratio(f, running_words);
  const double expected = ExpectedInText(f, running_words);
  entry.LL = Log_Likelihood_Lancaster(entry.f[little_text], entry.f[reference_corpus],
                                      running_words[little_text], running_words[reference_corpus]);
  // A word exactly as frequent as expected counts as positive.
  if (entry.f[little_text] < expected) {
    entry.LL = 0 - entry.LL;
    entry.negative_score = true;
  }
}

} // namespace

TKeyword_entry_rec KWStatsCalculated(two_KWlongints_type f, two_KWlongints_type running_words) {
  TKeyword_entry_rec entry;
  entry.lemma_words = std::make_unique<textcore::TMyStreamableStringlist>();
  // w, prefix and suffix point at the library's one empty text until the tool sets them.
  entry.w = entry.prefix = entry.suffix = textcore::nowt;
  entry.f = {Magnitude(f[little_text]), Magnitude(f[reference_corpus])};
  try {
    Score(entry, f, running_words);
  } catch (const textcore::EMathError &) {
    entry.LL = 1.0f;
    entry.LogRatio = 1.0f;
    entry.unused_chi_sq = 1.0f;
    entry.negative_score = false;
  }
  return entry;
}

} // namespace unidisplay
