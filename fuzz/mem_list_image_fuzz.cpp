// List images from untrusted bytes, as another process may leave them in a map. The first byte
// chooses the record reader: an honest one that decodes string records within the image, or one
// that answers with numbers taken from the input. Either way the walk ends, hands out offsets
// inside the image in rising order, and says true only for an image its records fill exactly.
#include "fuzz/fuzz_check.h"
#include "lists/mem_list_image.h"

#include <cstdint>
#include <cstring>
#include <vector>

using namespace textcore;

namespace {

int32_t WordAt(const std::vector<uint8_t> &bytes, size_t at) {
  int32_t word = 0;
  if (at + 4 <= bytes.size())
    std::memcpy(&word, bytes.data() + at, 4);
  return word;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  if (size < 1)
    return 0;
  const bool honest = data[0] & 1;
  const std::vector<uint8_t> image(data + 1, data + size);
  const std::vector<uint8_t> answers(data, data + size);
  const int32_t total = WordAt(image, 0);
  int64_t last = 0, sum = 4;
  size_t calls = 0;
  const bool ok = ReadMemListImage(image, [&](int32_t offset) -> int32_t {
    FUZZ_CHECK(offset > last && offset >= 4 && int64_t{offset} + 4 <= total);
    FUZZ_CHECK(WordAt(image, static_cast<size_t>(offset)) > 0);
    last = offset;
    ++calls;
    int32_t taken;
    if (honest) {
      // A string record: its word is its size, then that many bytes less the word.
      const int32_t word = WordAt(image, static_cast<size_t>(offset));
      taken = int64_t{offset} + word <= total ? word - 4 : 0;
    } else {
      taken = WordAt(answers, 4 * calls);
    }
    sum += int64_t{taken} + 4;
    return taken;
  });
  FUZZ_CHECK(calls <= image.size() / 5 + 1);
  if (ok)
    FUZZ_CHECK(total >= 4 && static_cast<size_t>(total) <= image.size() && sum == total);
  return 0;
}
