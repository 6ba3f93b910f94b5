// Text measurement; see text_extent.h.
#include "strings/text_extent.h"

#include "platform/textcore_lifetime.h"

namespace textcore {

TGetTextExtentExPointW MyGetTextExtentExPointW = nullptr;

TSize GetTextExtentW(TDeviceContext *dc, const char16_t *p, int32_t n) {
  if (dc == nullptr || p == nullptr || n <= 0)
    return TSize{};
  return dc->TextExtent(StringView(p, static_cast<size_t>(n)));
}

void StartMyunicodenew() noexcept { MyGetTextExtentExPointW = GetTextExtentExPointW; }

void FinishMyunicodenew() noexcept { MyGetTextExtentExPointW = nullptr; }

TSize TextSizeOfString(TDeviceContext *dc, StringView s) {
  return GetTextExtentW(dc, s.data(), static_cast<int32_t>(s.size()));
}

int32_t TextWidthOfWideString(TDeviceContext *dc, StringView s) {
  return TextSizeOfString(dc, s).cx;
}

} // namespace textcore
