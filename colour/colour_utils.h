// Colours by name and in settings text: the suite's table of named colours, the browser-safe
// colours, mixing, and the text in which one display role's colours and typeface are saved
// ("Red on White; typeface:bold").
//
// Colours are 0x00BBGGRR, red in the lowest byte. A negative colour stands for a system colour
// (index value & 0xFF): it is resolved through the platform's system colours whenever it is
// written out or mixed, so that settings never hold a raw system constant, which would read back
// as a near-black RGB value.
#pragma once

#include "colour/colour_scheme.h"
#include "messages/message.h"
#include "platform/strings.h"

#include <array>
#include <cstdint>

namespace textcore {

struct TNamedColour {
  TMessage name;
  int32_t colour; // below zero: the system colour of that index, resolved when asked for
};
constexpr int32_t named_colour_count = 38;
// Entries 0 to 2 are the system's button face, highlight and active caption.
extern const std::array<TNamedColour, named_colour_count> named_colours;

// The colour of entry index of the table, system colours resolved; 0 beyond the table.
int32_t NamedColourOf(int32_t index);

// The colour itself, or for a negative value the current system colour of index (value & 255).
int32_t MyColourToRGB(int32_t colour);

// Per channel (c1 x w + c2 x (255 - w)) div 256, red, green and blue; w is held to 0..255.
int32_t MixColors(int32_t colour1, int32_t colour2, int32_t weight);

// The name of the entry with exactly that colour (system colours resolved), the fixed entries
// before the system's, so that a colour's name does not depend on the desktop; else "".
String NameFromColour(int32_t colour);

// name in upper case: its first "GRAY" read as "GREY", then compared with each entry's name in
// upper case, in the loaded translation or in English. True with the entry's colour on a match.
bool TrySetColourFromName(StringView name, int32_t &colour);

// The colour that text names, or spells as "red,green,blue" (each an optionally signed decimal
// integer with no blanks, taken & 0xFF), else default_colour.
int32_t ColourStrToLongint(StringView text, int32_t default_colour);

// The colour's name, or its red, green and blue values joined by "," with no blanks.
String LongintToColourStr(int32_t colour);

// The settings text of one role: "FORE on BACK; typeface:" and its members' names without
// separators ("Red on White; typeface:boldunderline").
String TranslateFromColour(int32_t foreground, int32_t background, typeface_set_type typeface);

// Sets the role's colours and typeface from its settings text. A colour the text does not name or
// spell is left as it was. With the "; typeface:" part, the typeface becomes exactly the members
// it lists (so a member cleared and saved stays cleared); without it, the typeface is left as it
// was, as older texts have none. The marker words match in the loaded translation or in English.
void TranslateToColour(colour_and_typeface_rec &rec, TQMcolourset role, StringView text);

// The browser-safe colours (every channel one of 0, 51, 102, 153, 204, 255): 214 with red varying
// fastest, then blue, then green, without (102, 51, 102) and (51, 51, 153), which follow them.
extern const std::array<int32_t, 216> web_safe_colours;
// Thirteen of them chosen as the most useful.
extern const std::array<int32_t, 13> web_safe_13_best;

} // namespace textcore
