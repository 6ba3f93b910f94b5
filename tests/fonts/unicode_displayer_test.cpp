// The displayer's geometry on a device context of fixed widths: start points, crops, strips,
// wrapping, concordance centres and the colours each chunk is drawn in.
#include "fonts/unicode_displayer.h"

#include "fonts/recording_device_context.h"
#include "platform/ui_services.h"

#include <gtest/gtest.h>

#include <tuple>

namespace unidisplay {
namespace {

using testing::TRecordingDeviceContext;
using textcore::String;
using textcore::TRect;

constexpr textcore::TMyCanvasColourRec kColours{0x000000, 0xFFFFFF, 0xFFFFFF, 0x800000};
constexpr int32_t kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000;

TUnicodeDisplayer Displayer(bool bidi = false) {
  return TUnicodeDisplayer(textcore::typeface_set_type{}, kColours, bidi, 1033);
}

// A run from on to off (not included) drawn red on green, highlighted blue on green.
textcore::TExtraFontRec ColourRun(int32_t on, int32_t off) {
  textcore::TExtraFontRec rec;
  rec.basics.switch_on_at_char = on;
  rec.basics.switch_off_at_char = off;
  rec.basics.colour_rec = {kRed, kBlue, kGreen, kGreen};
  return rec;
}

TEST(UnicodeDisplayer, StartPointsFollowAlignmentAndDirection) {
  const TRect r{10, 0, 110, 16};
  const std::tuple<bool, textcore::alignment_type, bool, bool, int32_t, int32_t> cases[] = {
      // bidi, alignment, wrapped, from centre, text width, x
      {false, textcore::right_aligned, false, false, 40, 70},
      {false, textcore::centre_aligned, false, false, 40, 40},
      {false, textcore::decimal_aligned, false, false, 40, 70},
      {false, textcore::file_name, false, false, 40, 70},
      {false, textcore::left_aligned, false, false, 40, 10},
      {false, textcore::right_aligned, true, false, 40, 10},   // wrapped text is not aligned
      {false, textcore::right_aligned, false, false, 140, 10}, // nor text wider than the rect
      {false, textcore::left_aligned, false, true, 40, 60},
      {true, textcore::right_aligned, false, false, 40, 110},
      {true, textcore::left_aligned, false, false, 40, 50},
      {true, textcore::centre_aligned, false, false, 40, 80}, // the mirror of left to right
      {true, textcore::right_aligned, false, true, 40, 60},
  };
  for (const auto &[bidi, alignment, wrapped, from_centre, width, want] : cases) {
    TUnicodeDisplayer d = Displayer(bidi);
    int32_t x = -1;
    d.AssessDirectionAndStartPoint(x, alignment, wrapped, from_centre, r, width);
    EXPECT_EQ(x, want) << bidi << " " << int(alignment) << " " << wrapped << " " << width;
    EXPECT_EQ(d.Initial_X_Position, want);
  }
}

TEST(UnicodeDisplayer, MetricsHalveTheLetterIOfAFixedPitchFontAndKeepLinesAPixelHigh) {
  TRecordingDeviceContext dc;
  TUnicodeDisplayer d = Displayer();
  d.Setup_TextMetrics(textcore::pra_screen, dc);
  EXPECT_EQ(d.letter_i_size, (textcore::TSize{4, 16}));
  EXPECT_EQ(d.AveCharWidth(), 10);
  EXPECT_EQ(d.RectHeightInTextLines({0, 0, 10, 40}), 2);
  dc.fixed_pitch = true;
  d.Setup_TextMetrics(textcore::pra_screen, dc);
  EXPECT_EQ(d.letter_i_size.cx, 5);
  d.SetInterlinearSpacing(-16);
  EXPECT_EQ(d.HeightOfOneLine(), 1);
  d.SetInterlinearSpacing(-40);
  EXPECT_EQ(d.HeightOfOneLine(), 1);
  // Monochrome printing colours no runs; the screen does.
  textcore::TExtraFontList runs;
  runs.AddOne(ColourRun(0, 2));
  d.SetExtraFontList(&runs);
  d.SetMonoChrome_Printing(true);
  d.Setup_TextMetrics(textcore::pra_printer, dc);
  EXPECT_FALSE(d.ColoursMayChange());
  d.Setup_TextMetrics(textcore::pra_screen, dc);
  EXPECT_TRUE(d.ColoursMayChange());
}

TEST(UnicodeDisplayer, EqualColoursBecomeTheSystemColours) {
  TUnicodeDisplayer d(textcore::typeface_set_type{}, {0x123456, 0x777777, 0x123456, 0x777777},
                      false, 1033);
  EXPECT_EQ(d.BaseColour(), textcore::SystemColour(textcore::COLOR_WINDOWTEXT));
  EXPECT_EQ(d.BaseBackground(), textcore::SystemColour(textcore::COLOR_WINDOW));
  EXPECT_EQ(d.HighlightColour(), textcore::SystemColour(textcore::COLOR_HIGHLIGHTTEXT));
  EXPECT_EQ(d.HighlightBackground(), textcore::SystemColour(textcore::COLOR_HIGHLIGHT));
  // A system colour value is stored as the colour it stands for.
  d.SetBaseColour(static_cast<int32_t>(0x80000000u | textcore::COLOR_HIGHLIGHT));
  EXPECT_EQ(d.BaseColour(), textcore::SystemColour(textcore::COLOR_HIGHLIGHT));
  EXPECT_EQ(WindowsColours(static_cast<int32_t>(0x80000000u | textcore::COLOR_WINDOW), 1, 2, 3)
                .default_colour,
            textcore::SystemColour(textcore::COLOR_WINDOW));
}

TEST(UnicodeDisplayer, CropsDropTwentyAtATimeThenOneAndNeverSplitACharacter) {
  TRecordingDeviceContext dc;
  TUnicodeDisplayer d = Displayer();
  const String text(300, u'a');
  std::vector<int32_t> want;
  for (int32_t n = 280; n >= 40; n -= 20)
    want.push_back(n);
  for (int32_t n = 39; n >= 10; --n)
    want.push_back(n);
  want.push_back(10); // the kept part's size
  TCropRec crop;
  const char16_t *start = text.data();
  d.CroppedLinePositions(dc, 3000, crop, false, start + 300, start, 100);
  EXPECT_EQ(dc.measured, want);
  EXPECT_EQ(crop.finish - crop.start, 10);
  EXPECT_EQ(crop.cropped_pixel_size, (textcore::TSize{100, 16}));
  // Marks stay with their base and pairs whole: "e" + acute keeps its accent and the emoji is
  // not halved.
  const String marked = u"ae\u0301\U0001F600bcd";
  d.CroppedLinePositions(dc, 70, crop, false, marked.data() + marked.size(), marked.data(), 25);
  EXPECT_EQ(String(crop.start, crop.finish), u"ae\u0301");
  d.CroppedLinePositions(dc, 70, crop, false, marked.data() + marked.size(), marked.data(), 35);
  EXPECT_EQ(String(crop.start, crop.finish), u"ae\u0301\U0001F600");
}

TEST(UnicodeDisplayer, SingleLinesAreClippedAndCutLinesMarkedWithAStrip) {
  const struct {
    bool bidi;
    textcore::alignment_type alignment;
    String text;
    bool didnt_fit;
    std::vector<String> texts;
    int32_t x;
    std::vector<TRect> strips;
  } cases[] = {
      {false, textcore::left_aligned, u"abc", false, {u"abc"}, 0, {}},
      {false, textcore::right_aligned, u"abc", false, {u"abc"}, 70, {}},
      {false, textcore::left_aligned, u"abc\r\ndef", false, {u"abc"}, 0, {}},
      {false, textcore::left_aligned, u"abc\ndef", false, {u"abc"}, 0, {}},
      // 120 pixels in 100: the end is cut (strip at the right) or, right-aligned, the start.
      {false, textcore::left_aligned, u"abcdefghjklm", true, {u"abcdefghj"}, 0, {{96, 1, 100, 17}}},
      {false, textcore::right_aligned, u"abcdefghjkln", true, {u"defghjkln"}, 10, {{0, 1, 4, 17}}},
      // Right to left the beginning is at the right: a line kept from it is cut at the left.
      {true, textcore::left_aligned, u"abcdefghjklm", true, {u"abcdefghj"}, 4, {{0, 1, 4, 17}}},
      {true, textcore::right_aligned, u"abcdefghjklm", true, {u"defghjklm"}, 4, {{96, 1, 100, 17}}},
  };
  for (const auto &c : cases) {
    TRecordingDeviceContext dc;
    TUnicodeDisplayer d = Displayer(c.bidi);
    TRect drawn;
    d.didnt_fit = !c.didnt_fit;
    d.DisplayAWideString(textcore::pra_screen, dc, drawn, {0, 0, 100, 20}, c.alignment, false,
                         false, false, c.text);
    const std::string name = textcore::StringToUTF8(c.text);
    EXPECT_EQ(d.didnt_fit, c.didnt_fit) << name;
    EXPECT_EQ(dc.Texts(), c.texts) << name;
    ASSERT_FALSE(dc.drawn.empty());
    EXPECT_EQ(dc.drawn[0].x, c.x) << name;
    EXPECT_EQ(dc.drawn[0].y, 1);
    EXPECT_EQ(dc.drawn[0].clip, (TRect{0, 0, 100, 20}));
    std::vector<TRect> strips;
    for (const auto &f : dc.filled) {
      EXPECT_EQ(f.colour, 0x800080);
      strips.push_back(f.rect);
    }
    EXPECT_EQ(strips, c.strips) << name;
    EXPECT_FALSE(dc.clip.has_value()) << "the clip is left set";
  }
}

TEST(UnicodeDisplayer, ChunksTakeTheColoursOfTheirRunsThroughTabsAndHighlighting) {
  textcore::TExtraFontList runs;
  runs.AddOne(ColourRun(2, 4)); // "bb" of the caller's text, after its TAB
  const struct {
    bool highlighted;
    std::vector<std::tuple<String, int32_t, int32_t, int32_t>> drawn; // text, x, colour, background
  } cases[] = {
      {false, {{u"a ", 0, 0, 0xFFFFFF}, {u"   bb ", 20, kRed, kGreen}, {u"cc", 80, 0, 0xFFFFFF}}},
      {true,
       {{u"a ", 0, 0xFFFFFF, 0x800000},
        {u"   bb ", 20, kBlue, kGreen},
        {u"cc", 80, 0xFFFFFF, 0x800000}}},
  };
  for (const auto &c : cases) {
    TRecordingDeviceContext dc;
    TUnicodeDisplayer d = Displayer();
    d.SetExtraFontList(&runs);
    TRect drawn;
    d.DisplayAWideString(textcore::pra_screen, dc, drawn, {0, 0, 200, 20}, textcore::left_aligned,
                         false, c.highlighted, false, u"a\tbb cc");
    std::vector<std::tuple<String, int32_t, int32_t, int32_t>> got;
    for (const auto &t : dc.drawn)
      got.emplace_back(t.text, t.x, t.colour, t.background);
    EXPECT_EQ(got, c.drawn) << c.highlighted;
    EXPECT_EQ(dc.colour, 0) << "base colours are put back";
  }
}

TEST(UnicodeDisplayer, WrappedLinesAlwaysMoveOnAndBreakAtEveryKindOfLineEnd) {
  const struct {
    String text;
    int32_t interlinear;
    std::vector<std::pair<String, int32_t>> lines; // text, y
    int32_t height;
  } cases[] = {
      {u"aaaa bbbb cccc", 0, {{u"aaaa bbbb ", 2}, {u"cccc", 18}}, 36},
      // A word wider than the line is broken, never left to repeat forever.
      {String(25, u'a'), 0, {{String(10, u'a'), 2}, {String(10, u'a'), 18}, {u"aaaaa", 34}}, 52},
      {u"ab\r\ncd\ref\ngh", 0, {{u"ab", 2}, {u"cd", 18}, {u"ef", 34}, {u"gh", 50}}, 68},
      {u"ab\r\n\r\ncd", 0, {{u"ab", 2}, {u"cd", 34}}, 52},
      {u"aa bb", -16, {{u"aa bb", 2}}, 1}, // lines a pixel high still end
  };
  for (const auto &c : cases) {
    TRecordingDeviceContext dc;
    TUnicodeDisplayer d = Displayer();
    d.SetInterlinearSpacing(c.interlinear);
    TRect drawn;
    d.DisplayAWideString(textcore::pra_screen, dc, drawn, {0, 0, 108, 200}, textcore::left_aligned,
                         true, false, false, c.text);
    std::vector<std::pair<String, int32_t>> got;
    for (const auto &t : dc.drawn) {
      got.emplace_back(t.text, t.y);
      EXPECT_EQ(t.x, 4) << "the rectangle loses an i each side";
    }
    const std::string name = textcore::StringToUTF8(c.text);
    EXPECT_EQ(got, c.lines) << name;
    TRect r{0, 10, 108, 0};
    d.ComputeRectHeightOfWideString(textcore::pra_screen, dc, 1000, r, textcore::left_aligned,
                                    c.text);
    EXPECT_EQ(r.Bottom, 10 + c.height) << name;
  }
  // The height stops at the maximum, and an empty text is one line high.
  TRecordingDeviceContext dc;
  TUnicodeDisplayer d = Displayer();
  TRect r{0, 0, 108, 0};
  d.ComputeRectHeightOfWideString(textcore::pra_screen, dc, 40, r, textcore::left_aligned,
                                  String(500, u'a'));
  EXPECT_EQ(r.Bottom, 40);
  d.ComputeRectHeightOfWideString(textcore::pra_screen, dc, 40, r, textcore::left_aligned, u"");
  EXPECT_EQ(r.Bottom, 20);
}

TEST(UnicodeDisplayer, ConcordanceLinesMeetAtTheCentreAndAskForMoreContext) {
  // A rectangle of 208 loses an i each side: the centre is at 104, 100 pixels of room each way.
  const struct {
    String text;
    int32_t midpoint;
    std::array<bool, 2> edges;
    int32_t height;
    bool result, bigger_rect, bigger_line;
    std::vector<std::tuple<String, int32_t, int32_t>> drawn; // text, x, y
  } cases[] = {
      {u"ab cd", 3, {false, false}, 16, false, true, false, {{u"ab ", 74, 0}, {u"cd", 104, 0}}},
      {u"ab cd", 3, {true, true}, 16, true, false, false, {{u"ab ", 74, 0}, {u"cd", 104, 0}}},
      {u"  ab cd  ", 5, {true, true}, 16, true, false, false, {{u"ab ", 74, 0}, {u"cd", 104, 0}}},
      // Two lines: the centre line moves up by half the font's height, the right context goes on
      // below it.
      {u"ab cd", 3, {true, true}, 32, true, false, false, {{u"ab ", 74, 0}, {u"cd", 104, 0}}},
      {u"ab cd", 3, {true, true}, 48, true, false, false, {{u"ab ", 74, 16}, {u"cd", 104, 16}}},
      // A context too long for its room keeps the text nearest the centre; the other one, at its
      // file's edge, asks for nothing.
      {String(30, u'x') + u" y",
       31,
       {false, true},
       16,
       true,
       false,
       true,
       {{String(9, u'x') + u" ", 4, 0}, {u"y", 104, 0}}},
      {String(30, u'x') + u" y",
       31,
       {false, false},
       16,
       false,
       true,
       true,
       {{String(9, u'x') + u" ", 4, 0}, {u"y", 104, 0}}},
      {u"aaaaaaaa bbbbbbbb cccccccccccccccccccccc dd",
       18,
       {false, true},
       32,
       true,
       false,
       true,
       {{u" bbbbbbbb ", 4, 0}, {u"cccccccccc", 104, 0}, {u"cccccccccccc dd", 4, 16}}},
  };
  for (const auto &c : cases) {
    TRecordingDeviceContext dc;
    TUnicodeDisplayer d = Displayer();
    d.at_file_edge = c.edges;
    const bool result =
        d.ConcordanceDisplayAWideString(textcore::pra_screen, dc, {0, 0, 208, c.height}, false,
                                        false, c.midpoint, u"", u"", c.text);
    const std::string name = textcore::StringToUTF8(c.text) + " " + std::to_string(c.height);
    EXPECT_EQ(result, c.result) << name;
    EXPECT_EQ(d.rect_bigger_than_conc_line, c.bigger_rect) << name;
    EXPECT_EQ(d.conc_line_bigger_than_rect, c.bigger_line) << name;
    std::vector<std::tuple<String, int32_t, int32_t>> got;
    for (const auto &t : dc.drawn)
      got.emplace_back(t.text, t.x, t.y);
    EXPECT_EQ(got, c.drawn) << name;
  }
  // An empty line draws nothing and leaves every flag but the reset ones.
  TRecordingDeviceContext dc;
  TUnicodeDisplayer d = Displayer();
  d.rect_bigger_than_conc_line = d.conc_line_bigger_than_rect = d.didnt_fit = true;
  d.letter_i_size = {7, 7};
  EXPECT_TRUE(d.ConcordanceDisplayAWideString(textcore::pra_screen, dc, {0, 0, 208, 16}, false,
                                              false, 0, u"", u"", u""));
  EXPECT_FALSE(d.rect_bigger_than_conc_line || d.conc_line_bigger_than_rect || d.didnt_fit);
  EXPECT_EQ(d.letter_i_size, (textcore::TSize{7, 7}));
  EXPECT_TRUE(dc.drawn.empty());
}

TEST(UnicodeDisplayer, ConcordanceColoursStartAtTheRealCentreAndCarryACutWord) {
  const struct {
    String text;
    int32_t midpoint, displacement;
    std::pair<int32_t, int32_t> run;
    std::vector<std::pair<String, int32_t>> drawn; // text, colour
  } cases[] = {
      // The centre is 3 + 2: the run on "bb" colours "bb", not the "cc" after it.
      {u"aaaa bb cc", 3, 2, {5, 7}, {{u"aaaa ", 0}, {u"bb ", kRed}, {u"cc", 0}}},
      // The run ends at the centre inside a word: the word's rest keeps its colours.
      {u"xx abcdef gh", 6, 0, {3, 6}, {{u"xx ", 0}, {u"abc", kRed}, {u"def ", kRed}, {u"gh", 0}}},
      {u"xx abc def", 6, 0, {3, 6}, {{u"xx ", 0}, {u"abc", kRed}, {u" def", 0}}},
  };
  for (const auto &c : cases) {
    textcore::TExtraFontList runs;
    runs.AddOne(ColourRun(c.run.first, c.run.second));
    TRecordingDeviceContext dc;
    TUnicodeDisplayer d = Displayer();
    d.SetExtraFontList(&runs);
    d.HorizontalConcDisplacement = c.displacement;
    d.at_file_edge = {true, true};
    d.ConcordanceDisplayAWideString(textcore::pra_screen, dc, {0, 0, 208, 16}, false, false,
                                    c.midpoint, u"", u"", c.text);
    std::vector<std::pair<String, int32_t>> got;
    for (const auto &t : dc.drawn)
      got.emplace_back(t.text, t.colour);
    EXPECT_EQ(got, c.drawn) << textcore::StringToUTF8(c.text);
  }
}

TEST(UnicodeDisplayer, RightToLeftChunksAreDrawnRightToLeftFromTheRight) {
  textcore::TExtraFontList runs;
  runs.AddOne(ColourRun(0, 4));
  TRecordingDeviceContext dc;
  TUnicodeDisplayer d = Displayer(true);
  d.SetExtraFontList(&runs);
  TRect drawn;
  // Hebrew, then a Latin phrase inside it: the pen starts at the right and meets the Latin words
  // from their far end.
  d.DisplayAWideString(textcore::pra_screen, dc, drawn, {0, 0, 200, 16}, textcore::right_aligned,
                       false, false, false, u"\u05D0\u05D1\u05D2 ab cd");
  std::vector<std::tuple<String, int32_t, bool>> got;
  for (const auto &t : dc.drawn)
    got.emplace_back(t.text, t.x, t.right_to_left);
  const std::vector<std::tuple<String, int32_t, bool>> want = {
      {u"\u05D0\u05D1\u05D2 ", 160, true}, {u"cd", 140, false}, {u"ab ", 110, false}};
  EXPECT_EQ(got, want);
  EXPECT_EQ(drawn, (TRect{110, 0, 200, 16}));
}

} // namespace
} // namespace unidisplay
