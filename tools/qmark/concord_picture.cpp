// The picture of a qmark concord run; see concord_picture.h.
#include "tools/qmark/concord_picture.h"

#include "definitions/base_and_highlight_colours.h"
#include "definitions/extra_font_list.h"
#include "fonts/display_chunks.h"
#include "fonts/qpainter_device_context.h"
#include "fonts/unicode_displayer.h"
#include "platform/exceptions.h"
#include "platform/qt_colours.h"
#include "platform/safe_file_writer.h"
#include "tools/qmark/qt_start.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>

#include <algorithm>
#include <cstring>
#include <memory>

namespace qmark {

using textcore::String;
using textcore::StringView;

namespace {

// A kept line: the three lengths and the two spans, then the units of left, hit and right.
constexpr size_t kHeaderWords = 7;

// Fixed, so that a picture comes out the same on every machine that has the font (Qt falls back
// on another for characters it lacks, Hebrew and Greek included).
const textcore::TDeviceFont kFont{u"DejaVu Sans", 16};
// Pixels above and below each line's text.
constexpr int32_t kPadding = 2;

// A line reads right to left when its hit's first word chunk is written right to left, as the
// displayer itself classifies the chunks it draws.
bool RightToLeft(StringView hit, textcore::LCID lcid) {
  const std::unique_ptr<unidisplay::TWordChunkList> chunks = unidisplay::BuildAWordList(hit, lcid);
  return chunks->Count() > 0 && chunks->Chunk(0).direction == 2;
}

textcore::TExtraFontRec RunOf(const textcore::colour_and_typeface_rec &scheme,
                              textcore::TQMcolourset role) {
  textcore::TExtraFontRec run;
  run.basics.colour_rec =
      textcore::GetBaseandHighlightColours(scheme, role, textcore::highlightcolour);
  run.basics.typeface = scheme.typefaces[role];
  return run;
}

} // namespace

ConcordPicture::ConcordPicture(const textcore::colour_and_typeface_rec &scheme, int32_t width,
                               textcore::LCID lcid)
    : fScheme(scheme), fWidth(std::clamp(width, kMinWidth, kMaxWidth)), fLCID(lcid) {}

void ConcordPicture::Format(const ConcordPictureLine &line, std::string &bytes) {
  const int32_t header[kHeaderWords] = {static_cast<int32_t>(line.left.size()),
                                        static_cast<int32_t>(line.hit.size()),
                                        static_cast<int32_t>(line.right.size()),
                                        line.sort_words[0].at,
                                        line.sort_words[0].length,
                                        line.sort_words[1].at,
                                        line.sort_words[1].length};
  bytes.append(reinterpret_cast<const char *>(header), sizeof header);
  for (StringView part : {line.left, line.hit, line.right})
    bytes.append(reinterpret_cast<const char *>(part.data()), part.size() * sizeof(char16_t));
}

void ConcordPicture::AddFormatted(std::string_view bytes) {
  if (static_cast<int64_t>(fLines.size()) < kMaxLines)
    fLines.emplace_back(bytes);
  ++fCount;
}

void ConcordPicture::Add(const ConcordPictureLine &line) {
  std::string bytes;
  if (static_cast<int64_t>(fLines.size()) < kMaxLines)
    Format(line, bytes);
  AddFormatted(bytes);
}

bool ConcordPicture::Save(const std::string &file, std::string &error) const {
  // Qt draws text only inside an application.
  std::unique_ptr<QGuiApplication> application;
  if (QCoreApplication::instance() == nullptr)
    application = StartQt(false);
  if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()) == nullptr) {
    error = "no picture can be drawn without a Qt application";
    return false;
  }

  using namespace textcore;
  const TMyCanvasColourRec base =
      GetBaseandHighlightColours(fScheme, normalcolour, highlightcolour);
  unidisplay::TUnicodeDisplayer displayer(fScheme.typefaces[normalcolour], base, false, fLCID);
  int32_t row = 0;
  {
    QImage probe(1, 1, QImage::Format_RGB32);
    unidisplay::TQPainterDeviceContext dc(probe);
    dc.SelectFont(kFont);
    displayer.Setup_TextMetrics(pra_clipboard, dc);
    row = displayer.HeightOfOneLine() + 2 * kPadding;
  }
  const auto drawn = static_cast<int32_t>(fLines.size());
  QImage image(fWidth, std::max(drawn, 1) * row, QImage::Format_RGB32);
  image.fill(ToQColor(displayer.BaseBackground()));
  {
    unidisplay::TQPainterDeviceContext dc(image);
    dc.SelectFont(kFont);
    TExtraFontList runs(base, fScheme.typefaces[normalcolour]);
    TExtraFontRec hit_run = RunOf(fScheme, centrehighlightedcolour);
    std::array<TExtraFontRec, 2> sort_runs = {RunOf(fScheme, mainsortcolour),
                                              RunOf(fScheme, secondsortcolour)};
    String text;
    for (int32_t i = 0; i < drawn; ++i) {
      const std::string &bytes = fLines[static_cast<size_t>(i)];
      int32_t header[kHeaderWords];
      std::memcpy(header, bytes.data(), sizeof header);
      text.resize((bytes.size() - sizeof header) / sizeof(char16_t));
      std::memcpy(text.data(), bytes.data() + sizeof header, text.size() * sizeof(char16_t));
      // Line ends, tabs and control characters show as spaces, as in the text output, so that
      // the context reads on across them and every character keeps its place for the runs.
      for (char16_t &c : text)
        if (c < 0x20 || c == 0x7F || c == 0x2028 || c == 0x2029)
          c = u' ';
      const int32_t left = header[0];
      const int32_t hit = header[1];
      // Later runs win where they overlap: the second sort word, the main one, then the hit.
      runs.Clear();
      for (int k = 1; k >= 0; --k) {
        const int32_t at = header[3 + 2 * k];
        const int32_t length = header[4 + 2 * k];
        if (length <= 0)
          continue;
        sort_runs[static_cast<size_t>(k)].basics.switch_on_at_char = at;
        sort_runs[static_cast<size_t>(k)].basics.switch_off_at_char = at + length;
        runs.AddOne(sort_runs[static_cast<size_t>(k)]);
      }
      hit_run.basics.switch_on_at_char = left;
      hit_run.basics.switch_off_at_char = left + hit;
      runs.AddOne(hit_run);
      displayer.SetExtraFontList(&runs);
      displayer.Bidi = RightToLeft(
          StringView(text).substr(static_cast<size_t>(left), static_cast<size_t>(hit)), fLCID);
      // The context shown is all the line has: never ask for more.
      displayer.at_file_edge = {true, true};
      const TRect rect{0, i * row, fWidth, (i + 1) * row};
      displayer.ConcordanceDisplayAWideString(pra_clipboard, dc, rect, false, false, left, u"", u"",
                                              text);
    }
    displayer.SetExtraFontList(nullptr);
  }

  // Encoded in memory, then written beside the file and renamed over it: a picture that cannot
  // be written whole leaves what was there.
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) {
    error = "cannot encode the picture";
    return false;
  }
  try {
    TSafeFileWriter out(UTF8ToString(file));
    out.WriteBuffer(png.constData(), png.size());
    out.Commit();
  } catch (const Exception &e) {
    error = StringToUTF8(e.Message());
    return false;
  }
  return true;
}

} // namespace qmark
