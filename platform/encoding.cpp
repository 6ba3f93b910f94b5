// TEncoding: UTF-16 encodings written here, 8-bit code pages and UTF-8 through ICU converters.
#include "platform/encoding.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>

#include <algorithm>
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

// Every byte sequence a converter cannot decode becomes one U+FFFD. ICU's own substitute writes
// U+001A for unassigned bytes of some code pages, which would read as a control character.
void WriteReplacementCharacter(const void *, UConverterToUnicodeArgs *args, const char *, int32_t,
                               UConverterCallbackReason reason, UErrorCode *status) {
  if (reason > UCNV_IRREGULAR)
    return; // reset, close and clone need nothing from us
  *status = U_ZERO_ERROR;
  ucnv_cbToUWriteUChars(args, &kReplacement, 1, 0, status);
}

// An ICU converter behind a lock: a UConverter keeps state between calls and may not be shared
// by two threads at once.
class IcuEncoding final : public TEncoding {
public:
  IcuEncoding(uint32_t code_page, UConverter *converter)
      : TEncoding(code_page), fConverter(converter) {
    UErrorCode status = U_ZERO_ERROR;
    ucnv_setToUCallBack(fConverter, WriteReplacementCharacter, nullptr, nullptr, nullptr, &status);
    // UTF-8 keeps ICU's substitute, U+FFFD, for a lone surrogate; code pages get "?".
    if (code_page != CP_UTF8)
      ucnv_setSubstChars(fConverter, "?", 1, &status);
    fSingleByte = ucnv_getMaxCharSize(fConverter) == 1;
  }
  ~IcuEncoding() override { ucnv_close(fConverter); }

  TBytes GetPreamble() const override {
    return CodePage() == CP_UTF8 ? TBytes{0xEF, 0xBB, 0xBF} : TBytes{};
  }
  TBytes GetBytes(StringView text) const override;
  String GetString(ByteSpan bytes) const override;
  bool IsSingleByte() const override { return fSingleByte; }

private:
  UConverter *fConverter;
  bool fSingleByte = false;
  mutable std::mutex fLock;
};

// Runs one ICU streaming conversion to its end, growing out whenever the converter fills it.
template <typename Out, typename In, typename Convert>
void ConvertAll(Out &out, const In *source, const In *source_end, Convert convert) {
  using Unit = typename Out::value_type;
  size_t used = 0;
  size_t capacity = static_cast<size_t>(source_end - source) + 16;
  UErrorCode status = U_BUFFER_OVERFLOW_ERROR;
  while (status == U_BUFFER_OVERFLOW_ERROR) {
    out.resize(capacity);
    capacity *= 2;
    Unit *target = out.data() + used;
    status = U_ZERO_ERROR;
    convert(&target, out.data() + out.size(), &source, source_end, &status);
    used = static_cast<size_t>(target - out.data());
  }
  if (U_FAILURE(status))
    throw EEncodingError(std::string("Text conversion failed: ") + u_errorName(status));
  out.resize(used);
}

TBytes IcuEncoding::GetBytes(StringView text) const {
  TBytes bytes;
  std::lock_guard<std::mutex> hold(fLock);
  ucnv_resetFromUnicode(fConverter);
  ConvertAll(bytes, text.data(), text.data() + text.size(),
             [this](uint8_t **target, uint8_t *target_end, const char16_t **source,
                    const char16_t *source_end, UErrorCode *status) {
               char *out = reinterpret_cast<char *>(*target);
               ucnv_fromUnicode(fConverter, &out, reinterpret_cast<char *>(target_end), source,
                                source_end, nullptr, true, status);
               *target = reinterpret_cast<uint8_t *>(out);
             });
  return bytes;
}

String IcuEncoding::GetString(ByteSpan bytes) const {
  String text;
  const auto *begin = reinterpret_cast<const char *>(bytes.data());
  std::lock_guard<std::mutex> hold(fLock);
  ucnv_resetToUnicode(fConverter);
  ConvertAll(text, begin, begin + bytes.size(),
             [this](char16_t **target, char16_t *target_end, const char **source,
                    const char *source_end, UErrorCode *status) {
               ucnv_toUnicode(fConverter, target, target_end, source, source_end, nullptr, true,
                              status);
             });
  return text;
}

// ICU's names for a Windows code page, tried in order.
std::vector<std::string> IcuNamesFor(uint32_t code_page) {
  const std::string number = std::to_string(code_page);
  if (code_page == CP_UTF8)
    return {"UTF-8"};
  if (code_page == CP_ASCII)
    return {"US-ASCII"};
  if (code_page >= 28591 && code_page <= 28606)
    return {"ISO-8859-" + std::to_string(code_page - 28590)};
  return {"windows-" + number, "ibm-" + number, "cp" + number};
}

UConverter *OpenConverter(uint32_t code_page) {
  for (const std::string &name : IcuNamesFor(code_page)) {
    UErrorCode status = U_ZERO_ERROR;
    UConverter *converter = ucnv_open(name.c_str(), &status);
    if (U_SUCCESS(status))
      return converter; // an ambiguous alias is a warning, and the converter is usable
  }
  return nullptr;
}

std::unique_ptr<TEncoding> CreateEncoding(uint32_t code_page) {
  if (code_page == CP_UTF16LE || code_page == CP_UTF16BE)
    return std::make_unique<UTF16Encoding>(code_page == CP_UTF16BE);
  UConverter *converter = OpenConverter(code_page);
  if (converter == nullptr)
    throw EEncodingError(u"Code page " + UIntToStr(code_page) + u" is not supported");
  return std::make_unique<IcuEncoding>(code_page, converter);
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

const TEncoding *TEncoding::Default() {
  static const TEncoding *encoding = GetEncoding(1252);
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
