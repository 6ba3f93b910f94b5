// Reading back a list image; see mem_list_image.h.
#include "lists/mem_list_image.h"

#include <cstring>

namespace textcore {

namespace {

constexpr int64_t kWord = 4;

int32_t WordAt(std::span<const uint8_t> image, int64_t offset) {
  int32_t word;
  std::memcpy(&word, image.data() + offset, sizeof word);
  return word;
}

} // namespace

bool ReadMemListImage(std::span<const uint8_t> image, const TReadMemListRecord &ReadRecord) {
  if (static_cast<int64_t>(image.size()) < kWord)
    return false;
  const int64_t total = WordAt(image, 0);
  if (total < kWord || total > static_cast<int64_t>(image.size()))
    return false;
  // Sums in 64 bits: no record can make the position wrap round.
  for (int64_t pos = kWord; pos < total;) {
    if (total - pos < kWord || WordAt(image, pos) <= 0)
      return false;
    const int64_t taken = int64_t{ReadRecord(static_cast<int32_t>(pos))} + kWord;
    if (taken <= kWord || taken > total - pos)
      return false;
    pos += taken;
  }
  return true;
}

} // namespace textcore
