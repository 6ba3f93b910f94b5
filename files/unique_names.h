// New file names: a name that is taken gets a number before its extension, from a counter that
// all calls share, until no file has it.
#pragma once

#include "platform/strings.h"

#include <cstdint>

namespace textcore {

// Makes name the name of a file that does not exist yet; always true. A free name is left as it
// is. A taken one loses what follows the last "." of its file-name part (a name without a dot
// gets one first), and gets "_", the next value of the counter with at least three digits, and
// that extension again, until the name is free: report.txt becomes report_001.txt, then
// report_001_002.txt; readme becomes readme_001. (the dot stays). Only the file-name part is
// changed, whatever dots its folders have. The name is only free when tested: create the file
// exclusively. Yields once per name tried.
bool ForcedToBeNewFile(String &name);

// The counter's value (0 when the library is loaded; the next name takes one more), and setting
// it (a value below 0 is taken as 0). After 2147483647 it starts again at 1.
int32_t GetBatchFileStartNumber();
void SetBatchFileStartNumberTo(int32_t n);

} // namespace textcore
