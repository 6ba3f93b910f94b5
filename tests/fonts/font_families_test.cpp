// The font lists by character set from a substitute source of families (vertical faces, order,
// duplicates, unknown charsets, no screen), and once from the installed fonts through Qt.
#include "fonts/charsets.h"
#include "fonts/font_families.h"
#include "fonts/font_info.h"
#include "platform/object.h"
#include "support/qt_application.h"

#include <QFontDatabase>

#include <gtest/gtest.h>

#include <utility>

namespace unidisplay {
namespace {

using textcore::String;
using Reports = std::vector<TFontFamilyReport>;

class SourceInPlace {
public:
  explicit SourceInPlace(TFontFamilySource source)
      : fPrevious(SetFontFamilySource(std::move(source))) {}
  ~SourceInPlace() { SetFontFamilySource(std::move(fPrevious)); }

private:
  TFontFamilySource fPrevious;
};

std::vector<String> Fonts(charsets_set set) {
  std::vector<String> names;
  for (int32_t i = 0; i < charsetinfo[set].fonts->Count(); ++i)
    names.push_back(charsetinfo[set].fonts->Strings(i));
  return names;
}

int32_t TypeOf(charsets_set set, const String &name) {
  const textcore::TStringList &fonts = *charsetinfo[set].fonts;
  return textcore::ObjectAsInteger(fonts.Objects(fonts.IndexOf(name)));
}

TEST(FontFamilies, ListsEachFaceOnceSortedUnderItsCharsets) {
  Reports reports = {
      {u"Zeta Serif", {0, 204}, TRUETYPE_FONTTYPE},
      {u"@Vertical Mincho", {128, 0}, TRUETYPE_FONTTYPE},
      {u"alpha Sans", {204}, RASTER_FONTTYPE},
      {u"Zeta Serif", {204}, RASTER_FONTTYPE},    // again: the first report stays
      {u"Symbolic", {2, 255}, TRUETYPE_FONTTYPE}, // charsets outside the table: Western
      {u"Noto Sans Tifinagh Agraw Imazighen", {0}, TRUETYPE_FONTTYPE},
      {u"", {0}, TRUETYPE_FONTTYPE},
      {u"Mincho", {128}, TRUETYPE_FONTTYPE},
  };
  {
    SourceInPlace source([&reports] { return std::optional<Reports>(reports); });
    GetAllFontCharsets();
  }
  EXPECT_EQ(Fonts(ANSI_CHARS), (std::vector<String>{u"Noto Sans Tifinagh Agraw Imazighen",
                                                    u"Symbolic", u"Zeta Serif"}));
  EXPECT_EQ(Fonts(RUSSIAN_CHARS), (std::vector<String>{u"alpha Sans", u"Zeta Serif"}));
  EXPECT_EQ(Fonts(SHIFTJIS_CHARS), (std::vector<String>{u"Mincho"}));
  EXPECT_EQ(TypeOf(RUSSIAN_CHARS, u"alpha Sans"), RASTER_FONTTYPE);
  EXPECT_EQ(TypeOf(RUSSIAN_CHARS, u"Zeta Serif"), TRUETYPE_FONTTYPE);
  for (charsets_set set : {ANSI_CHARS, RUSSIAN_CHARS, SHIFTJIS_CHARS})
    EXPECT_TRUE(charsetinfo[set].installed) << int(set);

  // A second run replaces the lists; a set that lost its fonts still counts as installed.
  reports = {{u"Mincho", {0}, TRUETYPE_FONTTYPE}};
  {
    SourceInPlace source([&reports] { return std::optional<Reports>(reports); });
    GetAllFontCharsets();
  }
  EXPECT_EQ(Fonts(ANSI_CHARS), (std::vector<String>{u"Mincho"}));
  EXPECT_TRUE(Fonts(RUSSIAN_CHARS).empty());
  EXPECT_TRUE(charsetinfo[RUSSIAN_CHARS].installed);

  // Without a screen nothing changes.
  {
    SourceInPlace source([] { return std::optional<Reports>(); });
    GetAllFontCharsets();
  }
  EXPECT_EQ(Fonts(ANSI_CHARS), (std::vector<String>{u"Mincho"}));
}

bool Installed(const char *family) { return QFontDatabase::families().contains(family); }

TEST(FontFamilies, InstalledFontsGiveTheirCharsetsAndSignatures) {
  testsupport::QtApplication();
  if (!Installed("DejaVu Sans"))
    GTEST_SKIP() << "DejaVu Sans is not installed";
  GetAllFontCharsets();
  EXPECT_GE(charsetinfo[ANSI_CHARS].fonts->IndexOf(u"DejaVu Sans"), 0);
  EXPECT_GE(charsetinfo[RUSSIAN_CHARS].fonts->IndexOf(u"DejaVu Sans"), 0);
  EXPECT_TRUE(charsetinfo[RUSSIAN_CHARS].installed);

  const Tmy_font_info western = FontInfoFromFontname(u"dejavu sans", 0);
  EXPECT_EQ(western.font_signature.fsUsb[0] & 0x203, 0x203u); // Basic Latin, Latin-1, Cyrillic
  EXPECT_EQ(western.font_signature.fsCsb[0] & 0x5, 0x5u);     // Western Europe, Cyrillic
  EXPECT_TRUE(western.has_extra_glyphs);                      // Cyrillic beyond 1252

  // A family that is not installed gives nothing, not the font Qt would fall back on.
  const Tmy_font_info missing = FontInfoFromFontname(u"No Such Font Family", 0);
  EXPECT_EQ(UnicodeInfoFromFontSignature(missing.font_signature), u"");
  EXPECT_EQ(missing.font_signature.fsCsb[0], 0u);
  EXPECT_FALSE(missing.has_extra_glyphs);

  // A name longer than a Windows face name still selects its own font.
  if (Installed("Noto Sans Tifinagh Agraw Imazighen")) {
    const Tmy_font_info tifinagh = FontInfoFromFontname(u"Noto Sans Tifinagh Agraw Imazighen", 0);
    EXPECT_NE(UnicodeInfoFromFontSignature(tifinagh.font_signature), u"");
  }
}

} // namespace
} // namespace unidisplay
