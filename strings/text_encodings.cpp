#include "strings/text_encodings.h"

#include "core/bare_assemb.h"

#include <algorithm>
#include <cstring>

namespace textcore {

std::array<char, 256> copyA{};
std::array<char16_t, 256> copyW{};

namespace {

constexpr size_t kCopyUnits = 255;

std::string_view BytesAt(const char *p, int32_t len) {
  if (p == nullptr)
    return {};
  return len < 0 ? std::string_view(p) : std::string_view(p, static_cast<size_t>(len));
}

// How many units of s fit in n without cutting a surrogate pair.
size_t UnitsThatFit(StringView s, size_t n) {
  if (s.size() <= n)
    return s.size();
  return s[n] >= 0xDC00 && s[n] <= 0xDFFF && n > 0 && s[n - 1] >= 0xD800 && s[n - 1] <= 0xDBFF
             ? n - 1
             : n;
}

// How many bytes of s fit in n without cutting a character of the code page.
size_t BytesThatFit(std::string_view s, size_t n, uint32_t code_page) {
  if (s.size() <= n)
    return s.size();
  if (code_page == CP_UTF8 || (code_page == CP_ACP && GetACP() == CP_UTF8)) {
    while (n > 0 && (static_cast<uint8_t>(s[n]) & 0xC0) == 0x80)
      --n;
    return n;
  }
  size_t at = 0;
  for (;;) {
    const size_t width = IsDBCSLeadByteEx(code_page, static_cast<uint8_t>(s[at])) ? 2 : 1;
    if (at + width > n)
      return at;
    at += width;
  }
}

const char16_t *CopiedW(StringView s) {
  const size_t n = UnitsThatFit(s, kCopyUnits);
  std::copy_n(s.data(), n, copyW.data());
  copyW[n] = 0;
  return copyW.data();
}

const char *CopiedA(std::string_view s, uint32_t code_page) {
  const size_t n = BytesThatFit(s, kCopyUnits, code_page);
  std::memcpy(copyA.data(), s.data(), n);
  copyA[n] = 0;
  return copyA.data();
}

template <typename Text>
Text UnixToWindows(int32_t &count, std::basic_string_view<typename Text::value_type> s) {
  s = s.substr(0, std::min(s.size(), s.find(typename Text::value_type{0})));
  count = 0;
  Text out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    const auto c = s[i];
    if (c == '\n' && (i == 0 || s[i - 1] != '\r')) {
      out.push_back('\r');
      ++count;
    }
    out.push_back(c);
    if (c == '\r' && (i + 1 == s.size() || s[i + 1] != '\n')) {
      out.push_back('\n');
      ++count;
    }
  }
  return out;
}

template <typename Text> Text WindowsToUnix(std::basic_string_view<typename Text::value_type> s) {
  Text out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i)
    if (s[i] != '\r' || i + 1 == s.size() || s[i + 1] != '\n')
      out.push_back(s[i]);
  return out;
}

} // namespace

String ConvertedToWideString(uint32_t code_page, const char *p, int32_t len) {
  return AnsiToString(BytesAt(p, len), code_page);
}

String ConvertedToWideString(const char *p, int32_t len) {
  return ConvertedToWideString(CP_ACP, p, len);
}

String ConvertedToWideStringOfLocale(LCID locale, const char *p, int32_t len) {
  return ConvertedToWideString(LCIDToCodePage(locale), p, len);
}

AnsiString ConvertedFromWideString(uint32_t code_page, const char16_t *p) {
  return p == nullptr ? AnsiString() : StringToAnsi(StringView(p), code_page);
}

AnsiString ConvertedFromWideString(const char16_t *p) { return ConvertedFromWideString(CP_ACP, p); }

AnsiString ConvertedFromWideStringOfLocale(LCID locale, const char16_t *p) {
  return ConvertedFromWideString(LCIDToCodePage(locale), p);
}

const char16_t *GetCopyOfAnsiEncodedAsUnicode(std::string_view s, uint32_t code_page) {
  return CopiedW(AnsiToString(s, code_page));
}

const char *GetCopyOfAnsiEncodedAsAnsi(std::string_view s, uint32_t code_page) {
  return CopiedA(s, code_page);
}

const char16_t *GetCopyOfWideSTringEncodedASUnicode(StringView s) { return CopiedW(s); }

const char *GetCopyOfWideSTringEncodedAsAnsi(StringView s, uint32_t code_page) {
  return CopiedA(StringToAnsi(s, code_page), code_page);
}

String UnixStringToWindowsStringW(int32_t &count, StringView s) {
  return UnixToWindows<String>(count, s);
}

AnsiString UnixStringToWindowsString(int32_t &count, std::string_view s) {
  return UnixToWindows<AnsiString>(count, s);
}

String WindowsStringToUnixStringW(StringView s) { return WindowsToUnix<String>(s); }

AnsiString WindowsStringToUnixString(std::string_view s) { return WindowsToUnix<AnsiString>(s); }

char16_t WideCharFromCardinal(uint32_t n) { return n < 65536 ? static_cast<char16_t>(n) : u'?'; }

String WideStringFromCardinal(uint32_t n) { return String(1, WideCharFromCardinal(n)); }

String ToHexNumStr(StringView s) {
  String out;
  out.reserve(s.size() * 3);
  for (char16_t c : s) {
    out += IntToHex(c, 2);
    out.push_back(u',');
  }
  return out;
}

String FromHexNumStr(StringView s) {
  String out;
  size_t from = 0;
  while (from < s.size()) {
    const size_t comma = std::min(s.find(u',', from), s.size());
    const StringView group = s.substr(from, comma - from);
    uint32_t code = 0;
    bool good = !group.empty();
    for (char16_t c : group) {
      const int digit = c >= u'0' && c <= u'9'   ? c - u'0'
                        : c >= u'A' && c <= u'F' ? c - u'A' + 10
                        : c >= u'a' && c <= u'f' ? c - u'a' + 10
                                                 : -1;
      good = good && digit >= 0;
      if (!good)
        break;
      code = code << 4 | static_cast<uint32_t>(digit);
      good = code <= 0xFFFF;
    }
    if (good)
      out.push_back(static_cast<char16_t>(code));
    from = comma + 1;
  }
  return out;
}

uint32_t CheckSumOfABufferful(const void *p, int32_t n) { return My4Checksum(p, n); }

} // namespace textcore
