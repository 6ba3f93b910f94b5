// The displayer on arbitrary text (lone surrogates, marks, joiners, CR and LF runs, right-to-left
// letters, words wider than the line) and rectangles: every mode ends, draws only what the text
// holds, inside the rectangle it was given, and the height it computes is within its bounds.
#include "fonts/unicode_displayer.h"
#include "fuzz/fuzz_check.h"

#include "definitions/extra_font_list.h"
#include "platform/device_context.h"

#include <cstdint>
#include <cstring>

using namespace textcore;
using namespace unidisplay;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  // Six bytes of settings, then the text's UTF-16 units.
  if (size < 6)
    return 0;
  const int32_t width = data[0] * 4 + 1;
  const int32_t height = data[1] + 1;
  const auto alignment = static_cast<alignment_type>(data[2] % 5);
  const bool bidi = (data[3] & 1) != 0;
  const int32_t spacing = static_cast<int8_t>(data[4]);
  const int32_t run_at = data[5] % 32;
  String text((size - 6) / 2, u'\0');
  std::memcpy(text.data(), data + 6, text.size() * 2);
  const auto length = static_cast<int32_t>(text.size());

  TExtraFontList runs(TMyCanvasColourRec{0, 0xFFFFFF, 0xFFFFFF, 0xFF}, {});
  runs.AddOne(run_at, run_at + 3);
  TUnicodeDisplayer displayer({}, TMyCanvasColourRec{0, 0xFFFFFF, 0xFFFFFF, 0xFF}, bidi, 1033);
  displayer.SetExtraFontList(&runs);
  displayer.SetInterlinearSpacing(spacing);
  FUZZ_CHECK(displayer.HeightOfOneLine() >= 1);

  const TRect rect{10, 20, 10 + width, 20 + height};
  THeadlessDeviceContext dc;
  TRect result;
  for (bool wrapped : {false, true})
    displayer.DisplayAWideString(pra_screen, dc, result, rect, alignment, wrapped, wrapped, false,
                                 text);
  displayer.ConcordanceDisplayAWideString(pra_screen, dc, rect, false, false, length / 2, u"", u"",
                                          text);
  size_t drawn_units = 0;
  for (const THeadlessDeviceContext::TDrawnText &drawn : dc.DrawnTexts())
    drawn_units += drawn.text.size();
  // Three displays of the text, each unit at most once (tabs become up to four spaces).
  FUZZ_CHECK(drawn_units <= 3 * 4 * text.size());

  TRect measured = rect;
  displayer.ComputeRectHeightOfWideString(pra_screen, dc, 1000, measured, alignment, text);
  FUZZ_CHECK(measured.Bottom > measured.Top);
  FUZZ_CHECK(measured.Bottom - measured.Top <= 1000);
  return 0;
}
