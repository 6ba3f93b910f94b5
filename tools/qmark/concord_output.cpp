// The three output formats of qmark concord, encoded to UTF-8 as they are escaped.
#include "tools/qmark/concord_output.h"

#include <algorithm>
#include <charconv>

namespace qmark {

using textcore::StringView;

namespace {

constexpr size_t kChunkBytes = size_t{1} << 20;
// Room after the file name for ":LINE:COLUMN" before the text column starts.
constexpr int32_t kLocationDigits = 12;

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

bool ShownAsSpace(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
}

int32_t Characters(StringView text) {
  return static_cast<int32_t>(text.size() -
                              std::count_if(text.begin(), text.end(), IsLowSurrogate));
}

void AppendUtf8(std::string &out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

} // namespace

ConcordWriter::ConcordWriter(ConcordFormat format, int32_t context_width, int32_t file_width,
                             TextSink sink)
    : fFormat(format), fContextWidth(context_width), fLocationWidth(file_width + kLocationDigits),
      fSink(std::move(sink)) {
  fBuffer.reserve(kChunkBytes + 64 * 1024);
}

void ConcordWriter::AppendUnit(char32_t c, Escape escape) {
  if (escape == Escape::kFlat && ShownAsSpace(c)) {
    fBuffer.push_back(' ');
    return;
  }
  if (escape == Escape::kTsv) {
    const char *escaped = c == '\t'   ? "\\t"
                          : c == '\n' ? "\\n"
                          : c == '\r' ? "\\r"
                          : c == '\\' ? "\\\\"
                                      : nullptr;
    if (escaped) {
      fBuffer += escaped;
      return;
    }
  }
  if (escape == Escape::kJson && (c < 0x20 || c == '"' || c == '\\')) {
    const char *escaped = c == '"'    ? "\\\""
                          : c == '\\' ? "\\\\"
                          : c == '\n' ? "\\n"
                          : c == '\r' ? "\\r"
                          : c == '\t' ? "\\t"
                                      : nullptr;
    if (escaped) {
      fBuffer += escaped;
    } else {
      constexpr char kHex[] = "0123456789abcdef";
      fBuffer += "\\u00";
      fBuffer.push_back(kHex[c >> 4]);
      fBuffer.push_back(kHex[c & 0xF]);
    }
    return;
  }
  AppendUtf8(fBuffer, c);
}

void ConcordWriter::Append(StringView text, Escape escape) {
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (IsHighSurrogate(text[i]) || IsLowSurrogate(text[i])) {
      c = 0xFFFD;
    }
    AppendUnit(c, escape);
  }
}

void ConcordWriter::AppendNumber(int64_t value) {
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  fBuffer.append(digits, result.ptr);
}

void ConcordWriter::Pad(int32_t count) {
  if (count > 0)
    fBuffer.append(static_cast<size_t>(count), ' ');
}

void ConcordWriter::WriteText(const ConcordLine &line) {
  Append(line.file, Escape::kFlat);
  const size_t after_file = fBuffer.size();
  fBuffer.push_back(':');
  AppendNumber(line.line);
  fBuffer.push_back(':');
  AppendNumber(line.column);
  const int32_t location =
      Characters(line.file) + static_cast<int32_t>(fBuffer.size() - after_file);
  Pad(fLocationWidth - location);
  Pad(2 + fContextWidth - Characters(line.left));
  Append(line.left, Escape::kFlat);
  fBuffer.push_back(' ');
  Append(line.hit, Escape::kFlat);
  fBuffer.push_back(' ');
  Append(line.right, Escape::kFlat);
  while (fBuffer.back() == ' ')
    fBuffer.pop_back();
  fBuffer.push_back('\n');
}

void ConcordWriter::WriteTsv(const ConcordLine &line) {
  Append(line.file, Escape::kTsv);
  fBuffer.push_back('\t');
  AppendNumber(line.line);
  fBuffer.push_back(':');
  AppendNumber(line.column);
  for (StringView piece : {line.left, line.hit, line.right}) {
    fBuffer.push_back('\t');
    Append(piece, Escape::kTsv);
  }
  fBuffer.push_back('\n');
}

void ConcordWriter::WriteJson(const ConcordLine &line) {
  fBuffer += fFirstObject ? "\n" : ",\n";
  fFirstObject = false;
  auto text_field = [this](const char *name, StringView value) {
    fBuffer += name;
    fBuffer.push_back('"');
    Append(value, Escape::kJson);
    fBuffer.push_back('"');
  };
  auto number_field = [this](const char *name, int64_t value) {
    fBuffer += name;
    AppendNumber(value);
  };
  text_field("{\"file\": ", line.file);
  number_field(", \"line\": ", line.line);
  number_field(", \"column\": ", line.column);
  number_field(", \"offset\": ", line.offset);
  text_field(", \"word\": ", line.word);
  text_field(", \"left\": ", line.left);
  text_field(", \"hit\": ", line.hit);
  text_field(", \"right\": ", line.right);
  fBuffer.push_back('}');
}

void ConcordWriter::Begin() {
  if (fFormat == ConcordFormat::kTsv)
    fBuffer += "file\tposition\tleft\thit\tright\n";
  else if (fFormat == ConcordFormat::kJson)
    fBuffer += "[";
}

void ConcordWriter::Write(const ConcordLine &line) {
  switch (fFormat) {
  case ConcordFormat::kText:
    WriteText(line);
    break;
  case ConcordFormat::kTsv:
    WriteTsv(line);
    break;
  case ConcordFormat::kJson:
    WriteJson(line);
    break;
  }
  FlushIfFull();
}

void ConcordWriter::End() {
  if (fFormat == ConcordFormat::kJson)
    fBuffer += fFirstObject ? "]\n" : "\n]\n";
  if (!fBuffer.empty())
    fSink(fBuffer);
  fBuffer.clear();
}

void ConcordWriter::FlushIfFull() {
  if (fBuffer.size() < kChunkBytes)
    return;
  fSink(fBuffer);
  fBuffer.clear();
}

} // namespace qmark
