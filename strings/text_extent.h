// Measuring wide text on a device context (platform/device_context.h): the size of a run of
// text, and the process-wide extended query that also tells how much of it fits in a width.
#pragma once

#include "platform/device_context.h"
#include "platform/strings.h"

#include <cstdint>

namespace textcore {

// The size of the first n units of p on dc: zero for n 0 (and for a null dc or p, or a negative n).
TSize GetTextExtentW(TDeviceContext *dc, const char16_t *p, int32_t n);

// The width and height of s on dc (zero for an empty string or a null dc), and its width.
TSize TextSizeOfString(TDeviceContext *dc, StringView s);
int32_t TextWidthOfWideString(TDeviceContext *dc, StringView s);

// The extended text-extent query, in GetTextExtentExPointW's terms.
using TGetTextExtentExPointW = bool (*)(TDeviceContext *dc, const char16_t *text, int32_t count,
                                        int32_t max_extent, int32_t *fit, int32_t *dx, TSize *size);
// The platform's query while the library is loaded, null before and after: callers check it.
extern TGetTextExtentExPointW MyGetTextExtentExPointW;

} // namespace textcore
