// The settings word clusters are computed from an index with, as a tool holds them while it
// computes, and what the last computation found.
//
// Kept in memory only: no list or settings file stores this record, so it has no fixed layout.
#pragma once

#include <cstdint>

namespace textcore {

struct TWordClusterSettingsRec {
  // Clusters met fewer times than this are not kept.
  int32_t min_frequency = 2;
  // A word making up more than this percentage of the running words starts no cluster (100
  // keeps every word).
  double max_percent = 100.0;
  // The frequency of the most frequent cluster the last computation met, kept or not, so that a
  // user told that nothing was found can tell how far the settings are from the data.
  int32_t highest_frequency = 0;
};

} // namespace textcore
