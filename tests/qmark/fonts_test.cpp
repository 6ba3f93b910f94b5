// qmark fonts end to end: the families of each set from a substitute font source (exact), the
// coverage of an installed family, a family that is not installed, and bad usage.
#include "tools/qmark/fonts.h"

#include "fonts/font_families.h"
#include "qmark/command_runs.h"
#include "support/qt_application.h"

#include <QFontDatabase>

#include <gtest/gtest.h>

#include <utility>

namespace qmark {
namespace {

using unidisplay::TFontFamilyReport;

TEST(Fonts, ListsTheFamiliesOfEachSetAndTellsAFamilysCoverage) {
  testsupport::QtApplication();
  const std::vector<TFontFamilyReport> reports = {
      {u"Serif Two", {0, 204}, unidisplay::TRUETYPE_FONTTYPE},
      {u"@Vertical", {204}, unidisplay::TRUETYPE_FONTTYPE},
      {u"Cyrillic One", {204}, unidisplay::TRUETYPE_FONTTYPE},
  };
  unidisplay::TFontFamilySource previous = unidisplay::SetFontFamilySource(
      [&reports] { return std::optional<std::vector<TFontFamilyReport>>(reports); });
  const Result all = RunCommand(RunFonts, {});
  const Result cyrillic = RunCommand(RunFonts, {"--charset=204"});
  const Result unknown = RunCommand(RunFonts, {"--charset", "2"});
  const Result tsv = RunCommand(RunFonts, {"--charset", "204", "--format", "tsv"});
  unidisplay::SetFontFamilySource(std::move(previous));
  EXPECT_EQ(tsv.out, "set\tcharset\tcode_page\tfamily\n"
                     "Cyrillic symbols\t204\t1251\tCyrillic One\n"
                     "Cyrillic symbols\t204\t1251\tSerif Two\n");

  EXPECT_EQ(all.status, 0) << all.err;
  const Strings lines = Lines(all.out);
  ASSERT_EQ(lines.size(), 15u * 2 - 1 + 3);
  EXPECT_EQ(lines[0], "Vietnamese symbols (charset 163, code page 1258): 0 families");
  EXPECT_EQ(cyrillic.out, "Cyrillic symbols (charset 204, code page 1251): 2 families\n"
                          "  Cyrillic One\n  Serif Two\n");
  EXPECT_EQ(unknown.out, "Western European symbols (charset 0, code page 1252): 1 family\n"
                         "  Serif Two\n");
  EXPECT_EQ(Lines(all.out).back(), "  Serif Two");

  const Result missing = RunCommand(RunFonts, {"No Such Family"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "qmark fonts: no font family 'No Such Family' is installed\n");
  EXPECT_EQ(missing.out, "");
  if (QFontDatabase::families().contains("DejaVu Sans")) {
    const Result dejavu = RunCommand(RunFonts, {"--charset", "204", "DejaVu Sans"});
    EXPECT_EQ(dejavu.status, 0) << dejavu.err;
    const Strings described = Lines(dejavu.out);
    ASSERT_GE(described.size(), 6u);
    EXPECT_EQ(described[0], "DejaVu Sans");
    EXPECT_EQ(described[1], "  code pages:");
    EXPECT_EQ(described[2], "    Western Europe");
    EXPECT_NE(dejavu.out.find("  Unicode ranges:\n    Basic Latin\n"), std::string::npos);
    EXPECT_EQ(described.back(), "  glyphs beyond code page 1251: yes"); // Greek, Hebrew...
  }

  for (const Strings &args : {Strings{"--charset", "256"}, Strings{"--charset", "x"},
                              Strings{"--charset"}, Strings{"--size", "1"}}) {
    const Result bad = RunCommand(RunFonts, args);
    EXPECT_EQ(bad.status, 2) << args[0];
    EXPECT_EQ(bad.err.substr(0, 13), "qmark fonts: ");
    EXPECT_EQ(bad.out, "");
  }
}

} // namespace
} // namespace qmark
