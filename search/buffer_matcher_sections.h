// The four procedure variables the buffer matcher calls when it meets the end of a sentence,
// paragraph, heading or section in the class array. Each starts out pointing at a procedure that
// does nothing; a client assigns its own to learn where units end. A null one is not called.
#pragma once

#include <cstdint>

namespace textcore {

// aNumber: the ordinal of the unit that ends; aEnds_at: the word position reached in it.
using THandleTextSectionProc = void (*)(int32_t aNumber, int32_t aEnds_at);

void DoNothingAtTextSectionEnd(int32_t aNumber, int32_t aEnds_at);

extern THandleTextSectionProc HandleSentenceEndProc;
extern THandleTextSectionProc HandleParagraphEndProc;
extern THandleTextSectionProc HandleHeadingEndProc;
extern THandleTextSectionProc HandleSectionEndProc;

} // namespace textcore
