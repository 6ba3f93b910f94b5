// The structure procedure variables; constant-initialised, so they need no start-up code.
#include "search/buffer_matcher_sections.h"

namespace textcore {

void DoNothingAtTextSectionEnd(int32_t, int32_t) {}

constinit THandleTextSectionProc HandleSentenceEndProc = DoNothingAtTextSectionEnd;
constinit THandleTextSectionProc HandleParagraphEndProc = DoNothingAtTextSectionEnd;
constinit THandleTextSectionProc HandleHeadingEndProc = DoNothingAtTextSectionEnd;
constinit THandleTextSectionProc HandleSectionEndProc = DoNothingAtTextSectionEnd;

} // namespace textcore
