// Colour-change positions and word chunks.
#include "fonts/display_chunks.h"

#include "platform/nls_char_types.h"

#include <algorithm>

namespace unidisplay {

void TChangeColourList::Clear() {
  std::fill(fPositions.begin(), fPositions.end(), TChangeColourRec{});
  fstarts_at = 0;
}

void TChangeColourList::InitialiseAndClear(int32_t ALength) {
  fPositions.assign(static_cast<size_t>(std::max(ALength, 0)) + 1, TChangeColourRec{});
}

bool TChangeColourList::MarkRuns(const textcore::TExtraFontList &runs, int32_t length,
                                 int32_t offset) {
  Clear();
  fstarts_at = offset;
  bool marked = false;
  for (int32_t k = 0; k < runs.Count(); ++k) {
    const textcore::TExtraFontRec run = runs.GetAFontFrec(k);
    if (run.basics.switch_off_at_char < 0)
      continue; // a run without an end colours nothing here
    const int64_t on = int64_t{run.basics.switch_on_at_char} - offset;
    const int64_t off = int64_t{run.basics.switch_off_at_char} - offset;
    if (off < 0 || on >= off || on >= length)
      continue;
    if (!marked)
      InitialiseAndClear(length);
    marked = true;
    for (int64_t i = std::max<int64_t>(on, 0); i < std::min<int64_t>(off, int64_t{length} + 1); ++i)
      fPositions[static_cast<size_t>(i)] = {switch_on, k + 1};
    if (off <= length)
      fPositions[static_cast<size_t>(off)].switch_ = switch_off;
  }
  return marked;
}

void TWordChunkList::Add(const TWordChunk &chunk) {
  fChunks.push_back(std::make_unique<TWordChunkHolder>(TWordChunkHolder{chunk}));
}

std::unique_ptr<TWordChunkList> BuildAWordList(textcore::StringView text, textcore::LCID lcid) {
  auto chunks = std::make_unique<TWordChunkList>();
  const int32_t length = static_cast<int32_t>(text.size());
  if (length == 0)
    return chunks;
  std::vector<uint16_t> types(text.size());
  if (!textcore::GetStringTypeExW(lcid, textcore::CT_CTYPE2, text.data(), length, types.data()))
    std::fill(types.begin(), types.end(), textcore::C2_LEFTTORIGHT);
  bool in_word = false;
  int32_t start = 0;
  int16_t direction = 1;
  for (int32_t i = 0; i < length; ++i) {
    switch (types[static_cast<size_t>(i)]) {
    case textcore::C2_LEFTTORIGHT:
    case textcore::C2_RIGHTTOLEFT:
      in_word = true;
      direction = static_cast<int16_t>(types[static_cast<size_t>(i)]);
      break;
    case textcore::C2_EUROPENUMBER:
    case textcore::C2_EUROPESEPARATOR:
    case textcore::C2_EUROPETERMINATOR:
      in_word = true;
      direction = 1;
      break;
    case textcore::C2_ARABICNUMBER:
      in_word = true;
      direction = 2;
      break;
    case textcore::C2_NOTAPPLICABLE:
      break; // marks, joiners and surrogate halves go with what they follow
    default:
      if (in_word) {
        chunks->Add({start, i, direction});
        in_word = false;
        start = i + 1;
      }
    }
  }
  if (start <= length - 1)
    chunks->Add({start, length - 1, direction});
  return chunks;
}

} // namespace unidisplay
