// Every dialog of the catalogue, shown once with stand-in arguments, for a translator to see each
// dialog in their language and for tests to compare each against what it must show.
//
// The stand-ins mark where each argument goes: texts are "s1", "s2" and "s3" in the order the
// function takes them, counts are 1,235 (and 1,236 for a total, 2 and 3 for small numbers), so
// that the separators of the user's number format show; a tool is the concordancer.
#pragma once

#include <span>

class QWidget;

namespace dialogkit {

struct TDialogSample {
  const char *name; // the catalogue function's name; an overload shares it
  void (*show)(QWidget *owner);
};

// In the order of the catalogue.
std::span<const TDialogSample> DialogSamples();

} // namespace dialogkit
