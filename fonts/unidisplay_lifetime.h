// Start-up and clean-up of unidisplay's modules, called by the one static object in
// unidisplay_lifetime.cpp in the order read there.
#pragma once

namespace unidisplay {

// fonts/charsets.cpp: the fifteen character sets with their names and numbers, each with an
// empty sorted font list; at clean-up the lists are freed.
void StartFont_basicsu();
void FinishFont_basicsu() noexcept;

} // namespace unidisplay
