// Word search with boundary tests. Every occurrence is tried, overlapping ones included.
#include "strings/word_positions.h"

#include "strings/word_rules.h"

namespace textcore {

namespace {

bool PassesBounds(StringView word, StringView text, size_t at, TMySearchFlags flags) {
  const auto first = static_cast<int32_t>(at + 1);
  const auto last = static_cast<int32_t>(at + word.size());
  return (!flags.Contains(myLeftBounded) || BoundedAtLeft(text, first, last)) &&
         (!flags.Contains(myRightBounded) || BoundedAtRight(text, first, last));
}

} // namespace

int32_t PosWordFoundIn(StringView word, StringView text, TMySearchFlags flags) {
  if (word.empty() || text.empty())
    return -1;
  for (size_t at = text.find(word); at != StringView::npos; at = text.find(word, at + 1))
    if (PassesBounds(word, text, at, flags))
      return static_cast<int32_t>(at + 1);
  return -1;
}

std::unique_ptr<TQMLongintList> PositionsWordFoundIn(StringView word, StringView text,
                                                     TMySearchFlags flags) {
  auto positions = std::make_unique<TQMLongintList>();
  if (word.empty() || text.empty())
    return positions;
  for (size_t at = text.find(word); at != StringView::npos; at = text.find(word, at + 1))
    if (PassesBounds(word, text, at, flags))
      positions->AddOne(static_cast<int32_t>(at + 1));
  return positions;
}

} // namespace textcore
