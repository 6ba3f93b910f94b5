// The dispatcher from a statistic to its measure.
#include "stats/relationship_computation.h"

#include "stats/association_measures.h"
#include "stats/keyness_scores.h"
#include "stats/same_corpus_log_likelihood.h"

namespace unidisplay {

float RelationshipComputation(textcore::TMutualInfoStats stat, int32_t joint, int32_t f1,
                              int32_t f2, int32_t n, textcore::Tdouble_smallint_type horizons) {
  const int32_t span = int32_t{horizons.to_left} + horizons.to_right;
  switch (stat) {
  case textcore::MI_Dice:
    return Dice_Coefficient(joint, f1, f2);
  case textcore::MI_MI:
    return SpecificMutualInformation(f1, f2, joint, n);
  case textcore::MI_MI3:
    return MI3(f1, f2, joint, n);
  case textcore::MI_Z:
    return Z_Score(f1, f2, joint, n, span);
  case textcore::MI_log_likelihood:
    return Log_Likelihood_SameCorpus_Everts(f1, f2, joint, n, span);
  case textcore::MI_T_Score:
    return T_Score(f1, f2, joint, n);
  case textcore::MI_Log_Ratio:
    // log2((f1 / n) / (f2 / n)): in effect log2(f1 / f2), guarded like a key word's.
    return Log_Ratio({f1, f2}, {n, n});
  }
  return 0;
}

} // namespace unidisplay
