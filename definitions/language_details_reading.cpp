// Reading and converting language details.
#include "definitions/language_details_reading.h"

#include "core/fixed_char_array_text.h"
#include "definitions/base_and_highlight_colours.h"
#include "definitions/settings_generations.h"
#include "platform/nls_code_pages.h"

#include <algorithm>
#include <string_view>

namespace textcore {

namespace {

// The text of a short string held in a field of N bytes. The length byte comes from disk, so it
// is held to the field.
template <size_t N> std::string_view ShortStringText(const std::array<char, N> &field) {
  const size_t length = std::min<size_t>(static_cast<uint8_t>(field[0]), N - 1);
  return std::string_view(field.data() + 1, length);
}

String Widened(std::string_view bytes) {
  String text;
  for (char c : bytes)
    text += static_cast<char16_t>(static_cast<uint8_t>(c));
  return text;
}

// The middle characters of the 16-bit layout: every byte above the space, so that zeros and a
// length byte in front drop out. Eleven bytes may give eleven characters, one
// more than the current array holds; the copy into it stops at ten.
String OldMiddleLetters(const std::array<char, 11> &bytes) {
  String letters;
  for (char c : bytes)
    if (static_cast<uint8_t>(c) > 32)
      letters += static_cast<char16_t>(static_cast<uint8_t>(c));
  return letters;
}

} // namespace

fixed_character_format_rec32 New_WinFontFromOldWin_Font(const old_fixed_character_format_rec &Old) {
  fixed_character_format_rec32 font;
  font.charset = Old.charset_old;
  font.fontsize = Old.fontsize_old;
  StringToWideArray(Widened(ShortStringText(Old.fontname_old)), font.fontname);
  return font;
}

void LangDetNewFromOld(const fixed_lang_details_rec_old &Old, fixed_lang_details_rec32 &New) {
  New = fixed_lang_details_rec32{};
  New.allow_middles_at_right = Old.allow_middles_at_right;
  New.allow_middles_at_left = Old.allow_middles_at_left;
  New.lcid = Old.lcid;
  New.old_win_font = Old.old_win_font;
  New.preference = Old.preference;
  New.custom_language = Old.custom_language;
  New.hyphen_breaks_word = Old.hyphen_breaks_word;
  New.win_codepage = Old.win_codepage;
  New.dos_codepage = Old.dos_codepage;
  New.new_win_font = New_WinFontFromOldWin_Font(Old.old_win_font);
  StringToWideArray(OldMiddleLetters(Old.old_allowable_middle_letters),
                    New.allowable_middle_letters);
  StringToWideArray(AnsiToString(ShortStringText(Old.name), CP_ACP), New.name);
}

void LangDetNewFrom32Old(const fixed_lang_details_rec32old &Old, fixed_lang_details_rec32 &New) {
  New = fixed_lang_details_rec32{};
  New.allow_middles_at_right = Old.allow_middles_at_right;
  New.allow_middles_at_left = Old.allow_middles_at_left;
  New.is_32_version = Old.is_32_version;
  New.lcid = Old.lcid;
  New.preference = Old.preference;
  New.custom_language = Old.custom_language;
  New.hyphen_breaks_word = Old.hyphen_breaks_word;
  New.win_codepage = Old.win_codepage;
  New.dos_codepage = Old.dos_codepage;
  New.allowable_middle_letters = Old.allowable_middle_letters;
  New.name = Old.name;
  New.new_win_font = New_WinFontFromOldWin_Font(Old.old_win_font);
}

void RepairInvisibleColours(TMyCanvasColourRec &cores) {
  if (cores.default_colour == cores.default_background)
    cores = GetBaseandHighlightColours(global_colours_and_typefaces, normalcolour, highlightcolour);
}

bool Read32OldLanguageDetails(TStream &Stream, fixed_lang_details_rec32 &Rec) {
  fixed_lang_details_rec32old old;
  const bool complete = ReadFully(Stream, &old, sizeof old) == sizeof old;
  LangDetNewFrom32Old(old, Rec);
  return complete;
}

namespace {

bool ReadOldLanguageDetails(TStream &Stream, fixed_lang_details_rec32 &Rec) {
  fixed_lang_details_rec_old old;
  const bool complete = ReadFully(Stream, &old, sizeof old) == sizeof old;
  LangDetNewFromOld(old, Rec);
  return complete;
}

// Tells the layout from the third byte, which only the 32-bit layouts set. False, with nothing
// read, when the stream ends first.
bool ReadLanguageDetailsOfAnyLayout(TStream &Stream, fixed_lang_details_rec32 &Rec) {
  const int64_t start = Stream.Position();
  uint8_t first[3] = {};
  const bool peeked = ReadFully(Stream, first, sizeof first) == sizeof first;
  Stream.SetPosition(start);
  if (!peeked)
    return false;
  const bool complete =
      first[2] != 0 ? Read32OldLanguageDetails(Stream, Rec) : ReadOldLanguageDetails(Stream, Rec);
  RepairInvisibleColours(Rec.cores);
  return complete;
}

} // namespace

bool Readfixed_lang_details_rec(TStream &Stream, fixed_lang_details_rec32 &Rec, int32_t N) {
  Rec = fixed_lang_details_rec32{};
  if (N != first_32bit_settings_generation && !IsCurrentSettingsGeneration(N))
    return ReadLanguageDetailsOfAnyLayout(Stream, Rec);
  const bool complete = N == first_32bit_settings_generation
                            ? Read32OldLanguageDetails(Stream, Rec)
                            : ReadFully(Stream, &Rec, sizeof Rec) == sizeof Rec;
  RepairInvisibleColours(Rec.cores);
  return complete;
}

} // namespace textcore
