// MutualInfoChoices: the catalogue message that names each association statistic.
#include "definitions/mutual_info_choices.h"

#include "messages/message_names.h"

namespace textcore {

String MutualInfoChoices(TMutualInfoStats stat) {
  // The catalogue calls MI3 _QMMI; specific mutual information has its own entry.
  static constexpr TMessage names[mutual_info_stats_count] = {
      _QMDiceCoefficient, _QMSpecificMutualInfo, _QMMI, _QMZScore, _QMLogLikelihood,
      _QMTScore,          _QMLogRatio,
  };
  const int32_t index = stat;
  if (index >= mutual_info_stats_count)
    return String();
  return String(names[index].Text());
}

} // namespace textcore
