// The callback types shared by the lists, sorts and searches.
//
// "Bound" callbacks (a method of an object in the framework) are std::function; plain ones are
// function pointers. Comparisons return negative, zero or positive in the usual sense.
#pragma once

#include "platform/object.h"
#include "platform/strings.h"

#include <cstdint>
#include <functional>

namespace textcore {

// Bound --------------------------------------------------------------------------------------
using TYieldProcessProc = std::function<void()>;
using TMessageStringEvent = std::function<void(const String &aMessage)>;
using TProgressProc = std::function<void(int32_t percent)>;
using TBoolObjectEvent = std::function<bool(TObject *Sender)>;
using TBoolFunct = std::function<bool()>;
using TSeedFunct = std::function<void()>;
using TPointerOfObjectProc = std::function<void(void *a)>;
using TCompareFunctOfObject = std::function<int32_t(const void *a)>;
using TCompare2FunctOfObject = std::function<int32_t(const void *a, const void *b)>;
using TGetAWordAsStringFunct = std::function<String(int32_t word_number)>;

// Plain --------------------------------------------------------------------------------------
using TPointerProc = void (*)(void *a);
using TDeleteFunct = void (*)(void *a);
using TNewFunct = void *(*)(const void *a);
using TNewLenFunct = void *(*)(const void *a, int32_t len_in_chars);
using TAllocFunct = void *(*)(uint32_t a);
using TStrLenFunct = uint32_t (*)(const void *a);
using TStrLCopyFunct = void *(*)(void *Dest, const void *Source, uint32_t MaxLen);
using TCompareFunct = int32_t (*)(const void *a, const void *b);
using TCompareFunctInt = int32_t (*)(const void *a, const void *b);
using TCompareStringFunct = int32_t (*)(const String &a, const String &b);
using TCompareLCIDFunct = int32_t (*)(uint32_t fLCID, const void *a, const void *b);
using TCompareLCIDSensitiveFunct = int16_t (*)(uint32_t dwCmpFlags, uint32_t fLCID, const void *a,
                                               const void *b);
using TCompareLCIDBoundedFunct = int32_t (*)(uint32_t fLCID, const void *a, const void *b,
                                             bool at_start, bool at_end, bool is_number);

} // namespace textcore
