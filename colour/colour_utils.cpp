// The named colours, the browser-safe table and the settings text of a role's colours.
#include "colour/colour_utils.h"

#include "messages/message_names.h"
#include "platform/locale_strings.h"
#include "platform/ui_services.h"

#include <algorithm>

namespace textcore {

namespace {

constexpr int32_t RGB(int32_t red, int32_t green, int32_t blue) {
  return red | green << 8 | blue << 16;
}

// A system colour as the scheme and the table hold it: negative, the index in the low byte.
constexpr int32_t SystemColourOf(int32_t index) {
  return static_cast<int32_t>(0xFF000000u | static_cast<uint32_t>(index));
}

constexpr std::array<int32_t, 216> WebSafeColours() {
  std::array<int32_t, 216> colours{};
  size_t n = 0;
  for (int32_t green = 0; green < 6; ++green)
    for (int32_t blue = 0; blue < 6; ++blue)
      for (int32_t red = 0; red < 6; ++red) {
        const int32_t colour = RGB(red * 51, green * 51, blue * 51);
        if (colour != RGB(102, 51, 102) && colour != RGB(51, 51, 153))
          colours[n++] = colour;
      }
  colours[n++] = RGB(102, 51, 102);
  colours[n++] = RGB(51, 51, 153);
  return colours;
}

// The word of a marker or member in the loaded translation, lower case; and its English word.
String LowerText(TMessage message) { return AnsiLowerCase(message.Text()); }
String LowerEnglish(TMessage message) { return AnsiLowerCase(message.BuiltinText()); }

// Where text has the message's word, in the translation or else in English; npos for neither.
size_t FindWord(StringView text, TMessage message, size_t &length) {
  for (const String &word : {LowerText(message), LowerEnglish(message)}) {
    const size_t at = word.empty() ? StringView::npos : text.find(word);
    if (at != StringView::npos) {
      length = word.size();
      return at;
    }
  }
  return StringView::npos;
}

// "red,green,blue" as three decimal integers, each taken & 0xFF.
bool TryRGBText(StringView text, int32_t &colour) {
  const size_t first = text.find(u',');
  if (first == StringView::npos)
    return false;
  const size_t second = text.find(u',', first + 1);
  if (second == StringView::npos)
    return false;
  int32_t red = 0, green = 0, blue = 0;
  if (!TryDecimalToInt(text.substr(0, first), red) ||
      !TryDecimalToInt(text.substr(first + 1, second - first - 1), green) ||
      !TryDecimalToInt(text.substr(second + 1), blue))
    return false;
  colour = RGB(red & 0xFF, green & 0xFF, blue & 0xFF);
  return true;
}

// A part of a settings text that names or spells a colour.
bool TryColourPart(StringView part, int32_t &colour) {
  return !part.empty() &&
         (TrySetColourFromName(AnsiUpperCase(part), colour) || TryRGBText(part, colour));
}

constexpr TMessage kTypefaceWords[] = {_QM_bold, _QM_italics, _QMsublinhado, _QM_strikeout};
constexpr typeface_type kTypefaceMembers[] = {bold, italics, underline, strikeout};

} // namespace

const std::array<TNamedColour, named_colour_count> named_colours = {{
    {_QMButtonColour, SystemColourOf(COLOR_BTNFACE)},
    {_QMHighlightBar, SystemColourOf(COLOR_HIGHLIGHT)},
    {_QMWindowCaption, SystemColourOf(COLOR_ACTIVECAPTION)},
    {_QMBlack, RGB(0, 0, 0)},
    {_QMWhite, RGB(255, 255, 255)},
    {_QMMidBrown, RGB(102, 0, 0)},
    {_QMMaroon, RGB(128, 0, 0)},
    {_QMRed, RGB(255, 0, 0)},
    {_QMBlood, RGB(204, 0, 51)},
    {_QMGreen, RGB(0, 128, 0)},
    {_QMOlive, RGB(128, 128, 0)},
    {_QMLime, RGB(0, 255, 0)},
    {_QMVeryDarkGreen, RGB(0, 51, 0)},
    {_QMVeryLightGreen, RGB(153, 255, 0)},
    {_QMLightishGreen, RGB(0, 153, 0)},
    {_QMGreyGreen, RGB(0, 128, 128)},
    {_QMDollarGreen, RGB(192, 220, 192)},
    {_QMBottleGreen, RGB(0, 102, 102)},
    {_QMLightBlue, RGB(0, 255, 255)},
    {_QMBlue, RGB(0, 0, 255)},
    {_QMSkyBlue, RGB(166, 202, 240)},
    {_QMDarkishBlue, RGB(0, 102, 153)},
    {_QMNavy, RGB(0, 0, 128)},
    {_QMVeryDarkBlue, RGB(0, 0, 102)},
    {_QMLightPink, RGB(255, 153, 255)},
    {_QMPink, RGB(204, 102, 255)},
    {_QMReddishPurple, RGB(255, 51, 153)},
    {_QMLightPurple, RGB(255, 0, 255)},
    {_QMPurple, RGB(128, 0, 128)},
    {_QMGrey, RGB(128, 128, 128)},
    {_QMLightGrey, RGB(192, 192, 192)},
    {_QMDarkGrey, RGB(128, 128, 128)},
    {_QMSilver, RGB(192, 192, 192)},
    {_QMMediumGrey, RGB(160, 160, 164)},
    {_QMYellow, RGB(255, 255, 0)},
    {_QMOrange, RGB(255, 204, 51)},
    {_QMDarkCream, RGB(255, 255, 204)},
    {_QMCream, RGB(255, 251, 240)},
}};

const std::array<int32_t, 216> web_safe_colours = WebSafeColours();

const std::array<int32_t, 13> web_safe_13_best = {
    RGB(102, 0, 0),     RGB(0, 0, 102),    RGB(0, 51, 255),    RGB(0, 51, 0),
    RGB(153, 255, 0),   RGB(0, 153, 0),    RGB(204, 102, 255), RGB(255, 153, 255),
    RGB(255, 51, 153),  RGB(255, 204, 51), RGB(255, 255, 204), RGB(0, 102, 102),
    RGB(153, 255, 255),
};

int32_t MyColourToRGB(int32_t colour) { return colour < 0 ? SystemColour(colour & 0xFF) : colour; }

int32_t NamedColourOf(int32_t index) {
  return index >= 0 && index < named_colour_count
             ? MyColourToRGB(named_colours[static_cast<size_t>(index)].colour)
             : 0;
}

int32_t MixColors(int32_t colour1, int32_t colour2, int32_t weight) {
  const int32_t w = std::clamp(weight, 0, 255);
  const int32_t a = MyColourToRGB(colour1), b = MyColourToRGB(colour2);
  int32_t mixed = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const int32_t channel = ((a >> shift & 0xFF) * w + (b >> shift & 0xFF) * (255 - w)) / 256;
    mixed |= (channel & 0xFF) << shift;
  }
  return mixed;
}

String NameFromColour(int32_t colour) {
  const int32_t wanted = MyColourToRGB(colour);
  for (int32_t pass = 0; pass < 2; ++pass)
    for (int32_t i = pass == 0 ? 3 : 0; i < (pass == 0 ? named_colour_count : 3); ++i)
      if (NamedColourOf(i) == wanted)
        return String(named_colours[static_cast<size_t>(i)].name.Text());
  return String();
}

bool TrySetColourFromName(StringView name, int32_t &colour) {
  String wanted(name);
  if (const size_t gray = wanted.find(u"GRAY"); gray != String::npos)
    wanted.replace(gray, 4, u"GREY");
  for (int32_t i = 0; i < named_colour_count; ++i) {
    const TMessage entry = named_colours[static_cast<size_t>(i)].name;
    if (wanted == AnsiUpperCase(entry.Text()) || wanted == AnsiUpperCase(entry.BuiltinText())) {
      colour = NamedColourOf(i);
      return true;
    }
  }
  return false;
}

int32_t ColourStrToLongint(StringView text, int32_t default_colour) {
  int32_t colour = 0;
  if (TrySetColourFromName(AnsiUpperCase(text), colour) || TryRGBText(text, colour))
    return colour;
  return default_colour;
}

String LongintToColourStr(int32_t colour) {
  String name = NameFromColour(colour);
  if (!name.empty())
    return name;
  const int32_t rgb = MyColourToRGB(colour);
  return IntToStr(rgb & 0xFF) + u"," + IntToStr(rgb >> 8 & 0xFF) + u"," +
         IntToStr(rgb >> 16 & 0xFF);
}

String TranslateFromColour(int32_t foreground, int32_t background, typeface_set_type typeface) {
  String text = LongintToColourStr(foreground) + String(_QM_on_str.Text()) +
                LongintToColourStr(background) + u"; " + String(_QM_typeface.Text());
  for (size_t i = 0; i < std::size(kTypefaceMembers); ++i)
    if (typeface.Contains(kTypefaceMembers[i]))
      text += kTypefaceWords[i].Text();
  return text;
}

void TranslateToColour(colour_and_typeface_rec &rec, TQMcolourset role, StringView text) {
  if (role >= qm_colour_roles)
    return;
  String rest = Trim(AnsiLowerCase(text));
  // The typeface part first: "navy; typeface:bold" has a foreground and a typeface only.
  String typeface_part;
  bool has_typeface = false;
  size_t length = 0;
  for (size_t from = 0;;) {
    const size_t at = FindWord(StringView(rest).substr(from), _QM_typeface, length);
    if (at == StringView::npos)
      break;
    const size_t marker = from + at;
    // The marker counts after "; " (or as the whole text's start, with nothing before it).
    const String before = TrimRight(StringView(rest).substr(0, marker));
    if (marker == 0 || (!before.empty() && before.back() == u';')) {
      has_typeface = true;
      typeface_part = Trim(StringView(rest).substr(marker + length));
      rest = before.empty() ? String() : Trim(StringView(before).substr(0, before.size() - 1));
      break;
    }
    from = marker + length;
  }
  String foreground = rest, background;
  if (const size_t on = FindWord(rest, _QM_on_str, length); on != StringView::npos) {
    foreground = Trim(StringView(rest).substr(0, on));
    background = Trim(StringView(rest).substr(on + length));
  }
  TryColourPart(foreground, rec.cor[role].foreground);
  TryColourPart(background, rec.cor[role].background);
  if (!has_typeface)
    return;
  typeface_set_type typeface{};
  for (size_t i = 0; i < std::size(kTypefaceMembers); ++i)
    if (FindWord(typeface_part, kTypefaceWords[i], length) != StringView::npos)
      typeface.Include(kTypefaceMembers[i]);
  rec.typefaces[role] = typeface;
}

} // namespace textcore
