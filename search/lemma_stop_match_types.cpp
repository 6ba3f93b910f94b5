// The file message of a lemma, match, stop or relation list, and the tools' reload flag.
#include "search/lemma_stop_match_types.h"

#include "platform/format.h"

namespace textcore {

bool file_reload = false;

String LemmaMatchStopFileTypeStr(TLemmaMatchStopOptions option, StringView filename) {
  if (option >= LemmaMatchStopFiles.size())
    return String();
  return Format(LemmaMatchStopFiles[option].Text(), filename);
}

} // namespace textcore
