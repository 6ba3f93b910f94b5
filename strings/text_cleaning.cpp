#include "strings/text_cleaning.h"

#include "core/yield.h"
#include "platform/nls_case.h"
#include "platform/nls_code_pages.h"
#include "strings/sentence_edges.h"

#include <algorithm>

namespace textcore {

namespace {

constexpr StringView kCRLF = u"\r\n";

bool IsBlank(char16_t c) { return c <= u' '; }

// Every pattern in s replaced by replacement, yielding once per replacement.
template <typename Text, typename View> void ReplaceAll(View pattern, View replacement, Text &s) {
  if (pattern.empty())
    return;
  Text out;
  size_t from = 0;
  for (size_t at = s.find(pattern); at != Text::npos; at = s.find(pattern, from)) {
    out.append(s, from, at - from);
    out.append(replacement);
    from = at + pattern.size();
    MyYieldProcess();
  }
  if (from == 0)
    return;
  out.append(s, from, Text::npos);
  s = std::move(out);
}

// The place of pattern in s at or after from, units compared by their upper case; npos.
size_t FindIgnoringCase(StringView s, StringView pattern, size_t from) {
  if (pattern.empty() || pattern.size() > s.size())
    return StringView::npos;
  for (size_t at = from; at + pattern.size() <= s.size(); ++at) {
    size_t k = 0;
    while (k < pattern.size() && UpperCaseOfUnit(s[at + k]) == UpperCaseOfUnit(pattern[k]))
      ++k;
    if (k == pattern.size())
      return at;
  }
  return StringView::npos;
}

template <typename Keep> String Kept(StringView s, Keep &&keep) {
  String out;
  out.reserve(s.size());
  for (char16_t c : s) {
    if (keep(c))
      out.push_back(c);
    MyYieldProcess();
  }
  return out;
}

} // namespace

String RemovedEmptyLinesOf(StringView s) {
  String out;
  out.reserve(s.size());
  size_t from = 0;
  for (size_t end = s.find(kCRLF); end != StringView::npos; end = s.find(kCRLF, from)) {
    const StringView line = s.substr(from, end - from);
    if (!std::all_of(line.begin(), line.end(), IsBlank)) {
      out.append(line);
      out.append(kCRLF);
    }
    from = end + kCRLF.size();
  }
  out.append(s.substr(from));
  return out;
}

String StrippedSpacesAtLineStarts(StringView s) {
  String out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    out.push_back(s[i]);
    if (s[i] == u'\n' && i > 0 && s[i - 1] == u'\r')
      while (i + 1 < s.size() && s[i + 1] == u' ')
        ++i;
  }
  return out;
}

String StrippedOfSingleAmpersands(StringView s) {
  String out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] != u'&') {
      out.push_back(s[i]);
    } else if (i + 1 < s.size() && s[i + 1] == u'&') {
      out.push_back(u'&');
      ++i;
    }
  }
  return out;
}

String StrippedOfChar(StringView s, char16_t c) {
  return Kept(s, [c](char16_t x) { return x != c; });
}

String StrippedOfChars(StringView s, StringView chars) {
  return Kept(s, [chars](char16_t x) { return chars.find(x) == StringView::npos; });
}

String StrippedOfCommas(StringView s) { return StrippedOfChar(s, u','); }

String StrippedSpacesBeforePunctuation(StringView s) {
  String out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i)
    if (s[i] != u' ' || !NextValidCharIsPunctuation(static_cast<int32_t>(i) + 2, s))
      out.push_back(s[i]);
  return out;
}

String StripWhiteSpaceAndCRLFW(StringView s, int32_t n) {
  String out;
  if (n <= 0)
    return out;
  s = s.substr(0, std::min(s.size(), static_cast<size_t>(n)));
  s = s.substr(0, std::min(s.size(), s.find(u'\0')));
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    if (!IsBlank(s[i])) {
      out.push_back(s[i]);
      continue;
    }
    out.push_back(u' ');
    while (i + 1 < s.size() && IsBlank(s[i + 1]))
      ++i;
  }
  return out;
}

String StrippedMultipleLineEnds(StringView s) { return StrippedMultipleLineEnds(s, 1); }

String StrippedMultipleLineEnds(StringView s, int32_t n) {
  const int32_t keep = std::max(n, 1);
  String out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size();) {
    if (s[i] != u'\r') {
      out.push_back(s[i++]);
      continue;
    }
    int32_t ends = 0;
    while (i < s.size() && (s[i] == u'\r' || s[i] == u'\n')) {
      i += (s[i] == u'\r' && i + 1 < s.size() && s[i + 1] == u'\n') ? 2 : 1;
      ++ends;
    }
    for (int32_t e = 0; e < std::min(ends, keep); ++e)
      out.append(kCRLF);
  }
  return out;
}

String BackwardsStr(StringView s) {
  String out(s.rbegin(), s.rend());
  for (size_t i = 0; i + 1 < out.size(); ++i)
    if (out[i] >= 0xDC00 && out[i] <= 0xDFFF && out[i + 1] >= 0xD800 && out[i + 1] <= 0xDBFF) {
      std::swap(out[i], out[i + 1]);
      ++i;
    }
  return out;
}

String InterspersedWithSpaces(StringView s) {
  String out;
  out.reserve(s.size() * 2);
  for (char16_t c : s) {
    out.push_back(c);
    out.push_back(u' ');
  }
  return out;
}

String RemovedInitialChar(StringView s, char16_t c) {
  return String(!s.empty() && s.front() == c ? s.substr(1) : s);
}

void Replace1With2In(StringView a, StringView b, String &s) { ReplaceAll(a, b, s); }

void Replace1With2In(std::string_view a, std::string_view b, AnsiString &s) { ReplaceAll(a, b, s); }

void Replace2With4In(StringView a, StringView b, StringView c, StringView d, String &s) {
  Replace1With2In(a, b, s);
  Replace1With2In(c, d, s);
}

void Replace2With4In(std::string_view a, std::string_view b, std::string_view c, std::string_view d,
                     AnsiString &s) {
  Replace1With2In(a, b, s);
  Replace1With2In(c, d, s);
}

String ReplaceAnyOfTheseWithChar(StringView chars, StringView s, char16_t c) {
  String out(s);
  for (char16_t &x : out)
    if (chars.find(x) != StringView::npos)
      x = c;
  return out;
}

AnsiString AnsiStringReplace(std::string_view s, std::string_view old_pattern,
                             std::string_view new_pattern, TReplaceFlags flags) {
  const bool all = flags.Contains(rfReplaceAll);
  if (!flags.Contains(rfIgnoreCase)) {
    AnsiString out(s);
    if (all) {
      ReplaceAll(old_pattern, new_pattern, out);
    } else if (const size_t at = old_pattern.empty() ? AnsiString::npos : out.find(old_pattern);
               at != AnsiString::npos) {
      out.replace(at, old_pattern.size(), new_pattern);
    }
    return out;
  }
  const String text = AnsiToString(s), pattern = AnsiToString(old_pattern),
               replacement = AnsiToString(new_pattern);
  String out;
  size_t from = 0;
  for (size_t at = FindIgnoringCase(text, pattern, 0); at != StringView::npos;
       at = all ? FindIgnoringCase(text, pattern, from) : StringView::npos) {
    out.append(text, from, at - from);
    out.append(replacement);
    from = at + pattern.size();
  }
  out.append(text, from, String::npos);
  return StringToAnsi(out);
}

String ParaDivHeadingEndToCRLF(StringView s) {
  static constexpr StringView kEnds[] = {u"</p>", u"</div>", u"</head>"};
  String out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size();) {
    const StringView *end = std::find_if(std::begin(kEnds), std::end(kEnds), [&](StringView e) {
      return s.size() - i >= e.size() && SameText(s.substr(i, e.size()), e);
    });
    if (end == std::end(kEnds)) {
      out.push_back(s[i++]);
      continue;
    }
    out.append(kCRLF);
    i += end->size();
  }
  return out;
}

String WithoutMarkup(StringView s, char16_t open, char16_t close, int32_t max) {
  String out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == open) {
      const size_t end = s.find(close, i + 1);
      if (end != StringView::npos && max > 0 && end - i + 1 <= static_cast<size_t>(max)) {
        i = end;
        continue;
      }
    }
    out.push_back(s[i]);
  }
  return out;
}

String FirstXCharactersOfString(StringView s, int32_t n, bool ellipsis) {
  const size_t keep = static_cast<size_t>(std::max(n, 0));
  if (s.size() <= keep)
    return String(s);
  String out(s.substr(0, keep));
  if (ellipsis)
    out.push_back(u'\u2026');
  return out;
}

namespace {
String Enclosed(StringView s, char16_t open, char16_t close) {
  String out;
  if (s.empty() || s.front() != open)
    out.push_back(open);
  out.append(s);
  if (s.empty() || s.back() != close)
    out.push_back(close);
  return out;
}
} // namespace

String Bracketed(StringView s) { return Enclosed(s, u'(', u')'); }

String Angle_Bracketed(StringView s) { return Enclosed(s, u'<', u'>'); }

String UNAngle_Bracketed(StringView s) {
  if (!s.empty() && s.front() == u'<')
    s.remove_prefix(1);
  if (!s.empty() && s.back() == u'>')
    s.remove_suffix(1);
  return String(s);
}

String DoubleQuotesAdded(StringView s) { return u"\"" + Trim(s) + u"\""; }

String DoubleQuotesRemoved(StringView s) { return StrippedOfChar(Trim(s), u'"'); }

String StringInNCharacterChunks(StringView s, StringView prefix, StringView sep, int32_t n) {
  const size_t least = static_cast<size_t>(std::max(n, 0));
  String out;
  size_t start = 0;
  while (!sep.empty() && start < s.size()) {
    const size_t at = s.find(sep, start + least);
    if (at == StringView::npos)
      break;
    const size_t end = at + sep.size();
    out.append(prefix);
    out.append(s.substr(start, end - start));
    out.append(kCRLF);
    start = end;
  }
  if (start < s.size()) {
    out.append(prefix);
    out.append(s.substr(start));
  }
  return out;
}

String FromColumnedWidestringToVerticalTabbed(StringView s, char16_t c) {
  return ReplaceAnyOfTheseWithChar(StringView(&c, 1), s, u'\v');
}

void FromColumnedWidestringToVerticalTabbed(TStringList &list, char16_t c) {
  list.BeginUpdate();
  for (int32_t i = 0; i < list.Count(); ++i)
    list.Put(i, FromColumnedWidestringToVerticalTabbed(list.Strings(i), c));
  list.EndUpdate();
}

} // namespace textcore
