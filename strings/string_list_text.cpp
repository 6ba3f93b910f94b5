#include "strings/string_list_text.h"

#include "platform/exceptions.h"

#include <random>

namespace textcore {

std::unique_ptr<TStringList> StringListFromString(char16_t c, StringView s) {
  auto list = std::make_unique<TStringList>();
  size_t from = 0;
  for (size_t at = s.find(c); at != StringView::npos; at = s.find(c, from)) {
    list->Add(String(s.substr(from, at - from)));
    from = at + 1;
    if (from < s.size() && s[from] == u'\n')
      ++from;
  }
  list->Add(String(s.substr(from)));
  return list;
}

std::unique_ptr<TStringList> StringListFromString(StringView s) {
  return StringListFromString(u'\r', s);
}

int32_t StringToStringList(char16_t c, StringView s, TStringList &list) {
  list.Clear();
  String field;
  bool quoted = false, closed = false;
  for (char16_t x : s) {
    if (x == u'"') {
      if (quoted)
        list.Add(field), field.clear();
      quoted = !quoted;
      closed = !quoted;
      continue;
    }
    if (!quoted && x == c) {
      if (!closed)
        list.Add(field), field.clear();
      closed = false;
      continue;
    }
    closed = false;
    field.push_back(x);
  }
  if (!closed)
    list.Add(field);
  return quoted ? -list.Count() : list.Count();
}

String StringListToString(char16_t c, const TStringList &list) {
  String out;
  for (int32_t i = 0; i < list.Count(); ++i) {
    if (i > 0)
      out.push_back(c);
    out += list.Strings(i);
  }
  return out;
}

TArrayOfStringLists ArrayOfStringlists(const TStringList &list, char16_t c) {
  TArrayOfStringLists lists;
  for (int32_t i = 0; i < list.Count(); ++i) {
    if (list.Strings(i).empty())
      continue;
    auto fields = std::make_unique<TStringList>();
    StringToStringList(c, list.Strings(i), *fields);
    lists.push_back(std::move(fields));
  }
  return lists;
}

std::unique_ptr<TStringList> CommaSeparatedStrings(StringView s) {
  auto list = std::make_unique<TStringList>();
  if (s.empty())
    return list;
  size_t from = 0;
  for (size_t at = s.find(u','); at != StringView::npos; at = s.find(u',', from)) {
    list->Add(Trim(s.substr(from, at - from)));
    from = at + 1;
  }
  list->Add(Trim(s.substr(from)));
  return list;
}

std::unique_ptr<TStringList> StringListRemovingAnyLines(const TStringList &list,
                                                        const TLineKeepTest &test) {
  auto kept = std::make_unique<TStringList>();
  for (int32_t i = 0; i < list.Count(); ++i) {
    bool keep = false, converted = false;
    String form = test(list.Strings(i), keep, converted);
    if (keep)
      kept->AddObject(converted ? form : list.Strings(i), list.Objects(i));
  }
  return kept;
}

void ReverseAStringList(TStringList &list) {
  if (list.OwnsObjects())
    throw EStringListError(u"ReverseAStringList: the list owns its objects, which would be lost");
  const int32_t count = list.Count();
  list.BeginUpdate();
  for (int32_t i = 0; i < count; ++i)
    list.PutObject(i, IntegerAsObject(-i));
  for (int32_t i = 0, j = count - 1; i < j; ++i, --j)
    list.Exchange(i, j);
  list.EndUpdate();
}

void TrimAStringlist(TStringList &list) {
  list.BeginUpdate();
  for (int32_t i = list.Count() - 1; i >= 0; --i) {
    const String trimmed = Trim(list.Strings(i));
    if (trimmed.empty())
      list.Delete(i);
    else if (trimmed.size() != list.Strings(i).size())
      list.Put(i, trimmed);
  }
  list.EndUpdate();
}

void ForceItemsToInclude(TStringList &list, int32_t n) {
  int32_t at = 0;
  for (; at < list.Count(); ++at) {
    int32_t value = 0;
    if (!TryStrToInt(list.Strings(at), value) || value < n)
      continue;
    if (value == n)
      return;
    break;
  }
  list.Insert(at, IntToStr(n));
}

void RandomReduceStringlist(TStringList &list, int32_t n) {
  thread_local std::mt19937 generator{std::random_device{}()};
  const int32_t keep = std::max(n, 0);
  list.BeginUpdate();
  while (list.Count() > keep)
    list.Delete(std::uniform_int_distribution<int32_t>(0, list.Count() - 1)(generator));
  list.EndUpdate();
}

std::unique_ptr<TStringList> TArrayOfIntegersToStringlist(std::span<const int32_t> a,
                                                          int32_t offset) {
  auto list = std::make_unique<TStringList>();
  for (int32_t value : a)
    list->Add(IntToStr(int64_t{value} + offset));
  return list;
}

namespace {

int HexDigit(char16_t c) {
  if (c >= u'0' && c <= u'9')
    return c - u'0';
  if (c >= u'a' && c <= u'f')
    return c - u'a' + 10;
  if (c >= u'A' && c <= u'F')
    return c - u'A' + 10;
  return -1;
}

// The length of the colour mark at s[at] and its value; 0 when there is none.
size_t ColourMarkAt(StringView s, size_t at, uint32_t &value) {
  if (s.compare(at, 2, u"<#") != 0)
    return 0;
  value = 0;
  size_t i = at + 2;
  for (; i < s.size() && HexDigit(s[i]) >= 0; ++i)
    value = value << 4 | static_cast<uint32_t>(HexDigit(s[i]));
  const size_t digits = i - at - 2;
  return digits >= 1 && digits <= 8 && i < s.size() && s[i] == u'>' ? i + 1 - at : 0;
}

} // namespace

std::unique_ptr<TStringList> StringlistFromStringWithHexColourWords(StringView s) {
  auto list = std::make_unique<TStringList>();
  size_t from = 0;
  for (size_t at = s.find(u"<#"); at != StringView::npos; at = s.find(u"<#", at + 1)) {
    uint32_t colour = 0;
    const size_t mark = ColourMarkAt(s, at, colour);
    if (mark == 0)
      continue;
    if (at > from)
      list->Add(String(s.substr(from, at - from)));
    const size_t word = at + mark;
    const size_t space = s.find(u' ', word);
    const size_t end = space == StringView::npos ? s.size() : space + 1;
    list->AddObject(String(s.substr(word, end - word)),
                    IntegerAsObject(static_cast<int32_t>(colour)));
    from = end;
    at = end - 1;
  }
  if (from < s.size())
    list->Add(String(s.substr(from)));
  return list;
}

} // namespace textcore
