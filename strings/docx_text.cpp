#include "strings/docx_text.h"

#include "platform/exceptions.h"
#include "platform/file_ops.h"
#include "platform/format.h"
#include "platform/streams.h"

#include <algorithm>
#include <string>

namespace textcore {

namespace {

constexpr std::string_view kParagraphEnd = "</w:p>";
constexpr std::string_view kTextEnd = "</w:t>";

// Whether the tag at xml[at] ("<") is an element called name, and not one whose name only starts
// so: the name must be followed by white space, ">" or "/".
bool IsElement(std::string_view xml, size_t at, std::string_view name) {
  const size_t after = at + 1 + name.size();
  if (after >= xml.size() || xml.compare(at + 1, name.size(), name) != 0)
    return false;
  const char c = xml[after];
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '>' || c == '/';
}

// An "is this the document part" test on a stored name: its last element, any case.
bool IsDocumentPart(StringView stored) {
  const size_t slash = stored.find_last_of(u"/\\");
  return SameText(slash == StringView::npos ? stored : stored.substr(slash + 1), u"document.xml");
}

// What the part is extracted into: bytes up to a limit, past which writing raises.
class LimitedBytes : public TStream {
public:
  explicit LimitedBytes(int64_t limit) : fLimit(limit) {}

  int64_t Read(void *, int64_t) override { return 0; }
  int64_t Write(const void *buffer, int64_t count) override {
    if (count > fLimit - static_cast<int64_t>(fBytes.size()))
      throw EZipError(Format(u"the document text is larger than %d bytes", fLimit));
    fBytes.append(static_cast<const char *>(buffer), static_cast<size_t>(count));
    return count;
  }
  int64_t Seek(int64_t, TSeekOrigin) override { return static_cast<int64_t>(fBytes.size()); }
  void SetSize(int64_t) override {}
  const std::string &Bytes() const { return fBytes; }

private:
  int64_t fLimit;
  std::string fBytes;
};

} // namespace

String DOCXDocumentText(std::string_view xml) {
  std::string text;
  int64_t depth = 0; // paragraphs open around where the scan stands
  for (size_t at = xml.find('<'); at != std::string_view::npos; at = xml.find('<', at)) {
    if (xml.compare(at, kParagraphEnd.size(), kParagraphEnd) == 0) {
      if (depth > 0) {
        text += "\r\n";
        --depth;
      }
      at += kParagraphEnd.size();
      continue;
    }
    const bool paragraph = IsElement(xml, at, "w:p");
    if (!paragraph && !IsElement(xml, at, "w:t")) {
      ++at;
      continue;
    }
    const size_t tag_end = xml.find('>', at);
    if (tag_end == std::string_view::npos)
      break;
    const bool empty = xml[tag_end - 1] == '/';
    at = tag_end + 1;
    if (paragraph) {
      depth += empty ? 0 : 1;
      continue;
    }
    if (empty)
      continue;
    const size_t close = xml.find(kTextEnd, at);
    if (close == std::string_view::npos)
      break; // a run cut short: what follows is no text of it
    if (depth > 0)
      text.append(xml.substr(at, close - at));
    at = close;
  }
  return UTF8ToString(text);
}

bool DOCXArchiveText(TZipArchive &archive, String &text, String &reason, int64_t limit) {
  text.clear();
  reason.clear();
  TZipEntry entry;
  for (int64_t i = 0; i < archive.GetEntryCount(); ++i) {
    if (!archive.ReadEntry(i, entry) || entry.IsDirectory() || !IsDocumentPart(entry.Name))
      continue;
    if (entry.Size > limit) {
      reason = Format(u"its document text is larger than %d bytes", limit);
      return false;
    }
    LimitedBytes bytes(limit);
    try {
      archive.ExtractToStream(i, bytes);
    } catch (const std::exception &e) {
      reason = UTF8ToString(e.what());
      return false;
    }
    text = DOCXDocumentText(bytes.Bytes());
    return true;
  }
  reason = u"it has no word/document.xml: not a word-processor document";
  return false;
}

String DOCXFileText(const String &filename) {
  if (!FileExists(filename))
    return String();
  String text, reason;
  try {
    TZipArchive archive;
    archive.OpenArchive(filename);
    DOCXArchiveText(archive, text, reason);
  } catch (const std::exception &) {
    text.clear();
  }
  return text;
}

} // namespace textcore
