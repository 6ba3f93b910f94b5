// colourbox: the web colour list box. Include this one header to get the whole interface.
#pragma once

#include "colourbox/web_colour_list_box.h"
