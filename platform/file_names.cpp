// File-name helpers and the lossless name encoding.
#include "platform/file_names.h"

#include "platform/utf.h"

#include <climits>
#include <unistd.h>
#include <vector>

namespace textcore {

namespace {

// Index just past the last separator, or 0.
size_t NameStart(StringView file_name) {
  for (size_t i = file_name.size(); i > 0; --i)
    if (IsPathDelimiter(file_name[i - 1]))
      return i;
  return 0;
}

// Index of the extension's dot inside the last name, or npos.
size_t ExtensionDot(StringView file_name) {
  size_t start = NameStart(file_name);
  for (size_t i = file_name.size(); i > start; --i)
    if (file_name[i - 1] == u'.')
      return i - 1;
  return StringView::npos;
}

constexpr char16_t kEscapeBase = 0xDC00;

} // namespace

bool IsPathDelimiter(char16_t c) { return c == u'/' || c == u'\\'; }

String ExtractFileExt(StringView file_name) {
  size_t dot = ExtensionDot(file_name);
  return dot == StringView::npos ? String() : String(file_name.substr(dot));
}

String ChangeFileExt(StringView file_name, StringView extension) {
  size_t dot = ExtensionDot(file_name);
  String out(dot == StringView::npos ? file_name : file_name.substr(0, dot));
  out.append(extension);
  return out;
}

String ExtractFilePath(StringView file_name) {
  return String(file_name.substr(0, NameStart(file_name)));
}

String ExtractFileDir(StringView file_name) {
  size_t start = NameStart(file_name);
  if (start > 1)
    --start; // drop the separator, but keep a lone root "/"
  return String(file_name.substr(0, start));
}

String ExtractFileName(StringView file_name) {
  return String(file_name.substr(NameStart(file_name)));
}

String IncludeTrailingPathDelimiter(StringView path) {
  String out(path);
  if (out.empty() || !IsPathDelimiter(out.back()))
    out.push_back(PathDelim);
  return out;
}

String ExcludeTrailingPathDelimiter(StringView path) {
  String out(path);
  while (out.size() > 1 && IsPathDelimiter(out.back()))
    out.pop_back();
  return out;
}

String ExpandFileName(StringView file_name) {
  String path(file_name);
  for (char16_t &c : path)
    if (c == u'\\')
      c = u'/';
  if (path.empty() || path[0] != u'/') {
    char cwd[PATH_MAX];
    const String here = getcwd(cwd, sizeof cwd) != nullptr ? BytesToFileName(cwd) : String(u"/");
    path = IncludeTrailingPathDelimiter(here) + path;
  }
  const bool trailing = path.size() > 1 && path.back() == u'/';
  std::vector<StringView> parts;
  for (size_t start = 1; start <= path.size();) {
    size_t end = path.find(u'/', start);
    if (end == String::npos)
      end = path.size();
    const StringView part = StringView(path).substr(start, end - start);
    if (part == u"..") {
      if (!parts.empty())
        parts.pop_back();
    } else if (!part.empty() && part != u".") {
      parts.push_back(part);
    }
    start = end + 1;
  }
  String out;
  for (StringView part : parts)
    (out += u'/') += part;
  if (out.empty() || trailing)
    out += u'/';
  return out;
}

std::string FileNameToBytes(StringView file_name) {
  std::string out;
  out.reserve(file_name.size());
  size_t run_start = 0;
  auto flush = [&](size_t end) {
    out += StringToUTF8(file_name.substr(run_start, end - run_start));
  };
  for (size_t i = 0; i < file_name.size(); ++i) {
    char16_t c = file_name[i];
    // A lone U+DC80..U+DCFF stands for one byte that was not valid UTF-8.
    if (c >= kEscapeBase + 0x80 && c <= kEscapeBase + 0xFF && !IsSecondHalfOfPair(file_name, i)) {
      flush(i);
      out.push_back(static_cast<char>(c - kEscapeBase));
      run_start = i + 1;
    }
  }
  flush(file_name.size());
  return out;
}

String BytesToFileName(std::string_view bytes) {
  String out;
  out.reserve(bytes.size());
  size_t i = 0;
  while (i < bytes.size()) {
    unsigned char b = static_cast<unsigned char>(bytes[i]);
    if (b < 0x80) {
      out.push_back(b);
      ++i;
      continue;
    }
    size_t length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
    if (length > 1 && i + length <= bytes.size()) {
      String decoded = UTF8ToString(bytes.substr(i, length));
      // Valid exactly when it decodes without a replacement into one code point.
      bool genuine_replacement = bytes.substr(i, length) == "\xEF\xBF\xBD";
      bool valid = decoded.size() == (length == 4 ? 2u : 1u) &&
                   (genuine_replacement || decoded.find(u'\xFFFD') == String::npos);
      if (valid) {
        out += decoded;
        i += length;
        continue;
      }
    }
    out.push_back(static_cast<char16_t>(kEscapeBase + b));
    ++i;
  }
  return out;
}

} // namespace textcore
