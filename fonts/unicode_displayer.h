// TUnicodeDisplayer: draws wide text into a rectangle of a device context (screen, clipboard
// picture, printer): one line cropped to fit, lines wrapped at word boundaries, or a concordance
// line split at its centre, with the runs of an extra-font list in their own colours.
//
// Text is drawn word chunk by word chunk (display_chunks.h) when colours change along it, else in
// as few calls as fit. Right-to-left chunks are laid out right to left; on a right-to-left display
// the pen starts at the right and moves left. Run positions always refer to the caller's text:
// tabs expanded, blanks trimmed and ends cropped on the way keep an index back to it, so a run
// colours the characters it names.
//
// Every loop makes progress: a word wider than the line is broken (wrapped text) or drawn clipped
// (a single line), so wrapping and the height computation always end, and a line is at least one
// pixel high.
#pragma once

#include "definitions/extra_font_list.h"
#include "definitions/grid_heading.h"
#include "definitions/qm_output.h"
#include "fonts/display_chunks.h"
#include "platform/device_context.h"
#include "platform/nls_locale_ids.h"
#include "platform/strings.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace unidisplay {

// The direction a line is kept in when it must be cropped: go_forwards keeps its beginning,
// go_backwards its end.
enum TForwardsBack : uint8_t { go_backwards, go_forwards };

// The kept part of a text, start up to (not including) finish, and its measured size.
struct TCropRec {
  const char16_t *start = nullptr;
  const char16_t *finish = nullptr;
  textcore::TSize cropped_pixel_size;
};

struct TPWideAndInteger {
  const char16_t *ended = nullptr;
  int32_t x_position = 0;
};

struct TSizeAndUsableChars {
  textcore::TSize size;
  int32_t usable_chars = 0;
};

// The four colours, each passed through MyColourToRGB.
textcore::TMyCanvasColourRec WindowsColours(int32_t a, int32_t b, int32_t c, int32_t d);

class TUnicodeDisplayer {
public:
  TUnicodeDisplayer(textcore::typeface_set_type ATypeface,
                    const textcore::TMyCanvasColourRec &ADefaultColours, bool ABidi,
                    textcore::LCID anLCID);

  // Colours -------------------------------------------------------------------------------------
  // Each setter resolves a system colour to its RGB value, then CheckTheColours.
  void SetBaseColour(int32_t colour);
  void SetHighlightColour(int32_t colour);
  void SetBaseBackground(int32_t colour);
  void SetHighlightBackground(int32_t colour);
  void SetDefaultColours(const textcore::TMyCanvasColourRec &colours);
  int32_t BaseColour() const { return fdefaultcolours.default_colour; }
  int32_t HighlightColour() const { return fdefaultcolours.highlight_colour; }
  int32_t BaseBackground() const { return fdefaultcolours.default_background; }
  int32_t HighlightBackground() const { return fdefaultcolours.highlight_background; }
  const textcore::TMyCanvasColourRec &DefaultColours() const { return fdefaultcolours; }
  // A text colour equal to its background would hide the text: the base pair becomes the
  // system's window text on window, the highlight pair its highlight text on highlight.
  void CheckTheColours();
  // The highlight pair or the base pair into the device context.
  void ResetOriginalColour(textcore::TDeviceContext &anHDC, bool highlighted) const;

  // Settings ------------------------------------------------------------------------------------
  textcore::typeface_set_type BaseTypeface() const { return foriginal_typeface; }
  void SetBaseTypeface(textcore::typeface_set_type typeface) { foriginal_typeface = typeface; }
  // The runs to colour; the list stays the caller's and may be null.
  const textcore::TExtraFontList *ExtraFontList() const { return fExtraFontList; }
  void SetExtraFontList(const textcore::TExtraFontList *list) { fExtraFontList = list; }
  int32_t InterlinearSpacing() const { return fInterlinear_spacing; }
  void SetInterlinearSpacing(int32_t pixels) { fInterlinear_spacing = pixels; }
  textcore::LCID LCID() const { return fLCID; }
  void SetLCID(textcore::LCID lcid) { fLCID = lcid; }
  bool MonoChrome_Printing() const { return fmonochrome_printing; }
  void SetMonoChrome_Printing(bool monochrome) { fmonochrome_printing = monochrome; }
  int32_t TabSpaces() const { return FTabSpaces; }
  // Spaces a TAB becomes; below 1 tabs are dropped.
  void SetTabSpaces(int32_t spaces) { FTabSpaces = spaces; }

  // Metrics -------------------------------------------------------------------------------------
  // Whether colours may change (runs to colour, and not monochrome printing), the base colours
  // into the context, the font's metric, its average character width and the size of "i" (half
  // as wide for a fixed-pitch font, where "i" is as wide as "m").
  void Setup_TextMetrics(textcore::TQMoutput fOutputting, textcore::TDeviceContext &anHDC);
  // The font's height plus the interlinear spacing, never below one pixel.
  int32_t HeightOfOneLine() const;
  int32_t RectHeightInTextLines(const textcore::TRect &ARect) const;
  int32_t MeasuredTextPixelLength(textcore::TDeviceContext &anHDC, const char16_t *from,
                                  int32_t chars) const;

  // The pen's starting x for a text text_width wide in ARect: from the left (or from the centre)
  // for left-to-right text, from the right (or the centre) for right-to-left text, moved by the
  // alignment when the text is not wrapped and is narrower than the rectangle. A right-to-left
  // centred text is placed as the mirror of a left-to-right one. Sets Initial_X_Position.
  void AssessDirectionAndStartPoint(int32_t &x, textcore::alignment_type alignment,
                                    bool is_word_wrapped, bool from_centre,
                                    const textcore::TRect &ARect, int32_t text_width);

  // Marks where the runs of the extra-font list switch colours along text, whose first character
  // is character offset of the whole line; true when some run touches it.
  bool GetWhetherColoursDoChange(textcore::StringView text, int32_t offset);

  // Crops start..finish (full_width wide) to target_width pixels, keeping its beginning
  // (ftravelling go_forwards) or its end (go_backwards); whole characters are dropped, marks with
  // their base. With at_word_boundary a cut word is dropped as well, while more than 20
  // characters remain.
  void CroppedLinePositions(textcore::TDeviceContext &anHDC, int32_t full_width, TCropRec &crop,
                            bool at_word_boundary, const char16_t *finish, const char16_t *start,
                            int32_t target_width);

  // Breaks text into at most maximum_lines lines, each chunk a line's first and last character:
  // the first line first_width wide, the others width wide, cropped at word boundaries and
  // keeping the text nearest the start (go_forwards) or the end (go_backwards); line 0 is the one
  // nearest it. True when the text ran out on a line that held it whole.
  bool ConcordBuildAListOfLines(textcore::TDeviceContext &anHDC, TLineChunkList &lines,
                                const char16_t *text, int32_t length, int32_t maximum_lines,
                                int32_t first_width, int32_t width);

  // One line or wrapped lines of source_wide in ARect; result gets the area drawn on.
  void DisplayAWideString(textcore::TQMoutput fOutputting, textcore::TDeviceContext &anHDC,
                          textcore::TRect &result, const textcore::TRect &ARect,
                          textcore::alignment_type alignment, bool is_word_wrapped,
                          bool is_highlighted, bool just_measuring,
                          textcore::StringView source_wide);

  // source_wide split at character midpoint + HorizontalConcDisplacement: the left context drawn
  // ending at the rectangle's centre (continuing on the lines above), the right context beginning
  // there (continuing below). False, with rect_bigger_than_conc_line, when a context ended on a
  // line with room to spare although its file goes on: the caller can supply more. source_prefix
  // and source_suffix are accepted for callers that keep them apart and are not drawn.
  bool ConcordanceDisplayAWideString(textcore::TQMoutput fOutputting,
                                     textcore::TDeviceContext &anHDC, const textcore::TRect &ARect,
                                     bool is_highlighted, bool just_measuring, int32_t midpoint,
                                     textcore::StringView source_suffix,
                                     textcore::StringView source_prefix,
                                     textcore::StringView source_wide);

  // The height source_wide takes wrapped in ARect's width: max(1, lines) line heights and a
  // quarter line, at most maximum_height, stored as ARect.Bottom (ARect.Top plus the height).
  void ComputeRectHeightOfWideString(textcore::TQMoutput fOutputting,
                                     textcore::TDeviceContext &anHDC, int32_t maximum_height,
                                     textcore::TRect &ARect, textcore::alignment_type alignment,
                                     textcore::StringView source_wide);

  // Results of the last display, and what the caller states before one.
  textcore::TSize displayed_size;
  textcore::TSize letter_i_size;
  bool rect_bigger_than_conc_line = false;
  bool conc_line_bigger_than_rect = false;
  bool didnt_fit = false;
  bool Bidi = false;
  // The left context begins at the start of its file; the right one ends at the end of its file.
  std::array<bool, 2> at_file_edge{};
  int32_t Initial_X_Position = 0;
  // How many characters the concordance centre lies to the right of the midpoint.
  int32_t HorizontalConcDisplacement = 0;
  // The pen while drawing.
  int32_t x_position = 0;

  const textcore::TTextMetric &TextMetric() const { return fTextMetric; }
  int32_t AveCharWidth() const { return fAveCharWidth; }
  bool ColoursMayChange() const { return fcolours_may_change; }
  bool ConcLineInMidWord() const { return fconc_line_in_mid_word; }
  const TChangeColourList &ColourChangePositions() const { return fColourChangePositions; }

private:
  struct TLinePaint; // what one line is drawn with

  const char16_t *DisplayOneWideLine(textcore::TDeviceContext &anHDC, const TLinePaint &paint,
                                     const char16_t *start, const char16_t *finish, int32_t y,
                                     bool is_word_wrapped);
  void DrawRun(textcore::TDeviceContext &anHDC, const TLinePaint &paint, const char16_t *start,
               int32_t length, int16_t direction, int32_t width, int32_t y, int32_t run);
  int32_t RunColouring(const TLinePaint &paint, int32_t first, int32_t last) const;
  void DrawWrappedLines(textcore::TDeviceContext &anHDC, const TLinePaint &paint,
                        const textcore::TRect &area, int32_t y, int32_t bottom, int32_t &lines);
  void DrawSingleLine(textcore::TDeviceContext &anHDC, const TLinePaint &paint,
                      textcore::TRect &result, const textcore::TRect &ARect,
                      textcore::alignment_type alignment);
  bool DrawConcordancePart(textcore::TDeviceContext &anHDC, const TLinePaint &paint,
                           const textcore::TRect &ARect, const textcore::TRect &area,
                           int32_t centre_x, int32_t centre_y);
  void FinishDisplay(textcore::TDeviceContext &anHDC);

  textcore::LCID fLCID;
  const textcore::TExtraFontList *fExtraFontList = nullptr;
  textcore::TTextMetric fTextMetric;
  TForwardsBack ftravelling = go_forwards;
  bool fconc_line_in_mid_word = false;
  bool fmonochrome_printing = false;
  bool fcolours_may_change = false;
  bool fjust_measuring = false;
  int32_t FTabSpaces = 4;
  int32_t fInterlinear_spacing = 0;
  int32_t fAveCharWidth = 0;
  // The colours last applied to the word the concordance centre cuts; all ones when none is
  // pending.
  textcore::TExtraFontRec fConcLastColour;
  textcore::TMyCanvasColourRec fdefaultcolours;
  TChangeColourList fColourChangePositions;
  textcore::typeface_set_type foriginal_typeface;
};

} // namespace unidisplay
