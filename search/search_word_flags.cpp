// Reading and writing the edge markers of a typed search word.
#include "search/search_word_flags.h"

namespace textcore {

namespace {

bool StartsWith(const String &text, StringView s) { return StringView(text).starts_with(s); }
bool EndsWith(const String &text, StringView s) { return StringView(text).ends_with(s); }

// "==x==": the two pairs must not overlap, so "==" or "===" alone is plain text.
bool CaseMarked(const String &text) {
  return text.size() >= 4 && StartsWith(text, u"==") && EndsWith(text, u"==");
}

void LiftLeftBound(String &text, TMySearchFlags &flags) {
  if (StartsWith(text, u"*")) {
    text.erase(0, 1);
    flags.Exclude(myLeftBounded);
  }
}

} // namespace

TMySearchFlags FlagsFromSW(String &text) {
  TMySearchFlags flags = default_sw_flags;
  if (text.empty())
    return flags;
  if (StartsWith(text, u"*")) {
    LiftLeftBound(text, flags);
  } else if (CaseMarked(text)) {
    text = text.substr(2, text.size() - 4);
    flags.Include(myCaseIsSensitive);
    LiftLeftBound(text, flags);
  } else if (StartsWith(text, u"~")) {
    text.erase(0, 1);
    flags.Include(mySW_To_Avoid);
  }
  if (EndsWith(text, u"*")) {
    text.pop_back();
    flags.Exclude(myRightBounded);
  }
  return flags;
}

String SWStringPlusFlags(StringView text, TMySearchFlags flags) {
  String typed(text);
  if (!flags.Contains(myLeftBounded))
    typed.insert(typed.begin(), u'*');
  if (!flags.Contains(myRightBounded))
    typed.push_back(u'*');
  if (flags.Contains(myCaseIsSensitive))
    typed = u"==" + typed + u"==";
  return typed;
}

} // namespace textcore
