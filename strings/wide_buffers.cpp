// Text buffers and wide-text helpers; see wide_buffers.h.
#include "strings/wide_buffers.h"

#include <algorithm>
#include <string>

namespace textcore {

namespace {

template <typename Char> std::unique_ptr<Char[]> NewLen(const Char *p, int32_t n) {
  if (p == nullptr)
    return nullptr;
  const size_t length = static_cast<size_t>(std::max(n, 0));
  auto buffer = std::make_unique<Char[]>(length + 1); // zeroed, so terminated
  std::copy_n(p, length, buffer.get());
  return buffer;
}

template <typename Char> std::unique_ptr<Char[]> StrNew(const Char *p, int32_t n) {
  if (p == nullptr)
    return nullptr;
  const size_t limit = static_cast<size_t>(std::max(n, 0));
  size_t length = 0;
  while (length < limit && p[length] != Char{})
    ++length;
  return NewLen(p, static_cast<int32_t>(length));
}

template <typename Char> std::unique_ptr<Char[]> NewWhole(const Char *p) {
  if (p == nullptr)
    return nullptr;
  return NewLen(p, static_cast<int32_t>(std::char_traits<Char>::length(p)));
}

} // namespace

std::unique_ptr<char[]> NewLenPAnsichar(const char *p, int32_t n) { return NewLen(p, n); }
std::unique_ptr<char16_t[]> NewLenPWidechar(const char16_t *p, int32_t n) { return NewLen(p, n); }
std::unique_ptr<char[]> StrNewLen(const char *p, int32_t n) { return StrNew(p, n); }
std::unique_ptr<char16_t[]> StrNewWLen(const char16_t *p, int32_t n) { return StrNew(p, n); }
std::unique_ptr<char[]> NewPAnsichar(const char *p) { return NewWhole(p); }
std::unique_ptr<char16_t[]> NewPWideChar(const char16_t *p) { return NewWhole(p); }
void DeletePAnsichar(std::unique_ptr<char[]> &p) { p.reset(); }
void DeletePWideChar(std::unique_ptr<char16_t[]> &p) { p.reset(); }

void FillWChar(char16_t *p, int32_t count, char16_t c) {
  if (p != nullptr && count >= 2)
    std::fill_n(p, count / 2, c);
}

int32_t StrScanIndex(StringView s, char16_t c, int32_t from) {
  const size_t start = static_cast<size_t>(std::max(from, 1)) - 1;
  const size_t at = start < s.size() ? s.find(c, start) : StringView::npos;
  return at == StringView::npos ? 0 : static_cast<int32_t>(at) + 1;
}

String ExpandTabbedWideString(StringView s, int32_t n) {
  const String spaces(static_cast<size_t>(std::max(n, 0)), u' ');
  String out;
  out.reserve(s.size());
  for (const char16_t c : s) {
    if (c == u'\t')
      out += spaces;
    else
      out += c;
  }
  return out;
}

} // namespace textcore
