// The Unicode displayer; see unicode_displayer.h.
#include "fonts/unicode_displayer.h"

#include "colour/colour_utils.h"
#include "definitions/base_and_highlight_colours.h"
#include "platform/nls_char_types.h"
#include "platform/ui_services.h"
#include "platform/utf.h"
#include "strings/text_extent.h"
#include "strings/wide_buffers.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace unidisplay {

using textcore::String;
using textcore::StringView;
using textcore::TDeviceContext;
using textcore::TRect;
using textcore::TSize;

namespace {

// Text as it is drawn (tabs expanded, blanks trimmed), each character keeping the index it has in
// the caller's text, where the runs point.
struct TShownText {
  String text;
  std::vector<int32_t> source;
};

} // namespace

struct TUnicodeDisplayer::TLinePaint {
  const TShownText *shown = nullptr;
  bool colours = false; // chunks take the colours of their runs
  bool highlighted = false;
  // The first chunk continues the word the concordance centre cut, in the colours it had.
  bool carry_first = false;
  TRect area;
};

namespace {

constexpr int32_t kStripColour = 0x800080; // purple: the mark of a line cut short
constexpr int16_t kLeftToRight = 1;
constexpr int16_t kRightToLeft = 2;

// Units drawn on the character before them: combining marks, the joiners and variation
// selectors. A line is never cut before one.
bool IsAttached(char16_t c) {
  if (c == 0x200C || c == 0x200D || (c >= 0xFE00 && c <= 0xFE0F))
    return true;
  const textcore::TUnicodeCategory category = textcore::UnicodeCategoryOf(c);
  return category == textcore::ucMn || category == textcore::ucMe || category == textcore::ucMc;
}

// Past the character at p (a whole surrogate pair) and the marks on it.
const char16_t *NextCharacterEnd(const char16_t *p, const char16_t *end) {
  if (p >= end)
    return end;
  p += textcore::IsHighSurrogate(*p) && p + 1 < end && textcore::IsLowSurrogate(p[1]) ? 2 : 1;
  while (p < end && IsAttached(*p))
    ++p;
  return p;
}

// The start of the character (with its marks) that ends at p.
const char16_t *PreviousCharacterStart(const char16_t *p, const char16_t *begin) {
  while (p > begin) {
    --p;
    if (textcore::IsLowSurrogate(*p) && p > begin && textcore::IsHighSurrogate(p[-1]))
      --p;
    if (!IsAttached(*p))
      break;
  }
  return p;
}

// The end of the line that starts at from: its first CR or LF, or the end of the text.
const char16_t *LineEnd(const char16_t *from, const char16_t *end) {
  while (from < end && *from != u'\r' && *from != u'\n')
    ++from;
  return from;
}

// Where the next line starts after the line break at p: CR LF counts as one break.
const char16_t *PastLineBreak(const char16_t *p, const char16_t *end) {
  if (p < end && *p == u'\r')
    ++p;
  else if (p < end && *p == u'\n')
    return p + 1;
  if (p < end && *p == u'\n')
    ++p;
  return p;
}

int32_t WidthOf(TDeviceContext &dc, const char16_t *start, const char16_t *finish) {
  return textcore::GetTextExtentW(&dc, start, static_cast<int32_t>(finish - start)).cx;
}

// "No colour pending": every byte of the record set, tested before any of it is taken for a
// colour (all ones would read as a system colour).
textcore::TExtraFontRec AllOnes() {
  std::array<unsigned char, sizeof(textcore::TExtraFontRec)> bytes;
  bytes.fill(0xFF);
  return std::bit_cast<textcore::TExtraFontRec>(bytes);
}

bool IsAllOnes(const textcore::TExtraFontRec &rec) {
  const textcore::TExtraFontRec ones = AllOnes();
  return std::memcmp(&rec, &ones, sizeof rec) == 0;
}

// The chunks in the order the pen meets them: in the line's direction, except that each stretch
// of chunks written the other way is met from its far end.
std::vector<int32_t> PenOrder(const TWordChunkList &chunks, int32_t count, int16_t line_direction) {
  std::vector<int32_t> order;
  order.reserve(static_cast<size_t>(count));
  for (int32_t i = 0; i < count;) {
    int32_t j = i;
    while (j < count && chunks.Chunk(j).direction != line_direction)
      ++j;
    if (j == i) {
      order.push_back(i++);
      continue;
    }
    for (int32_t k = j - 1; k >= i; --k)
      order.push_back(k);
    i = j;
  }
  return order;
}

} // namespace

textcore::TMyCanvasColourRec WindowsColours(int32_t a, int32_t b, int32_t c, int32_t d) {
  return {textcore::MyColourToRGB(a), textcore::MyColourToRGB(b), textcore::MyColourToRGB(c),
          textcore::MyColourToRGB(d)};
}

TUnicodeDisplayer::TUnicodeDisplayer(textcore::typeface_set_type ATypeface,
                                     const textcore::TMyCanvasColourRec &ADefaultColours,
                                     bool ABidi, textcore::LCID anLCID)
    : Bidi(ABidi), fLCID(anLCID), fdefaultcolours(ADefaultColours), foriginal_typeface(ATypeface) {
  fConcLastColour = AllOnes();
  CheckTheColours();
}

// Colours ------------------------------------------------------------------------------------

void TUnicodeDisplayer::SetBaseColour(int32_t colour) {
  fdefaultcolours.default_colour = textcore::MyColourToRGB(colour);
  CheckTheColours();
}

void TUnicodeDisplayer::SetHighlightColour(int32_t colour) {
  fdefaultcolours.highlight_colour = textcore::MyColourToRGB(colour);
  CheckTheColours();
}

void TUnicodeDisplayer::SetBaseBackground(int32_t colour) {
  fdefaultcolours.default_background = textcore::MyColourToRGB(colour);
  CheckTheColours();
}

void TUnicodeDisplayer::SetHighlightBackground(int32_t colour) {
  fdefaultcolours.highlight_background = textcore::MyColourToRGB(colour);
  CheckTheColours();
}

void TUnicodeDisplayer::SetDefaultColours(const textcore::TMyCanvasColourRec &colours) {
  fdefaultcolours = WindowsColours(colours.default_colour, colours.highlight_colour,
                                   colours.default_background, colours.highlight_background);
  CheckTheColours();
}

void TUnicodeDisplayer::CheckTheColours() {
  textcore::ForceColoursToDiffer(fdefaultcolours.default_colour,
                                 fdefaultcolours.default_background);
  if (fdefaultcolours.highlight_colour == fdefaultcolours.highlight_background) {
    fdefaultcolours.highlight_colour = textcore::SystemColour(textcore::COLOR_HIGHLIGHTTEXT);
    fdefaultcolours.highlight_background = textcore::SystemColour(textcore::COLOR_HIGHLIGHT);
  }
}

void TUnicodeDisplayer::ResetOriginalColour(TDeviceContext &anHDC, bool highlighted) const {
  anHDC.SetTextColour(textcore::MyColourToRGB(highlighted ? fdefaultcolours.highlight_colour
                                                          : fdefaultcolours.default_colour));
  anHDC.SetBackgroundColour(textcore::MyColourToRGB(
      highlighted ? fdefaultcolours.highlight_background : fdefaultcolours.default_background));
}

// Metrics ------------------------------------------------------------------------------------

void TUnicodeDisplayer::Setup_TextMetrics(textcore::TQMoutput fOutputting, TDeviceContext &anHDC) {
  fcolours_may_change = fExtraFontList != nullptr && fExtraFontList->Count() > 0 &&
                        !(textcore::IsPrinting(fOutputting) && fmonochrome_printing);
  ftravelling = go_forwards;
  ResetOriginalColour(anHDC, false);
  fTextMetric = anHDC.TextMetrics();
  fAveCharWidth = std::abs(fTextMetric.tmAveCharWidth);
  letter_i_size = textcore::GetTextExtentW(&anHDC, u"i", 1);
  if (letter_i_size == textcore::GetTextExtentW(&anHDC, u"m", 1))
    letter_i_size.cx /= 2; // fixed pitch: a full cell would waste room
}

int32_t TUnicodeDisplayer::HeightOfOneLine() const {
  return std::max(std::abs(fTextMetric.tmHeight) + fInterlinear_spacing, 1);
}

int32_t TUnicodeDisplayer::RectHeightInTextLines(const TRect &ARect) const {
  return ARect.Height() / HeightOfOneLine();
}

int32_t TUnicodeDisplayer::MeasuredTextPixelLength(TDeviceContext &anHDC, const char16_t *from,
                                                   int32_t chars) const {
  return textcore::GetTextExtentW(&anHDC, from, chars).cx;
}

void TUnicodeDisplayer::AssessDirectionAndStartPoint(int32_t &x, textcore::alignment_type alignment,
                                                     bool is_word_wrapped, bool from_centre,
                                                     const TRect &ARect, int32_t text_width) {
  const int32_t width = ARect.Width();
  const int32_t half = width / 2;
  const int32_t spare = width - text_width;
  const bool aligns = !is_word_wrapped && text_width < width;
  if (!Bidi) {
    x = from_centre ? ARect.Left + half : ARect.Left;
    if (aligns && alignment == textcore::centre_aligned)
      x += spare / 2;
    else if (aligns && (alignment == textcore::right_aligned ||
                        alignment == textcore::decimal_aligned || alignment == textcore::file_name))
      x += spare;
  } else {
    x = from_centre ? ARect.Right - half : ARect.Right;
    if (aligns && alignment == textcore::left_aligned)
      x -= spare;
    else if (aligns && alignment == textcore::centre_aligned)
      x -= spare / 2;
  }
  Initial_X_Position = x;
}

// Colour changes -----------------------------------------------------------------------------

bool TUnicodeDisplayer::GetWhetherColoursDoChange(StringView text, int32_t offset) {
  if (fExtraFontList == nullptr) {
    fColourChangePositions.Clear();
    fColourChangePositions.fstarts_at = offset;
    return false;
  }
  return fColourChangePositions.MarkRuns(*fExtraFontList, static_cast<int32_t>(text.size()),
                                         offset);
}

int32_t TUnicodeDisplayer::RunColouring(const TLinePaint &paint, int32_t first,
                                        int32_t last) const {
  const std::vector<TChangeColourRec> &positions = fColourChangePositions.fpositions();
  for (int32_t i = last; i >= first; --i) {
    const int32_t source = paint.shown->source[static_cast<size_t>(i)];
    if (source >= 0 && static_cast<size_t>(source) < positions.size() &&
        positions[static_cast<size_t>(source)].switch_ == switch_on)
      return positions[static_cast<size_t>(source)].extrafont_num;
  }
  return 0;
}

// Cropping and lines -------------------------------------------------------------------------

void TUnicodeDisplayer::CroppedLinePositions(TDeviceContext &anHDC, int32_t full_width,
                                             TCropRec &crop, bool at_word_boundary,
                                             const char16_t *finish, const char16_t *start,
                                             int32_t target_width) {
  const char16_t *s = start;
  const char16_t *f = finish;
  int64_t width = full_width;
  const int64_t target = target_width;
  if (ftravelling == go_backwards) {
    while (f - s > 50 && 2 * target < width) {
      for (int k = 0; k < 20; ++k)
        s = NextCharacterEnd(s, f);
      width = WidthOf(anHDC, s, f);
    }
    while (width > target && s < f) {
      s = NextCharacterEnd(s, f);
      width = WidthOf(anHDC, s, f);
    }
    if (at_word_boundary)
      while (f - s > 20 && *s > u' ')
        s = NextCharacterEnd(s, f);
  } else {
    while (f - s > 50 && width > 2 * target) {
      for (int k = 0; k < 20; ++k)
        f = PreviousCharacterStart(f, s);
      width = WidthOf(anHDC, s, f);
    }
    while (width > target && f > s) {
      f = PreviousCharacterStart(f, s);
      width = WidthOf(anHDC, s, f);
    }
    if (at_word_boundary)
      while (f - s > 20 && f[-1] > u' ')
        f = PreviousCharacterStart(f, s);
  }
  crop.start = s;
  crop.finish = f;
  crop.cropped_pixel_size = textcore::GetTextExtentW(&anHDC, s, static_cast<int32_t>(f - s));
  crop.cropped_pixel_size.cy += fInterlinear_spacing;
}

bool TUnicodeDisplayer::ConcordBuildAListOfLines(TDeviceContext &anHDC, TLineChunkList &lines,
                                                 const char16_t *text, int32_t length,
                                                 int32_t maximum_lines, int32_t first_width,
                                                 int32_t width) {
  lines.Clear();
  const char16_t *const begin = text;
  const char16_t *const end = text + std::max(length, 0);
  const char16_t *from = begin; // the text still to place is from..to
  const char16_t *to = end;
  for (int32_t i = 0; i < maximum_lines && from < to; ++i) {
    const int32_t line_width = i == 0 ? first_width : width;
    const int32_t full = WidthOf(anHDC, from, to);
    if (full <= line_width) {
      lines.Add({static_cast<int32_t>(from - begin), static_cast<int32_t>(to - begin) - 1, 1});
      return true;
    }
    TCropRec crop;
    CroppedLinePositions(anHDC, full, crop, true, to, from, line_width);
    if (ftravelling == go_forwards) {
      // Not even one character fits: it takes the line anyway, so that the text moves on.
      const char16_t *kept = crop.finish > from ? crop.finish : NextCharacterEnd(from, to);
      lines.Add({static_cast<int32_t>(from - begin), static_cast<int32_t>(kept - begin) - 1, 1});
      from = kept;
      while (from < to && *from <= u' ')
        ++from;
    } else {
      const char16_t *kept = crop.start < to ? crop.start : PreviousCharacterStart(to, from);
      lines.Add({static_cast<int32_t>(kept - begin), static_cast<int32_t>(to - begin) - 1, 1});
      to = kept;
      while (to > from && to[-1] <= u' ')
        --to;
    }
  }
  return from >= to;
}

// Drawing ------------------------------------------------------------------------------------

void TUnicodeDisplayer::DrawRun(TDeviceContext &anHDC, const TLinePaint &paint,
                                const char16_t *start, int32_t length, int16_t direction,
                                int32_t width, int32_t y, int32_t run) {
  const textcore::TExtraFontRec *colours = nullptr;
  textcore::TExtraFontRec rec;
  if (run > 0 && fExtraFontList != nullptr) {
    rec = fExtraFontList->GetAFontFrec(run - 1);
    colours = &rec;
  } else if (run < 0 && !IsAllOnes(fConcLastColour)) {
    colours = &fConcLastColour;
  }
  if (colours != nullptr) {
    const textcore::TMyCanvasColourRec &c = colours->basics.colour_rec;
    anHDC.SetTextColour(
        textcore::MyColourToRGB(paint.highlighted ? c.highlight_colour : c.default_colour));
    anHDC.SetBackgroundColour(
        textcore::MyColourToRGB(paint.highlighted ? c.highlight_background : c.default_background));
  }
  if (Bidi)
    x_position -= width;
  if (!fjust_measuring) {
    const StringView text(start, static_cast<size_t>(length));
    if (direction == kRightToLeft)
      anHDC.TextOutRightToLeft(x_position, y, text);
    else
      anHDC.TextOut(x_position, y, text);
  }
  if (!Bidi)
    x_position += width;
  if (colours != nullptr)
    ResetOriginalColour(anHDC, paint.highlighted);
}

const char16_t *TUnicodeDisplayer::DisplayOneWideLine(TDeviceContext &anHDC,
                                                      const TLinePaint &paint,
                                                      const char16_t *start, const char16_t *finish,
                                                      int32_t y, bool is_word_wrapped) {
  if (start >= finish)
    return nullptr;
  const char16_t *const base = paint.shown->text.data();
  const int32_t offset = static_cast<int32_t>(start - base);
  const auto chunks = BuildAWordList(StringView(start, static_cast<size_t>(finish - start)), fLCID);
  const int32_t count = chunks->Count();
  std::vector<int32_t> widths(static_cast<size_t>(count));
  for (int32_t i = 0; i < count; ++i) {
    const TWordChunk &c = chunks->Chunk(i);
    widths[static_cast<size_t>(i)] = WidthOf(anHDC, start + c.starts, start + c.ends + 1);
  }
  const int16_t line_direction = Bidi ? kRightToLeft : kLeftToRight;

  // A single line has been cropped to its room already and is drawn whole, clipped; a wrapped
  // line takes the chunks that fit.
  int32_t fit = count;
  int64_t total = 0;
  if (is_word_wrapped) {
    const int64_t room =
        Bidi ? int64_t{x_position} - paint.area.Left : int64_t{paint.area.Right} - x_position;
    fit = 0;
    while (fit < count && total + widths[static_cast<size_t>(fit)] <= room)
      total += widths[static_cast<size_t>(fit++)];
    if (fit == 0) {
      // A word wider than the line is broken after the last whole character that fits (at least
      // one), so that every line moves the text on.
      const TWordChunk &c = chunks->Chunk(0);
      const char16_t *word_end = start + c.ends + 1;
      std::vector<int32_t> extents(static_cast<size_t>(word_end - start));
      anHDC.PartialExtents(StringView(start, extents.size()), extents);
      const char16_t *kept = NextCharacterEnd(start, word_end);
      for (const char16_t *next = kept; next < word_end;) {
        next = NextCharacterEnd(next, word_end);
        if (extents[static_cast<size_t>(next - start) - 1] > room)
          break;
        kept = next;
      }
      const int32_t run =
          paint.colours ? RunColouring(paint, offset, offset + int32_t(kept - start) - 1) : 0;
      DrawRun(anHDC, paint, start, static_cast<int32_t>(kept - start), c.direction,
              WidthOf(anHDC, start, kept), y, paint.carry_first && run == 0 ? -1 : run);
      return kept;
    }
  }

  if (paint.colours) {
    for (const int32_t i : PenOrder(*chunks, fit, line_direction)) {
      const TWordChunk &c = chunks->Chunk(i);
      int32_t run = RunColouring(paint, offset + c.starts, offset + c.ends);
      if (run == 0 && i == 0 && paint.carry_first)
        run = -1;
      DrawRun(anHDC, paint, start + c.starts, c.ends - c.starts + 1, c.direction,
              widths[static_cast<size_t>(i)], y, run);
    }
  } else if (fit > 0) {
    const char16_t *drawn_end = start + chunks->Chunk(fit - 1).ends + 1;
    DrawRun(anHDC, paint, start, static_cast<int32_t>(drawn_end - start), line_direction,
            WidthOf(anHDC, start, drawn_end), y, 0);
  }
  if (!is_word_wrapped || fit >= count)
    return nullptr;
  const char16_t *next = start + chunks->Chunk(fit).starts;
  while (next < finish && *next == u' ')
    ++next;
  return next;
}

void TUnicodeDisplayer::DrawWrappedLines(TDeviceContext &anHDC, const TLinePaint &paint,
                                         const TRect &area, int32_t y, int32_t bottom,
                                         int32_t &lines) {
  const char16_t *pos = paint.shown->text.data();
  const char16_t *const end = pos + paint.shown->text.size();
  const int32_t line_height = HeightOfOneLine();
  while (pos < end && y < bottom) {
    const char16_t *paragraph_end = LineEnd(pos, end);
    AssessDirectionAndStartPoint(x_position, textcore::left_aligned, true, false, area, 0);
    const char16_t *next = DisplayOneWideLine(anHDC, paint, pos, paragraph_end, y, true);
    ++lines;
    y += line_height;
    pos = next != nullptr && next < paragraph_end ? next : PastLineBreak(paragraph_end, end);
  }
}

void TUnicodeDisplayer::DrawSingleLine(TDeviceContext &anHDC, const TLinePaint &paint,
                                       TRect &result, const TRect &ARect,
                                       textcore::alignment_type alignment) {
  const char16_t *start = paint.shown->text.data();
  const char16_t *finish = LineEnd(start, start + paint.shown->text.size());
  const TSize size = textcore::GetTextExtentW(&anHDC, start, static_cast<int32_t>(finish - start));
  displayed_size = {size.cx, size.cy + fInterlinear_spacing};
  TLinePaint line = paint;
  line.area = ARect;
  int32_t kept_width = size.cx;
  didnt_fit = ARect.Width() < size.cx;
  if (didnt_fit) {
    const bool keep_end = alignment == textcore::right_aligned ||
                          alignment == textcore::decimal_aligned ||
                          alignment == textcore::file_name;
    // The strip marks the edge where text was cut off: the end of a line kept from its start,
    // the start of one kept to its end; a right-to-left line starts at the right.
    const bool strip_at_right = keep_end == Bidi;
    const int32_t strip_width = std::max(letter_i_size.cx, 1);
    const int32_t strip_top = ARect.Top + 1;
    TRect strip{ARect.Left, strip_top, ARect.Left + strip_width,
                std::min(ARect.Bottom, strip_top + HeightOfOneLine())};
    if (strip_at_right) {
      strip.Left = ARect.Right - strip_width;
      strip.Right = ARect.Right;
      line.area.Right = strip.Left;
    } else {
      line.area.Left = strip.Right;
    }
    ftravelling = keep_end ? go_backwards : go_forwards;
    TCropRec crop;
    CroppedLinePositions(anHDC, size.cx, crop, false, finish, start, line.area.Width());
    start = crop.start;
    finish = crop.finish;
    kept_width = crop.cropped_pixel_size.cx;
    if (!fjust_measuring) {
      anHDC.SetBrushColour(kStripColour);
      anHDC.FillRect(strip);
    }
  }
  AssessDirectionAndStartPoint(x_position, alignment, false, false, line.area, kept_width);
  DisplayOneWideLine(anHDC, line, start, finish, ARect.Top + 1, false);
  result = {std::min(Initial_X_Position, x_position), ARect.Top,
            std::max(Initial_X_Position, x_position), ARect.Top + displayed_size.cy};
}

void TUnicodeDisplayer::FinishDisplay(TDeviceContext &anHDC) {
  if (!fjust_measuring)
    anHDC.ClearClipRect();
  ResetOriginalColour(anHDC, false);
  ftravelling = go_forwards;
  fjust_measuring = false;
}

namespace {

// text with every TAB made spaces.
TShownText ExpandWithIndex(StringView text, int32_t tab_spaces) {
  TShownText shown{textcore::ExpandTabbedWideString(text, tab_spaces), {}};
  shown.source.reserve(shown.text.size());
  const int32_t per_tab = std::max(tab_spaces, 0);
  for (size_t i = 0; i < text.size(); ++i)
    shown.source.insert(shown.source.end(), text[i] == u'\t' ? per_tab : 1,
                        static_cast<int32_t>(i));
  return shown;
}

TRect Narrowed(const TRect &rect, int32_t by) {
  return {rect.Left + by, rect.Top, rect.Right - by, rect.Bottom};
}

} // namespace

void TUnicodeDisplayer::DisplayAWideString(textcore::TQMoutput fOutputting, TDeviceContext &anHDC,
                                           TRect &result, const TRect &ARect,
                                           textcore::alignment_type alignment, bool is_word_wrapped,
                                           bool is_highlighted, bool just_measuring,
                                           StringView source_wide) {
  didnt_fit = false;
  result = {ARect.Left, ARect.Top, ARect.Left, ARect.Top};
  if (source_wide.empty())
    return;
  const TShownText shown = ExpandWithIndex(source_wide, FTabSpaces);
  fjust_measuring = just_measuring;
  Setup_TextMetrics(fOutputting, anHDC);
  ResetOriginalColour(anHDC, is_highlighted);
  TLinePaint paint;
  paint.shown = &shown;
  paint.highlighted = is_highlighted;
  paint.colours = fcolours_may_change && GetWhetherColoursDoChange(source_wide, 0);
  if (!just_measuring)
    anHDC.SetClipRect(ARect);
  if (!is_word_wrapped) {
    DrawSingleLine(anHDC, paint, result, ARect, alignment);
  } else {
    paint.area = Narrowed(ARect, letter_i_size.cx);
    int32_t lines = 0;
    const int32_t top = ARect.Top + 2;
    DrawWrappedLines(anHDC, paint, paint.area, top, ARect.Bottom, lines);
    displayed_size = {paint.area.Width(), lines * HeightOfOneLine()};
    result = {ARect.Left, ARect.Top, ARect.Right,
              std::min(ARect.Bottom, top + lines * HeightOfOneLine())};
  }
  FinishDisplay(anHDC);
}

void TUnicodeDisplayer::ComputeRectHeightOfWideString(textcore::TQMoutput fOutputting,
                                                      TDeviceContext &anHDC, int32_t maximum_height,
                                                      TRect &ARect, textcore::alignment_type,
                                                      StringView source_wide) {
  const TShownText shown = ExpandWithIndex(source_wide, FTabSpaces);
  fjust_measuring = true;
  Setup_TextMetrics(fOutputting, anHDC);
  displayed_size =
      textcore::GetTextExtentW(&anHDC, shown.text.data(), static_cast<int32_t>(shown.text.size()));
  TLinePaint paint;
  paint.shown = &shown;
  paint.area = Narrowed(ARect, letter_i_size.cx);
  const int32_t line_height = HeightOfOneLine();
  int32_t lines = 0;
  // Lines past the maximum height change nothing, so counting stops there.
  DrawWrappedLines(anHDC, paint, paint.area, 0, std::max(maximum_height, 0), lines);
  const int64_t height = int64_t{std::max(lines, 1)} * line_height + line_height / 4;
  ARect.Bottom = ARect.Top + static_cast<int32_t>(std::min<int64_t>(height, maximum_height));
  FinishDisplay(anHDC);
}

bool TUnicodeDisplayer::DrawConcordancePart(TDeviceContext &anHDC, const TLinePaint &paint,
                                            const TRect &ARect, const TRect &area, int32_t centre_x,
                                            int32_t centre_y) {
  const bool left_context = ftravelling == go_backwards;
  // The left context lies before the centre in reading order: to its left, or to its right on a
  // right-to-left display.
  const bool towards_left = left_context != Bidi;
  const int32_t first_width = towards_left ? centre_x - area.Left : area.Right - centre_x;
  const int32_t line_height = HeightOfOneLine();
  const int32_t rows_away = left_context ? (centre_y - ARect.Top) / line_height
                                         : (ARect.Bottom - centre_y - line_height) / line_height;
  const int32_t maximum_lines =
      std::min(ARect.Height() / 2 / line_height + 2, 1 + std::max(rows_away, 0));
  const char16_t *base = paint.shown->text.data();
  TLineChunkList lines;
  const bool fits =
      ConcordBuildAListOfLines(anHDC, lines, base, static_cast<int32_t>(paint.shown->text.size()),
                               maximum_lines, first_width, area.Width());
  for (int32_t i = 0; i < lines.Count(); ++i) {
    const TWordChunk &line = lines.Chunk(i);
    const char16_t *start = base + line.starts;
    const char16_t *finish = base + line.ends + 1;
    const int32_t width = WidthOf(anHDC, start, finish);
    // Line 0 meets the centre; the lines beyond it reach the rectangle's far edge.
    const int32_t edge = i == 0 ? centre_x : towards_left ? area.Right : area.Left;
    if (left_context)
      x_position = Bidi ? edge + width : edge - width;
    else
      x_position = edge;
    Initial_X_Position = x_position;
    TLinePaint one = paint;
    one.carry_first = paint.carry_first && i == 0;
    const int32_t y = left_context ? centre_y - i * line_height : centre_y + i * line_height;
    DisplayOneWideLine(anHDC, one, start, finish, y, false);
  }
  return fits;
}

bool TUnicodeDisplayer::ConcordanceDisplayAWideString(textcore::TQMoutput fOutputting,
                                                      TDeviceContext &anHDC, const TRect &ARect,
                                                      bool is_highlighted, bool just_measuring,
                                                      int32_t midpoint, StringView, StringView,
                                                      StringView source_wide) {
  rect_bigger_than_conc_line = false;
  conc_line_bigger_than_rect = false;
  didnt_fit = false;
  fconc_line_in_mid_word = false;
  if (source_wide.empty())
    return true;
  fjust_measuring = just_measuring;
  Setup_TextMetrics(fOutputting, anHDC);
  ResetOriginalColour(anHDC, is_highlighted);
  const TRect area = Narrowed(ARect, letter_i_size.cx);
  const int64_t length = static_cast<int64_t>(source_wide.size());
  const int32_t centre = static_cast<int32_t>(
      std::clamp<int64_t>(int64_t{midpoint} + HorizontalConcDisplacement, 0, length));
  const StringView left_text = source_wide.substr(0, static_cast<size_t>(centre));
  const StringView right_text = source_wide.substr(static_cast<size_t>(centre));
  const int32_t line_height = HeightOfOneLine();
  int32_t centre_y = ARect.Top + (ARect.Height() - line_height) / 2;
  const int32_t rows = RectHeightInTextLines(ARect);
  if (rows > 0 && rows % 2 == 0)
    centre_y -= std::abs(fTextMetric.tmHeight) / 2;
  const int32_t centre_x = area.Left + area.Width() / 2;
  if (!just_measuring)
    anHDC.SetClipRect(ARect);
  const uint16_t *ctype1 = textcore::CType1Table(fLCID);
  const auto is_letter = [ctype1](char16_t c) { return (ctype1[c] & textcore::C1_ALPHA) != 0; };

  // The left context, up to the centre.
  fconc_line_in_mid_word = !left_text.empty() && is_letter(left_text.back());
  fConcLastColour = AllOnes();
  TShownText left_shown = ExpandWithIndex(left_text, FTabSpaces);
  const size_t leading = left_shown.text.size() - textcore::TrimLeft(left_shown.text).size();
  left_shown.text.erase(0, leading);
  left_shown.source.erase(left_shown.source.begin(),
                          left_shown.source.begin() + static_cast<ptrdiff_t>(leading));
  TLinePaint paint;
  paint.shown = &left_shown;
  paint.highlighted = is_highlighted;
  paint.area = area;
  paint.colours = fcolours_may_change && GetWhetherColoursDoChange(left_text, 0);
  ftravelling = go_backwards;
  const bool left_fits = DrawConcordancePart(anHDC, paint, ARect, area, centre_x, centre_y);
  if (paint.colours && fconc_line_in_mid_word && !left_shown.text.empty()) {
    // The colours of the word the centre cuts, for its rest on the right.
    const auto words = BuildAWordList(left_shown.text, fLCID);
    const TWordChunk &last = words->Chunk(words->Count() - 1);
    if (const int32_t run = RunColouring(paint, last.starts, last.ends); run > 0)
      fConcLastColour = fExtraFontList->GetAFontFrec(run - 1);
  }

  // The right context, from the centre on; its runs are seen from the centre itself.
  fconc_line_in_mid_word =
      fconc_line_in_mid_word && !right_text.empty() && is_letter(right_text.front());
  const bool pending = fconc_line_in_mid_word && !IsAllOnes(fConcLastColour);
  TShownText right_shown = ExpandWithIndex(right_text, FTabSpaces);
  const size_t kept = textcore::TrimRight(right_shown.text).size();
  right_shown.text.resize(kept);
  right_shown.source.resize(kept);
  paint.shown = &right_shown;
  paint.colours = (fcolours_may_change && GetWhetherColoursDoChange(right_text, centre)) || pending;
  paint.carry_first = pending;
  ftravelling = go_forwards;
  const bool right_fits = DrawConcordancePart(anHDC, paint, ARect, area, centre_x, centre_y);

  rect_bigger_than_conc_line = (left_fits && !at_file_edge[0]) || (right_fits && !at_file_edge[1]);
  conc_line_bigger_than_rect = !(left_fits && right_fits);
  didnt_fit = conc_line_bigger_than_rect;
  FinishDisplay(anHDC);
  return !rect_bigger_than_conc_line;
}

} // namespace unidisplay
