// The current message texts, and the loading of a translation that replaces them.
#include "messages/message_translation.h"

#include "core/logging_utilities.h"
#include "messages/message.h"
#include "messages/message_placeholders.h"
#include "messages/message_table.h"
#include "platform/exceptions.h"
#include "platform/streams.h"

#include <algorithm>
#include <memory>

namespace textcore {

namespace {

// Constant-initialised: the built-in texts are current from the moment the library is mapped.
constinit const StringView *gCurrentTexts = message_table::kBuiltinTexts;

// The texts of one applied translation and the full table of views that points into them.
struct TranslationTexts {
  std::vector<String> texts;
  std::vector<StringView> table;
};

// Every applied translation stays until the library is unloaded, so a view that Text() handed
// out never dangles, however often a translation is loaded. The built-in texts become current
// again before the stores go.
struct TranslationStores {
  std::vector<std::unique_ptr<TranslationTexts>> all;
  ~TranslationStores() { gCurrentTexts = message_table::kBuiltinTexts; }
};

TranslationStores &Stores() {
  static TranslationStores stores;
  return stores;
}

String Refusal(int32_t line_no, StringView reason) {
  return u"translation line " + IntToStr(line_no) + u": " + String(reason) +
         u"; the built-in text stays";
}

// Undoes \r \n \t \\; any other backslash is kept as it stands.
String Unescape(StringView s) {
  String out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    char16_t c = s[i];
    if (c == u'\\' && i + 1 < s.size()) {
      char16_t next = s[i + 1];
      char16_t plain = next == u'r' ? u'\r' : next == u'n' ? u'\n' : next == u't' ? u'\t' : next;
      if (plain != next || next == u'\\') {
        out.push_back(plain);
        ++i;
        continue;
      }
    }
    out.push_back(c);
  }
  return out;
}

class TranslationReader {
public:
  explicit TranslationReader(TTranslationResult &result)
      : fResult(result), fChosen(message_table::kCount, -1),
        fStore(std::make_unique<TranslationTexts>()) {}

  void ReadLine(StringView line, int32_t line_no) {
    if (line.empty() || line.front() == u'#' || Trim(line).empty())
      return;
    size_t tab = line.find(u'\t');
    if (tab == StringView::npos)
      return Refuse(line_no, u"no TAB between the name and the text");
    StringView name = line.substr(0, tab);
    TMessage message(0);
    if (!FindMessage(name, message))
      return Refuse(line_no, QuotedStr(name.substr(0, 64)) + u" is not a message name");
    String text = Unescape(line.substr(tab + 1));
    String label = ASCIIToString(message.Name());
    if (fChosen[message.Index()] >= 0)
      return Refuse(line_no, label + u" was already translated on an earlier line");
    if (text.empty())
      return Refuse(line_no, label + u" has an empty text");
    if (!SamePlaceholders(text, message.BuiltinText()))
      return Refuse(line_no, label + u" has placeholders that differ from the built-in text");
    fChosen[message.Index()] = static_cast<int32_t>(fStore->texts.size());
    fStore->texts.push_back(std::move(text));
    ++fResult.applied;
  }

  // Builds the table (only now, when the texts no longer move) and makes it current.
  void Install() {
    if (fResult.applied == 0) {
      gCurrentTexts = message_table::kBuiltinTexts;
      return;
    }
    fStore->table.resize(message_table::kCount);
    for (int32_t i = 0; i < message_table::kCount; ++i)
      fStore->table[i] =
          fChosen[i] >= 0 ? StringView(fStore->texts[fChosen[i]]) : message_table::kBuiltinTexts[i];
    gCurrentTexts = fStore->table.data();
    Stores().all.push_back(std::move(fStore));
  }

private:
  void Refuse(int32_t line_no, StringView reason) {
    fResult.refusals.push_back(Refusal(line_no, reason));
  }

  TTranslationResult &fResult;
  std::vector<int32_t> fChosen; // per message, its text's place in fStore->texts, or -1
  std::unique_ptr<TranslationTexts> fStore;
};

// Lines end at CR LF, LF or CR.
template <typename Visit> void ForEachLine(StringView text, Visit visit) {
  int32_t line_no = 0;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = std::min(text.find_first_of(u"\r\n", start), text.size());
    visit(text.substr(start, end - start), ++line_no);
    bool crlf = end + 1 < text.size() && text[end] == u'\r' && text[end + 1] == u'\n';
    start = end + (crlf ? 2 : 1);
  }
}

void LogRefusals(const TTranslationResult &result) {
  for (const String &line : result.refusals)
    AddToLogFile(line, true);
}

String DecodeUTF16(const uint8_t *bytes, size_t count, bool big_endian) {
  String out;
  out.reserve(count / 2 + 1);
  for (size_t i = 0; i + 1 < count; i += 2)
    out.push_back(big_endian ? char16_t(bytes[i] << 8 | bytes[i + 1])
                             : char16_t(bytes[i + 1] << 8 | bytes[i]));
  if (count % 2 != 0)
    out.push_back(u'\xFFFD'); // an odd trailing byte is shown, not dropped
  return out;
}

// UTF-8 or UTF-16 by the byte-order mark; without one, a zero byte beside the first (ASCII)
// character says UTF-16 and its side says which order.
String DecodeTranslationFile(const std::vector<uint8_t> &b) {
  const size_t n = b.size();
  if (n >= 3 && b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF)
    return UTF8ToString(std::string_view(reinterpret_cast<const char *>(b.data()) + 3, n - 3));
  if (n >= 2 && b[0] == 0xFF && b[1] == 0xFE)
    return DecodeUTF16(b.data() + 2, n - 2, false);
  if (n >= 2 && b[0] == 0xFE && b[1] == 0xFF)
    return DecodeUTF16(b.data() + 2, n - 2, true);
  if (n >= 2 && b[0] != 0 && b[1] == 0)
    return DecodeUTF16(b.data(), n, false);
  if (n >= 2 && b[0] == 0 && b[1] != 0)
    return DecodeUTF16(b.data(), n, true);
  return UTF8ToString(std::string_view(reinterpret_cast<const char *>(b.data()), n));
}

} // namespace

StringView TMessage::Text() const {
  return fIndex < message_table::kCount ? gCurrentTexts[fIndex] : StringView();
}

TTranslationResult ApplyTranslation(StringView translation) {
  TTranslationResult result;
  if (!translation.empty() && translation.front() == u'\xFEFF')
    translation.remove_prefix(1);
  TranslationReader reader(result);
  ForEachLine(translation,
              [&](StringView line, int32_t line_no) { reader.ReadLine(line, line_no); });
  reader.Install();
  LogRefusals(result);
  return result;
}

bool LoadTranslationFile(const String &file_name, TTranslationResult &result) {
  result = TTranslationResult();
  std::vector<uint8_t> bytes;
  try {
    TFileStream file(file_name, fmOpenRead | fmShareDenyWrite);
    int64_t size = file.Size();
    if (size > kMaxTranslationFileBytes) {
      result.refusals.push_back(u"translation " + file_name + u" is too large to be one");
      LogRefusals(result);
      return false;
    }
    bytes.resize(static_cast<size_t>(size));
    file.ReadBuffer(bytes.data(), size);
  } catch (const Exception &e) {
    result.refusals.push_back(u"translation " + file_name + u" cannot be read: " + e.Message());
    LogRefusals(result);
    return false;
  }
  result = ApplyTranslation(DecodeTranslationFile(bytes));
  return true;
}

void UseBuiltinTexts() { gCurrentTexts = message_table::kBuiltinTexts; }

} // namespace textcore
