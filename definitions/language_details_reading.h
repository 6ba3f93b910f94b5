// Reading language details from a settings stream in any of their three layouts
// (search/language_details.h), and the conversions of the older layouts to the current one.
//
// The readers need a stream that can seek: they look at a record before they know its layout,
// and step back to where it began.
#pragma once

#include "platform/streams.h"
#include "search/language_details.h"

#include <cstdint>

namespace textcore {

// The font of the 16-bit layout in the current form, the name's 8-bit codes taken unchanged as
// UTF-16 units.
fixed_character_format_rec32 New_WinFontFromOldWin_Font(const old_fixed_character_format_rec &Old);

// The 16-bit layout in the current form: flags, locale, code pages and fonts; the middle
// characters above the space, widened unchanged, at most ten; the name from the system's 8-bit
// code page. Everything else zero.
void LangDetNewFromOld(const fixed_lang_details_rec_old &Old, fixed_lang_details_rec32 &New);

// The first 32-bit layout in the current form: everything up to the middle characters and the
// name, and the font converted. Its 8-bit case tables, colours and numbers are not carried.
void LangDetNewFrom32Old(const fixed_lang_details_rec32old &Old, fixed_lang_details_rec32 &New);

// Colours whose text matches its background would make the text invisible: such colours become
// the base and highlight colours of the shared scheme.
void RepairInvisibleColours(TMyCanvasColourRec &cores);

// Reads 1040 bytes in the first 32-bit layout into Rec, converted; true when all came. What did
// not come stays zero.
bool Read32OldLanguageDetails(TStream &Stream, fixed_lang_details_rec32 &Rec);

// Reads one language record in the layout that N allows (settings_generations.h): the first
// 32-bit layout for 5, the current one for 6, 7 and 18; for any other N the third byte tells the
// 32-bit layouts (non-zero) from the 16-bit one. True when every byte read came. Invisible
// colours are then repaired, unless the stream ended before the layout could be told (the
// record then stays zero and the stream where it was).
bool Readfixed_lang_details_rec(TStream &Stream, fixed_lang_details_rec32 &Rec, int32_t N);

} // namespace textcore
