// The shared colour scheme.
#include "colour/colour_scheme.h"

namespace textcore {

colour_and_typeface_rec global_colours_and_typefaces;

} // namespace textcore
