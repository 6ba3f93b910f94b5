// The signature of an installed font family as Qt finds it: the OS/2 table of the font Qt selects
// for the family, and where the table is missing or has no code-page fields, what the writing
// systems Qt gives the family imply.
#pragma once

#include "fonts/font_signature.h"

#include <QFont>

namespace unidisplay {

FONTSIGNATURE SignatureOfFont(const QFont &font);

} // namespace unidisplay
