// Single-byte code-page tables: ICU's mapping of each byte, corrected to the Windows answers, and
// the reverse tables with best fits for WideCharToMultiByte.
#include "platform/nls_code_page_tables.h"

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/ucnv.h>
#include <unicode/unistr.h>

#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace textcore {

namespace {

bool IsConsolePage(uint32_t cp) {
  return cp == 437 || cp == 720 || cp == 737 || cp == 775 || cp == 850 || cp == 852 || cp == 855 ||
         cp == 857 || (cp >= 860 && cp <= 866) || cp == 869;
}

bool IsWindowsPage(uint32_t cp) { return cp == 874 || (cp >= 1250 && cp <= 1258); }

bool IsIsoPage(uint32_t cp) {
  return cp >= 28591 && cp <= 28605 && cp != 28600 && cp != 28601 && cp != 28602 && cp != 28604;
}

struct UConverterCloser {
  void operator()(UConverter *c) const { ucnv_close(c); }
};
using ConverterPtr = std::unique_ptr<UConverter, UConverterCloser>;

ConverterPtr OpenStrict(uint32_t code_page) {
  UErrorCode status = U_ZERO_ERROR;
  ConverterPtr conv(ucnv_open(ConverterNameOfCodePage(code_page).c_str(), &status));
  if (U_FAILURE(status))
    return nullptr;
  ucnv_setToUCallBack(conv.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
  ucnv_setFromUCallBack(conv.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
  return U_SUCCESS(status) ? std::move(conv) : nullptr;
}

// The character of one byte by ICU's table, or U+FFFD.
char16_t IcuCharOfByte(UConverter *conv, uint8_t byte) {
  ucnv_resetToUnicode(conv);
  UChar out[4];
  char in = static_cast<char>(byte);
  UErrorCode status = U_ZERO_ERROR;
  int32_t n = ucnv_toUChars(conv, out, 4, &in, 1, &status);
  return U_SUCCESS(status) && n == 1 ? out[0] : u'\uFFFD';
}

// The bytes where Windows's table has a character that ICU's lacks or gives otherwise: 1253's
// holes 0xAA, 0xD2 and 0xFF are Windows's private-use characters (ICU's IBM table gives 0xAA the
// feminine ordinal), 1255's 0xCA is the Hebrew point holam haser for vav and 852's 0xAA the not
// sign. ICU's 874 table already has Windows's private-use characters for that page's holes. 0 for
// every other byte.
char16_t WindowsCharOf(uint32_t code_page, uint8_t byte) {
  switch (code_page) {
  case 852:
    return byte == 0xAA ? u'\u00AC' : 0;
  case 1253:
    return byte == 0xAA ? u'\uF8F9' : byte == 0xD2 ? u'\uF8FA' : byte == 0xFF ? u'\uF8FB' : 0;
  case 1255:
    return byte == 0xCA ? u'\u05BA' : 0;
  default:
    return 0;
  }
}

// The character of a byte that the page has none for: in the 125x pages the C1 control of the
// same number for 0x80 to 0x9F, as Windows has it, and otherwise a private-use character of its
// own, U+F700 plus the byte, so that 8-bit text survives a trip through UTF-16 unchanged.
char16_t StandInOf(uint32_t code_page, uint8_t byte) {
  if (byte >= 0x80 && byte <= 0x9F && IsWindowsPage(code_page))
    return static_cast<char16_t>(byte);
  return static_cast<char16_t>(0xF700 + byte);
}

std::unique_ptr<SingleByteDecoder> BuildDecoder(uint32_t code_page) {
  ConverterPtr conv = OpenStrict(code_page);
  if (!conv)
    return nullptr;
  auto d = std::make_unique<SingleByteDecoder>();
  d->is_console_page = IsConsolePage(code_page);
  for (int b = 0; b < 256; ++b) {
    char16_t c = b < 0x80 ? static_cast<char16_t>(b) : IcuCharOfByte(conv.get(), uint8_t(b));
    if (char16_t windows = WindowsCharOf(code_page, uint8_t(b)); windows != 0)
      c = windows;
    else if (c == u'\uFFFD')
      c = StandInOf(code_page, uint8_t(b));
    d->to_unicode[b] = c;
  }
  return d;
}

// The byte ICU's fallback table gives c, if any.
uint16_t IcuFallbackOf(UConverter *conv, UChar c) {
  ucnv_resetFromUnicode(conv);
  char out[4];
  UErrorCode status = U_ZERO_ERROR;
  int32_t n = ucnv_fromUChars(conv, out, 4, &c, 1, &status);
  return U_SUCCESS(status) && n == 1 ? uint8_t(out[0]) : SingleByteEncoder::kNoByte;
}

// A letter with accents falls back to the bare letter, a compatibility form (full-width A,
// ligature-free forms of one character) to its plain form, when the page holds that.
uint16_t DecomposedFitOf(const uint16_t *exact, UChar32 c) {
  UErrorCode status = U_ZERO_ERROR;
  for (const icu::Normalizer2 *n :
       {icu::Normalizer2::getNFDInstance(status), icu::Normalizer2::getNFKDInstance(status)}) {
    if (U_FAILURE(status))
      return SingleByteEncoder::kNoByte;
    icu::UnicodeString parts;
    if (!n->getDecomposition(c, parts) || parts.length() == 0)
      continue;
    UChar32 first = parts.char32At(0);
    bool rest_are_marks = true;
    for (int32_t i = U16_LENGTH(first); i < parts.length(); ++i)
      rest_are_marks = rest_are_marks && u_getCombiningClass(parts.charAt(i)) != 0;
    if (first <= 0xFFFF && rest_are_marks && exact[first] != SingleByteEncoder::kNoByte)
      return exact[first];
  }
  return SingleByteEncoder::kNoByte;
}

struct EncoderStore {
  std::vector<uint16_t> exact, best_fit;
  SingleByteEncoder encoder;
};

std::unique_ptr<EncoderStore> BuildEncoder(uint32_t code_page, const SingleByteDecoder &d) {
  auto store = std::make_unique<EncoderStore>();
  store->exact.assign(0x10000, SingleByteEncoder::kNoByte);
  for (int b = 255; b >= 0; --b) // the lowest byte wins where two bytes share a character
    store->exact[d.to_unicode[b]] = static_cast<uint16_t>(b);
  store->best_fit = store->exact;
  ConverterPtr conv = OpenStrict(code_page);
  if (conv)
    ucnv_setFallback(conv.get(), true);
  for (UChar32 c = 0x80; c < 0x10000; ++c) {
    if (store->exact[c] != SingleByteEncoder::kNoByte || U_IS_SURROGATE(c) || c == 0xFFFD)
      continue;
    uint16_t fit =
        conv ? IcuFallbackOf(conv.get(), static_cast<UChar>(c)) : SingleByteEncoder::kNoByte;
    if (fit == SingleByteEncoder::kNoByte)
      fit = DecomposedFitOf(store->exact.data(), c);
    store->best_fit[c] = fit;
  }
  store->encoder.exact = store->exact.data();
  store->encoder.best_fit = store->best_fit.data();
  return store;
}

struct PageTables {
  std::unique_ptr<SingleByteDecoder> decoder;
  std::unique_ptr<EncoderStore> encoder;
  bool encoder_built = false;
};

std::mutex &TablesGuard() {
  static std::mutex guard;
  return guard;
}

// The tables of a single-byte page, with its decoder built; nullptr for other pages.
PageTables *TablesOf(uint32_t code_page) {
  static std::map<uint32_t, std::unique_ptr<PageTables>> pages;
  auto found = pages.find(code_page);
  if (found != pages.end())
    return found->second.get();
  std::unique_ptr<PageTables> tables;
  if (KindOfCodePage(code_page) == CodePageKind::kSingleByte) {
    tables = std::make_unique<PageTables>();
    tables->decoder = BuildDecoder(code_page);
    if (!tables->decoder)
      tables.reset();
  }
  return pages.emplace(code_page, std::move(tables)).first->second.get();
}

} // namespace

CodePageKind KindOfCodePage(uint32_t code_page) {
  if (code_page == 65001)
    return CodePageKind::kUtf8;
  if (code_page == 932 || code_page == 936 || code_page == 949 || code_page == 950)
    return CodePageKind::kDoubleByte;
  if (IsConsolePage(code_page) || IsWindowsPage(code_page) || IsIsoPage(code_page) ||
      code_page == 10000 || code_page == 20127 || code_page == 20866 || code_page == 21866)
    return CodePageKind::kSingleByte;
  return CodePageKind::kUnknown;
}

std::string ConverterNameOfCodePage(uint32_t code_page) {
  if (code_page == 932)
    return "windows-31j";
  if (code_page == 10000)
    return "macintosh";
  if (code_page == 20127)
    return "US-ASCII";
  if (code_page == 20866 || code_page == 21866)
    return code_page == 20866 ? "KOI8-R" : "KOI8-U";
  if (IsIsoPage(code_page))
    return "iso-8859-" + std::to_string(code_page - 28590);
  if (IsConsolePage(code_page))
    return "ibm-" + std::to_string(code_page);
  if (KindOfCodePage(code_page) == CodePageKind::kUnknown || code_page == 65001)
    return "";
  return "windows-" + std::to_string(code_page);
}

const SingleByteDecoder *DecoderOfCodePage(uint32_t code_page) {
  std::lock_guard<std::mutex> lock(TablesGuard());
  PageTables *tables = TablesOf(code_page);
  return tables ? tables->decoder.get() : nullptr;
}

const SingleByteEncoder *EncoderOfCodePage(uint32_t code_page) {
  std::lock_guard<std::mutex> lock(TablesGuard());
  PageTables *tables = TablesOf(code_page);
  if (!tables)
    return nullptr;
  if (!tables->encoder_built) {
    tables->encoder = BuildEncoder(code_page, *tables->decoder);
    tables->encoder_built = true;
  }
  return &tables->encoder->encoder;
}

char16_t ConsoleGlyphOf(uint8_t b) {
  static constexpr char16_t kGlyphs[32] = {
      0x0000, 0x263A, 0x263B, 0x2665, 0x2666, 0x2663, 0x2660, 0x2022, 0x25D8, 0x25CB, 0x25D9,
      0x2642, 0x2640, 0x266A, 0x266B, 0x263C, 0x25BA, 0x25C4, 0x2195, 0x203C, 0x00B6, 0x00A7,
      0x25AC, 0x21A8, 0x2191, 0x2193, 0x2192, 0x2190, 0x221F, 0x2194, 0x25B2, 0x25BC};
  if (b < 32)
    return kGlyphs[b];
  return b == 0x7F ? u'\u2302' : static_cast<char16_t>(b);
}

} // namespace textcore
