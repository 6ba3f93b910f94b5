// Colour names and settings texts: every form the readers meet, system colours resolved, and the
// default scheme.
#include "colour/colour_utils.h"

#include "definitions/base_and_highlight_colours.h"
#include "platform/ui_services.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <utility>

namespace textcore {
namespace {

constexpr int32_t RGB(int32_t r, int32_t g, int32_t b) { return r | g << 8 | b << 16; }
constexpr int32_t kDefault = RGB(9, 9, 9), kRed = RGB(255, 0, 0), kWhite = RGB(255, 255, 255),
                  kNavy = RGB(0, 0, 128), kGrey = RGB(128, 128, 128),
                  kLightGrey = RGB(192, 192, 192);

// A provider for the scope of a test.
class SystemColours {
public:
  explicit SystemColours(TSystemColourProvider provider)
      : fPrevious(SetSystemColourProvider(std::move(provider))) {}
  ~SystemColours() { SetSystemColourProvider(std::move(fPrevious)); }

private:
  TSystemColourProvider fPrevious;
};

TEST(ColourStrings, NamesAndSpelledColoursBothWays) {
  // Each text with the colour ColourStrToLongint reads from it.
  const std::pair<const char16_t *, int32_t> reads[] = {
      {u"Red", RGB(255, 0, 0)},
      {u"red", RGB(255, 0, 0)},
      {u"V. Dark Green", RGB(0, 51, 0)},
      {u"light gray", RGB(192, 192, 192)}, // GRAY is read as GREY
      {u"Button Colour", RGB(240, 240, 240)},
      {u"1,2,3", RGB(1, 2, 3)},
      {u"+5,0,0", RGB(5, 0, 0)},
      {u"-1,0,0", RGB(255, 0, 0)}, // channels wrap by their low byte
      {u"256,257,-256", RGB(0, 1, 0)},
      {u" 1,2,3", kDefault}, // no blanks anywhere in the numbers
      {u"1, 2, 3", kDefault},
      {u"1,2,3 ", kDefault},
      {u"1,2", kDefault},
      {u"1,2,3,4", kDefault},
      {u"0x10,0,0", kDefault},
      {u"99999999999,0,0", kDefault}, // beyond an integer
      {u",,", kDefault},
      {u"", kDefault},
      {u"Light Greyish", kDefault},
  };
  for (const auto &[text, colour] : reads)
    EXPECT_EQ(ColourStrToLongint(text, kDefault), colour) << StringToUTF8(text);

  const std::pair<int32_t, const char16_t *> writes[] = {
      {RGB(255, 0, 0), u"Red"},
      {RGB(1, 2, 3), u"1,2,3"},
      {RGB(128, 128, 128), u"Grey"},       // the first of Grey and Dark Grey
      {RGB(192, 192, 192), u"Light Grey"}, // the first of Light Grey and Silver
      {RGB(0, 51, 0), u"V. Dark Green"},
      {RGB(240, 240, 240), u"Button Colour"},
      {static_cast<int32_t>(0xFF000000u | COLOR_WINDOW), u"White"}, // resolved, never "5,0,0"
      {static_cast<int32_t>(0xFF000000u | COLOR_GRAYTEXT), u"109,109,109"},
  };
  for (const auto &[colour, text] : writes) {
    EXPECT_EQ(LongintToColourStr(colour), text);
    EXPECT_EQ(ColourStrToLongint(LongintToColourStr(colour), kDefault), MyColourToRGB(colour));
  }

  // A desktop whose highlight is pure red: red keeps its own name, and the system entries follow
  // the desktop as it is when asked.
  const SystemColours red_highlight([](int32_t index) -> std::optional<int32_t> {
    if (index == COLOR_HIGHLIGHT)
      return RGB(255, 0, 0);
    if (index == COLOR_WINDOW)
      return RGB(7, 8, 9);
    return std::nullopt;
  });
  EXPECT_EQ(NameFromColour(RGB(255, 0, 0)), u"Red");
  EXPECT_EQ(ColourStrToLongint(u"Highlight Bar", kDefault), RGB(255, 0, 0));
  EXPECT_EQ(LongintToColourStr(static_cast<int32_t>(0xFF000000u | COLOR_WINDOW)), u"7,8,9");
  EXPECT_EQ(MyColourToRGB(static_cast<int32_t>(0xFF000000u | COLOR_BTNFACE)), RGB(240, 240, 240));
}

TEST(ColourStrings, SettingsTextOfARole) {
  EXPECT_EQ(TranslateFromColour(kRed, kWhite, {bold, underline}),
            u"Red on White; typeface:boldunderline");
  EXPECT_EQ(TranslateFromColour(RGB(1, 2, 3), kNavy, {}), u"1,2,3 on Navy; typeface:");

  const int32_t fore = RGB(10, 10, 10), back = RGB(20, 20, 20);
  struct Case {
    const char16_t *text;
    int32_t foreground, background;
    typeface_set_type typeface;
  } cases[] = {
      {u"Red on White; typeface:boldunderline", kRed, kWhite, {bold, underline}},
      {u"  RED ON white ;   typeface: italics ", kRed, kWhite, {italics}},
      // Without " on " the text is the foreground; without the marker the typeface stays.
      {u"navy", kNavy, back, {strikeout}},
      {u"navy; typeface:bold", kNavy, back, {bold}},
      // The marker with nothing after it clears the typeface.
      {u"Red on White; typeface:", kRed, kWhite, {}},
      {u"Red on White", kRed, kWhite, {strikeout}},
      // A part that neither names nor spells a colour leaves that colour.
      {u"gibberish on 1,2,3", fore, RGB(1, 2, 3), {strikeout}},
      {u"1,2,3 on 1, 2, 3", RGB(1, 2, 3), back, {strikeout}},
      {u"light gray on dark grey; typeface:strikeoutbold", kLightGrey, kGrey, {bold, strikeout}},
      {u"", fore, back, {strikeout}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(StringToUTF8(c.text));
    colour_and_typeface_rec rec;
    rec.cor[tagcolour] = {fore, back};
    rec.typefaces[tagcolour] = {strikeout};
    TranslateToColour(rec, tagcolour, c.text);
    EXPECT_EQ(rec.cor[tagcolour].foreground, c.foreground);
    EXPECT_EQ(rec.cor[tagcolour].background, c.background);
    EXPECT_EQ(rec.typefaces[tagcolour], c.typeface);
    EXPECT_EQ(rec.cor[normalcolour].foreground, 0); // no other role touched
  }
  colour_and_typeface_rec rec;
  TranslateToColour(rec, static_cast<TQMcolourset>(qm_colour_roles), u"Red on White");
  EXPECT_EQ(rec.cor[spareX].foreground, 0);
}

TEST(ColourStrings, MixingAndTheBrowserSafeTables) {
  const int32_t near_white = RGB(254, 254, 254);
  EXPECT_EQ(MixColors(kWhite, 0, 255), near_white); // divided by 256, not 255
  EXPECT_EQ(MixColors(0, kWhite, 0), near_white);
  EXPECT_EQ(MixColors(kRed, RGB(0, 0, 255), 128), RGB(127, 0, 126));
  EXPECT_EQ(MixColors(kWhite, 0, 1000), near_white); // the weight is held to 0..255
  EXPECT_EQ(MixColors(0, kWhite, -7), near_white);
  EXPECT_EQ(MixColors(static_cast<int32_t>(0xFF000000u | COLOR_WINDOW), 0, 255), near_white);
  EXPECT_EQ(MixColors(0x7FFFFFFF, 0x7FFFFFFF, 255), near_white); // the high byte is dropped

  EXPECT_EQ(web_safe_colours[0], 0);
  EXPECT_EQ(web_safe_colours[1], RGB(51, 0, 0)); // red fastest
  EXPECT_EQ(web_safe_colours[6], RGB(0, 0, 51)); // then blue
  EXPECT_EQ(web_safe_colours[49], RGB(51, 51, 102));
  EXPECT_EQ(web_safe_colours[50], RGB(153, 51, 102)); // (102, 51, 102) is left out
  EXPECT_EQ(web_safe_colours[53], RGB(0, 51, 153));
  EXPECT_EQ(web_safe_colours[54], RGB(102, 51, 153)); // so is (51, 51, 153)
  EXPECT_EQ(web_safe_colours[213], kWhite);
  EXPECT_EQ(web_safe_colours[214], RGB(102, 51, 102));
  EXPECT_EQ(web_safe_colours[215], RGB(51, 51, 153));
  EXPECT_EQ(std::set<int32_t>(web_safe_colours.begin(), web_safe_colours.end()).size(), 216u);
  EXPECT_EQ(web_safe_13_best[0], RGB(102, 0, 0));
  EXPECT_EQ(web_safe_13_best[12], RGB(153, 255, 255));
}

TEST(ColourScheme, DefaultsFromTheSystemAndColoursKeptVisible) {
  const colour_and_typeface_rec saved = global_colours_and_typefaces;
  SetDefaultColours();
  const colour_and_typeface_rec &scheme = global_colours_and_typefaces;
  const TColourPair normal_pair{RGB(0, 0, 0), RGB(255, 255, 255)};
  const TColourPair highlight_pair{RGB(255, 255, 255), RGB(0, 120, 215)};
  for (int32_t role = 0; role < qm_colour_roles; ++role) {
    const bool highlighted = role == highlightcolour || (role >= 8 && role <= 12);
    const TColourPair pair = scheme.cor[static_cast<size_t>(role)];
    const TColourPair want = highlighted ? highlight_pair : normal_pair;
    const int32_t foreground =
        role == tagcolour || role == deletedcolour ? RGB(109, 109, 109) : want.foreground;
    EXPECT_EQ(pair.foreground, foreground) << role;
    EXPECT_EQ(pair.background, want.background) << role;
    EXPECT_EQ(scheme.typefaces[static_cast<size_t>(role)],
              role == deletedcolour ? typeface_set_type{strikeout} : typeface_set_type{})
        << role;
  }
  EXPECT_EQ(colour_and_typeface_strs(normalcolour), u"normal text");
  EXPECT_EQ(colour_and_typeface_strs(centrehighlightedcolour), u"search word highlighted");
  EXPECT_EQ(colour_and_typeface_strs(wordcloud_wordcolour), u"word-cloud word");
  EXPECT_EQ(colour_and_typeface_strs(spareX), u"");

  // Nothing changes while every role is visible; a role drawn in one colour gets the window's.
  const colour_and_typeface_rec before = scheme;
  EnsureAllColoursAreOK();
  EXPECT_EQ(std::memcmp(&before, &scheme, sizeof before), 0);
  global_colours_and_typefaces.cor[lemma_colour] = {RGB(1, 1, 1), RGB(1, 1, 1)};
  {
    const SystemColours dark([](int32_t index) -> std::optional<int32_t> {
      return index == COLOR_WINDOW ? RGB(30, 30, 30) : RGB(220, 220, 220);
    });
    EnsureAllColoursAreOK();
  }
  EXPECT_EQ(scheme.cor[lemma_colour].foreground, RGB(220, 220, 220));
  EXPECT_EQ(scheme.cor[lemma_colour].background, RGB(30, 30, 30));
  global_colours_and_typefaces = saved;
}

} // namespace
} // namespace textcore
