#include "strings/simple_tags.h"

namespace textcore {

String TagSwitchedOn(StringView tag) {
  String out(tag);
  const size_t at = out.find(u"</");
  if (at != String::npos)
    out.erase(at + 1, 1);
  return out;
}

String TagSwitchedOff(StringView tag) {
  String out(tag);
  if (!out.empty() && out.front() == u'<')
    out.insert(1, 1, u'/');
  return out;
}

String TagOnNumbered(StringView tag, int32_t n) {
  String out(tag);
  if (!out.empty() && out.back() == u'>')
    out.insert(out.size() - 1, u" \"" + IntToStr(n) + u"\"");
  return out;
}

String SimpleTagValue(StringView name, StringView s, bool &found) {
  const String open = u"<" + String(name) + u">", close = u"</" + String(name) + u">";
  found = false;
  const size_t start = s.find(open);
  if (start == StringView::npos)
    return String();
  const size_t from = start + open.size();
  const size_t end = s.find(close, from);
  if (end == StringView::npos)
    return String();
  found = true;
  return String(s.substr(from, end - from));
}

String TrimmedSimpleTagValue(StringView name, StringView s, bool &found) {
  return Trim(SimpleTagValue(name, s, found));
}

} // namespace textcore
