// TEncoding: UTF-16 encodings written here, 8-bit code pages and UTF-8 through the
// national-language layer's MultiByteToWideChar and WideCharToMultiByte.
#include "platform/encoding.h"

#include "platform/nls_code_pages.h"
#include "platform/nls_last_error.h"

#include <algorithm>
#include <limits>
#include <map>
#include <memory>
#include <mutex>

namespace textcore {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

// UTF-16 in either byte order; no conversion, so lone surrogates survive both ways.
class UTF16Encoding final : public TEncoding {
public:
  explicit UTF16Encoding(bool big_endian)
      : TEncoding(big_endian ? CP_UTF16BE : CP_UTF16LE), fBigEndian(big_endian) {}

  TBytes GetPreamble() const override {
    return fBigEndian ? TBytes{0xFE, 0xFF} : TBytes{0xFF, 0xFE};
  }

  TBytes GetBytes(StringView text) const override {
    TBytes bytes(text.size() * 2);
    for (size_t i = 0; i < text.size(); ++i) {
      const auto hi = static_cast<uint8_t>(text[i] >> 8), lo = static_cast<uint8_t>(text[i]);
      bytes[2 * i] = fBigEndian ? hi : lo;
      bytes[2 * i + 1] = fBigEndian ? lo : hi;
    }
    return bytes;
  }

  String GetString(ByteSpan bytes) const override {
    const size_t units = bytes.size() / 2;
    String text(units + bytes.size() % 2, kReplacement);
    for (size_t i = 0; i < units; ++i) {
      const uint8_t first = bytes[2 * i], second = bytes[2 * i + 1];
      text[i] = static_cast<char16_t>(fBigEndian ? (first << 8) | second : (second << 8) | first);
    }
    return text;
  }

  bool IsSingleByte() const override { return false; }

private:
  bool fBigEndian;
};

// 8-bit code pages and UTF-8 through the national-language layer's converters, so that every
// code page is converted one way only. A character the page lacks becomes "?", never a best fit:
// an encoding's bytes must say what the text said or say that they cannot.
class CodePageEncoding final : public TEncoding {
public:
  explicit CodePageEncoding(uint32_t code_page) : TEncoding(code_page) {}

  TBytes GetPreamble() const override {
    return CodePage() == CP_UTF8 ? TBytes{0xEF, 0xBB, 0xBF} : TBytes{};
  }
  TBytes GetBytes(StringView text) const override;
  String GetString(ByteSpan bytes) const override;
  bool IsSingleByte() const override { return CodePageToUnicodeTable(CodePage()) != nullptr; }
};

void CheckLength(size_t length) {
  if (length > static_cast<size_t>(std::numeric_limits<int32_t>::max()))
    throw EEncodingError(std::string_view("Text too long to convert"));
}

TBytes CodePageEncoding::GetBytes(StringView text) const {
  if (text.empty())
    return {};
  CheckLength(text.size());
  const auto length = static_cast<int32_t>(text.size());
  const uint32_t flags = CodePage() == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
  const int32_t needed =
      WideCharToMultiByte(CodePage(), flags, text.data(), length, nullptr, 0, nullptr, nullptr);
  TBytes bytes(static_cast<size_t>(needed));
  if (needed == 0 || WideCharToMultiByte(CodePage(), flags, text.data(), length,
                                         reinterpret_cast<char *>(bytes.data()), needed, nullptr,
                                         nullptr) != needed)
    throw EEncodingError(u"Text conversion failed, error " + UIntToStr(GetLastError()));
  return bytes;
}

String CodePageEncoding::GetString(ByteSpan bytes) const {
  if (bytes.empty())
    return String();
  CheckLength(bytes.size());
  const auto *source = reinterpret_cast<const char *>(bytes.data());
  const auto length = static_cast<int32_t>(bytes.size());
  const int32_t needed = MultiByteToWideChar(CodePage(), 0, source, length, nullptr, 0);
  String text(static_cast<size_t>(needed), u'\0');
  if (needed == 0 ||
      MultiByteToWideChar(CodePage(), 0, source, length, text.data(), needed) != needed)
    throw EEncodingError(u"Text conversion failed, error " + UIntToStr(GetLastError()));
  return text;
}

std::unique_ptr<TEncoding> CreateEncoding(uint32_t code_page) {
  if (code_page == CP_UTF16LE || code_page == CP_UTF16BE)
    return std::make_unique<UTF16Encoding>(code_page == CP_UTF16BE);
  // CP_ACP and its kin name no code page of their own here: callers ask for Default().
  if (code_page <= CP_THREAD_ACP || !IsValidCodePage(code_page))
    throw EEncodingError(u"Code page " + UIntToStr(code_page) + u" is not supported");
  return std::make_unique<CodePageEncoding>(code_page);
}

bool StartsWith(ByteSpan bytes, const TBytes &mark) {
  return bytes.size() >= mark.size() && std::equal(mark.begin(), mark.end(), bytes.begin());
}

} // namespace

const TEncoding *TEncoding::GetEncoding(uint32_t code_page) {
  // Encodings are handed out as plain pointers for the life of the process, so the table is
  // never destroyed: nothing that runs at exit can see a freed encoding.
  static auto *encodings = new std::map<uint32_t, std::unique_ptr<TEncoding>>;
  static auto *lock = new std::mutex;
  std::lock_guard<std::mutex> hold(*lock);
  auto found = encodings->find(code_page);
  if (found == encodings->end())
    found = encodings->emplace(code_page, CreateEncoding(code_page)).first;
  return found->second.get();
}

// The system's 8-bit code page, fixed at first use as the framework fixed it at start-up.
const TEncoding *TEncoding::Default() {
  static const TEncoding *encoding = GetEncoding(GetACP());
  return encoding;
}

const TEncoding *TEncoding::ASCII() {
  static const TEncoding *encoding = GetEncoding(CP_ASCII);
  return encoding;
}

const TEncoding *TEncoding::UTF8() {
  static const TEncoding *encoding = GetEncoding(CP_UTF8);
  return encoding;
}

const TEncoding *TEncoding::Unicode() {
  static const TEncoding *encoding = GetEncoding(CP_UTF16LE);
  return encoding;
}

const TEncoding *TEncoding::BigEndianUnicode() {
  static const TEncoding *encoding = GetEncoding(CP_UTF16BE);
  return encoding;
}

const TEncoding *TEncoding::GetBufferEncoding(ByteSpan bytes, const TEncoding *default_encoding,
                                              int32_t &preamble_length) {
  for (const TEncoding *candidate : {UTF8(), Unicode(), BigEndianUnicode()}) {
    const TBytes mark = candidate->GetPreamble();
    if (StartsWith(bytes, mark)) {
      preamble_length = static_cast<int32_t>(mark.size());
      return candidate;
    }
  }
  preamble_length = 0;
  return default_encoding != nullptr ? default_encoding : Default();
}

} // namespace textcore
