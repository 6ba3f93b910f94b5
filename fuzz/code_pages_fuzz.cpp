// Code-page conversion both ways: the first byte picks the code page, the second the flags.
#include "fuzz/fuzz_check.h"
#include "platform/nls_code_pages.h"

#include <cstdint>
#include <cstring>
#include <vector>

using namespace textcore;

namespace {

constexpr uint32_t kCodePages[] = {874,  932,  936,  949,  950,  1250, 1251, 1252, 1253,
                                   1254, 1255, 1256, 1257, 1258, 437,  850,  866,  65001};

// A size query and the conversion itself must agree, and neither may write past the buffer.
void ToWide(uint32_t code_page, uint32_t flags, const char *source, int32_t length) {
  const int32_t needed = MultiByteToWideChar(code_page, flags, source, length, nullptr, 0);
  if (needed <= 0)
    return;
  std::vector<char16_t> out(static_cast<size_t>(needed));
  FUZZ_CHECK(MultiByteToWideChar(code_page, flags, source, length, out.data(), needed) == needed);
  if (needed > 1) // one unit too few must fail, not truncate silently
    FUZZ_CHECK(MultiByteToWideChar(code_page, flags, source, length, out.data(), needed - 1) == 0);
}

void ToBytes(uint32_t code_page, uint32_t flags, const char16_t *source, int32_t length) {
  const int32_t needed =
      WideCharToMultiByte(code_page, flags, source, length, nullptr, 0, nullptr, nullptr);
  if (needed <= 0)
    return;
  std::vector<char> out(static_cast<size_t>(needed));
  FUZZ_CHECK(WideCharToMultiByte(code_page, flags, source, length, out.data(), needed, nullptr,
                                 nullptr) == needed);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  if (size < 2)
    return 0;
  const uint32_t code_page = kCodePages[data[0] % std::size(kCodePages)];
  const uint8_t choice = data[1];
  const char *text = reinterpret_cast<const char *>(data + 2);
  const auto length = static_cast<int32_t>(size - 2);

  const uint32_t mb_flags = code_page == 65001 ? (choice & 1 ? MB_ERR_INVALID_CHARS : 0)
                                               : (choice & 1 ? MB_ERR_INVALID_CHARS : 0) |
                                                     (choice & 2 ? MB_COMPOSITE : 0);
  ToWide(code_page, mb_flags, text, length);

  std::vector<char16_t> units(static_cast<size_t>(length) / 2);
  if (!units.empty())
    std::memcpy(units.data(), text, units.size() * 2);
  const uint32_t wc_flags = code_page == 65001 ? 0
                                               : (choice & 4 ? WC_COMPOSITECHECK : 0) |
                                                     (choice & 8 ? WC_NO_BEST_FIT_CHARS : 0);
  if (!units.empty())
    ToBytes(code_page, wc_flags, units.data(), static_cast<int32_t>(units.size()));

  // The whole-string forms: 8-bit text through a single-byte page and back keeps its length.
  const String wide = AnsiToString(std::string_view(text, static_cast<size_t>(length)), code_page);
  const AnsiString back = StringToAnsi(wide, code_page);
  if (code_page != 65001 && code_page != 932 && code_page != 936 && code_page != 949 &&
      code_page != 950)
    FUZZ_CHECK(back.size() == static_cast<size_t>(length));
  return 0;
}
