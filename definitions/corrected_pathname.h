// A folder or file name typed in a settings box, tidied.
#pragma once

#include "platform/strings.h"

namespace textcore {

// s without blanks and control characters at either end. A Windows drive name ('c:', from
// settings written there) gets the backslash after its colon: 'c:' gives 'c:\', 'c:data' gives
// 'c:\data'; after the colon either separator counts, so 'c:\data' and 'c:/data' stay as they
// are. Any other name is only trimmed.
String CorrectedPathname(StringView s);

} // namespace textcore
