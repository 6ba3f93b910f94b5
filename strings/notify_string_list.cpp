// TNotifyStringlist's text split with progress calls.
#include "strings/notify_string_list.h"

#include <algorithm>

namespace textcore {

String TNotifyStringlist::GetTextStr() const {
  String text;
  for (int32_t i = 0; i < Count(); ++i) {
    text += Strings(i);
    text += fLineBreak;
  }
  return text;
}

void TNotifyStringlist::SetTextStr(const String &Value) {
  fAdded = 0;
  BeginUpdate();
  try {
    Clear();
    SplitLines(Value);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
  if (fTellCount)
    fTellCount(fAdded);
}

void TNotifyStringlist::SplitLines(StringView text) {
  size_t i = 0;
  if (fLineBreak == u"\r\n") {
    while (i < text.size()) {
      const size_t end = std::min(text.find_first_of(u"\r\n", i), text.size());
      AddLine(text.substr(i, end - i));
      i = end;
      if (i < text.size() && text[i] == u'\r')
        ++i;
      if (i < text.size() && text[i] == u'\n')
        ++i;
    }
    return;
  }
  while (i < text.size()) {
    const size_t end =
        fLineBreak.empty() ? text.size() : std::min(text.find(fLineBreak, i), text.size());
    AddLine(text.substr(i, end - i));
    i = end == text.size() ? end : end + fLineBreak.size();
  }
}

void TNotifyStringlist::AddLine(StringView line) {
  Add(String(line));
  ++fAdded;
  if ((fAdded & 0xFF) == 0xFF && fTellCount)
    fTellCount(fAdded);
}

} // namespace textcore
