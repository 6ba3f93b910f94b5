// The character-class tables and GetStringTypeEx.
//
// Classes follow the Windows character-type service: symbols count as punctuation; every
// combining mark is alphabetic, so that a letter and its accents (or a Thai or Devanagari
// syllable with its vowel signs) stay one word; format characters such as the joiners U+200C
// and U+200D are controls (the search engine promotes the joiners itself); no-break spaces are
// blanks; superscript and other numbered forms are digits that are also punctuation; private-use
// units are defined and nothing else; unassigned code points and noncharacters have no class.
#include "platform/nls_char_types.h"

#include "platform/nls_buffers.h"
#include "platform/nls_code_page_tables.h"
#include "platform/nls_code_pages.h"
#include "platform/nls_last_error.h"

#include <unicode/uchar.h>
#include <unicode/utf16.h>

#include <map>
#include <memory>
#include <mutex>

namespace textcore {

namespace {

bool IsHexDigit(UChar32 c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f') ||
         (c >= 0xFF10 && c <= 0xFF19) || (c >= 0xFF21 && c <= 0xFF26) ||
         (c >= 0xFF41 && c <= 0xFF46);
}

uint16_t CaseBits(UChar32 c) {
  uint16_t bits = 0;
  if (u_hasBinaryProperty(c, UCHAR_UPPERCASE) || u_charType(c) == U_TITLECASE_LETTER)
    bits |= C1_UPPER;
  if (u_hasBinaryProperty(c, UCHAR_LOWERCASE))
    bits |= C1_LOWER;
  return bits;
}

uint16_t ControlBits(UChar32 c) {
  uint16_t bits = C1_CNTRL;
  if (c >= 0x09 && c <= 0x0D)
    bits |= C1_SPACE;
  if (c == 0x09)
    bits |= C1_BLANK;
  return bits;
}

// The classes of one code unit, before C1_DEFINED and C1_XDIGIT are added.
uint16_t KindBits(UChar32 c) {
  switch (u_charType(c)) {
  case U_UPPERCASE_LETTER:
  case U_LOWERCASE_LETTER:
  case U_TITLECASE_LETTER:
  case U_MODIFIER_LETTER:
  case U_OTHER_LETTER:
  case U_LETTER_NUMBER:
  case U_NON_SPACING_MARK:
  case U_COMBINING_SPACING_MARK:
  case U_ENCLOSING_MARK:
    return C1_ALPHA | CaseBits(c);
  case U_DECIMAL_DIGIT_NUMBER:
    return C1_DIGIT;
  case U_OTHER_NUMBER:
    return u_getIntPropertyValue(c, UCHAR_NUMERIC_TYPE) == U_NT_DIGIT ? C1_DIGIT | C1_PUNCT
                                                                      : C1_PUNCT;
  case U_SPACE_SEPARATOR:
    return C1_SPACE | C1_BLANK;
  case U_LINE_SEPARATOR:
  case U_PARAGRAPH_SEPARATOR:
    return C1_SPACE;
  case U_CONTROL_CHAR:
    return ControlBits(c);
  case U_FORMAT_CHAR:
    return c == 0x00AD ? C1_PUNCT : C1_CNTRL; // the soft hyphen is Latin-1 punctuation
  case U_PRIVATE_USE_CHAR:
  case U_SURROGATE:
    return 0;
  default: // punctuation and symbols; a symbol that is a letter (circled A) stays a letter
    return u_hasBinaryProperty(c, UCHAR_ALPHABETIC) ? C1_ALPHA | CaseBits(c) : C1_PUNCT;
  }
}

uint16_t ClassOfUnit(UChar32 c) {
  if (u_charType(c) == U_UNASSIGNED)
    return 0;
  uint16_t bits = KindBits(c) | C1_DEFINED;
  if (IsHexDigit(c))
    bits |= C1_XDIGIT;
  return bits;
}

uint16_t BidiClassOfUnit(UChar32 c) {
  if (u_charType(c) == U_UNASSIGNED || U_IS_SURROGATE(c))
    return C2_NOTAPPLICABLE;
  switch (u_charDirection(c)) {
  case U_LEFT_TO_RIGHT:
    return C2_LEFTTORIGHT;
  case U_RIGHT_TO_LEFT:
  case U_RIGHT_TO_LEFT_ARABIC:
    return C2_RIGHTTOLEFT;
  case U_EUROPEAN_NUMBER:
    return C2_EUROPENUMBER;
  case U_EUROPEAN_NUMBER_SEPARATOR:
    return C2_EUROPESEPARATOR;
  case U_EUROPEAN_NUMBER_TERMINATOR:
    return C2_EUROPETERMINATOR;
  case U_ARABIC_NUMBER:
    return C2_ARABICNUMBER;
  case U_COMMON_NUMBER_SEPARATOR:
    return C2_COMMONSEPARATOR;
  case U_BLOCK_SEPARATOR:
    return C2_BLOCKSEPARATOR;
  case U_SEGMENT_SEPARATOR:
    return C2_SEGMENTSEPARATOR;
  case U_WHITE_SPACE_NEUTRAL:
    return C2_WHITESPACE;
  case U_OTHER_NEUTRAL:
    return C2_OTHERNEUTRAL;
  default: // marks, boundary-neutral and the embedding controls have no direction of their own
    return C2_NOTAPPLICABLE;
  }
}

struct UnitTable {
  uint16_t classes[0x10000];
};

std::unique_ptr<UnitTable> BuildUnitTable(uint16_t (*classify)(UChar32)) {
  auto table = std::make_unique<UnitTable>();
  for (UChar32 c = 0; c < 0x10000; ++c)
    table->classes[c] = classify(c);
  return table;
}

const uint16_t *CType2Table() {
  static const std::unique_ptr<UnitTable> table = BuildUnitTable(BidiClassOfUnit);
  return table->classes;
}

// Classes of the bytes of a code page: single bytes as the characters they stand for; the
// lead byte of a double-byte character has none of its own.
std::unique_ptr<uint16_t[]> BuildByteTable(uint32_t code_page, const uint16_t *units) {
  auto table = std::make_unique<uint16_t[]>(256);
  for (int b = 0; b < 256; ++b) {
    table[b] = 0;
    if (IsDBCSLeadByteEx(code_page, uint8_t(b)))
      continue;
    char byte = static_cast<char>(b);
    char16_t c = 0;
    if (MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, &byte, 1, &c, 1) == 1)
      table[b] = units[c];
  }
  return table;
}

bool ValidRun(const void *text, int32_t count, const uint16_t *types, size_t unit) {
  if (text == nullptr || types == nullptr || count < -1 || count == 0)
    return false;
  const char *t = static_cast<const char *>(text);
  const char *o = reinterpret_cast<const char *>(types);
  // The output may not overlap the text (the length is only known for a count).
  return count == -1 ? o != t : (o + 2 * size_t(count) <= t || t + unit * size_t(count) <= o);
}

uint8_t PropertiesOfUnit(UChar32 c) {
  uint8_t bits = static_cast<uint8_t>(u_charType(c));
  if (u_isUWhiteSpace(c))
    bits |= kUnicodeWhiteSpace;
  return bits;
}

// The category numbers of the public enumeration are ICU's own.
constexpr bool SameCategory(TUnicodeCategory ours, UCharCategory icu) {
  return static_cast<int>(ours) == static_cast<int>(icu);
}
static_assert(SameCategory(ucCn, U_UNASSIGNED) && SameCategory(ucLu, U_UPPERCASE_LETTER) &&
              SameCategory(ucLo, U_OTHER_LETTER) && SameCategory(ucMn, U_NON_SPACING_MARK) &&
              SameCategory(ucMc, U_COMBINING_SPACING_MARK) &&
              SameCategory(ucNd, U_DECIMAL_DIGIT_NUMBER) && SameCategory(ucZs, U_SPACE_SEPARATOR) &&
              SameCategory(ucCc, U_CONTROL_CHAR) && SameCategory(ucCs, U_SURROGATE) &&
              SameCategory(ucPd, U_DASH_PUNCTUATION) && SameCategory(ucPo, U_OTHER_PUNCTUATION) &&
              SameCategory(ucSm, U_MATH_SYMBOL) && SameCategory(ucSo, U_OTHER_SYMBOL) &&
              SameCategory(ucPi, U_INITIAL_PUNCTUATION) && SameCategory(ucPf, U_FINAL_PUNCTUATION));
static_assert(U_CHAR_CATEGORY_COUNT == ucPf + 1);

} // namespace

const uint8_t *UnicodePropertyTable() {
  static const std::unique_ptr<uint8_t[]> table = [] {
    auto bytes = std::make_unique<uint8_t[]>(0x10000);
    for (UChar32 c = 0; c < 0x10000; ++c)
      bytes[c] = PropertiesOfUnit(c);
    return bytes;
  }();
  return table.get();
}

const uint16_t *CType1Table(LCID) {
  static const std::unique_ptr<UnitTable> table = BuildUnitTable(ClassOfUnit);
  return table->classes;
}

const uint16_t *CType1TableOfCodePage(uint32_t code_page) {
  if (!IsValidCodePage(code_page) || code_page == CP_UTF8)
    return nullptr;
  static std::mutex guard;
  static std::map<uint32_t, std::unique_ptr<uint16_t[]>> tables;
  std::lock_guard<std::mutex> lock(guard);
  auto &table = tables[code_page];
  if (!table)
    table = BuildByteTable(code_page, CType1Table());
  return table.get();
}

bool GetStringTypeExW(LCID, uint32_t info_type, const char16_t *text, int32_t count,
                      uint16_t *types) {
  if (!ValidRun(text, count, types, sizeof(char16_t)))
    return Fail(ERROR_INVALID_PARAMETER);
  if (info_type != CT_CTYPE1 && info_type != CT_CTYPE2)
    return Fail(ERROR_INVALID_FLAGS);
  count = RunLength(text, count);
  const uint16_t *table = info_type == CT_CTYPE1 ? CType1Table() : CType2Table();
  for (int32_t i = 0; i < count; ++i)
    types[i] = table[text[i]];
  return true;
}

bool GetStringTypeExA(LCID locale, uint32_t info_type, const char *text, int32_t count,
                      uint16_t *types) {
  if (!ValidRun(text, count, types, 1))
    return Fail(ERROR_INVALID_PARAMETER);
  if (info_type != CT_CTYPE1)
    return Fail(ERROR_INVALID_FLAGS);
  uint32_t code_page = DefaultAnsiCodePageOf(locale);
  if (code_page == 0)
    code_page = GetACP();
  const uint16_t *table = CType1TableOfCodePage(code_page);
  if (table == nullptr)
    return Fail(ERROR_INVALID_PARAMETER);
  count = RunLength(text, count);
  const auto *bytes = reinterpret_cast<const uint8_t *>(text);
  for (int32_t i = 0; i < count; ++i) {
    // Both bytes of a double-byte character get the character's classes.
    if (i + 1 < count && IsDBCSLeadByteEx(code_page, bytes[i])) {
      char16_t c = 0;
      if (MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, text + i, 2, &c, 1) == 1) {
        types[i] = types[i + 1] = CType1Table()[c];
        ++i;
        continue;
      }
    }
    types[i] = table[bytes[i]];
  }
  return true;
}

} // namespace textcore
