// The character-set tables and the mappings between locales, code pages and charset numbers.
#include "fonts/charsets.h"

#include "fonts/unidisplay_lifetime.h"

namespace unidisplay {

std::array<charset_info, kCharsetsSetCount> charsetinfo;

namespace {

struct CharsetFacts {
  const char16_t *name;
  uint8_t n;
  uint32_t code_page;
};

// In charsets_set order.
constexpr CharsetFacts kCharsets[kCharsetsSetCount] = {
    {u"Vietnamese symbols", 163, 1258},     {u"Korean Johab symbols", 130, 1361},
    {u"Korean Hangeul symbols", 129, 949},  {u"Chinese Big 5 symbols", 136, 950},
    {u"Chinese GB 2312 symbols", 134, 936}, {u"Japanese Shiftjis symbols", 128, 932},
    {u"Arabic symbols", 178, 1256},         {u"Greek symbols", 161, 1253},
    {u"Cyrillic symbols", 204, 1251},       {u"Eastern European symbols", 238, 1250},
    {u"Baltic area symbols", 186, 1257},    {u"Turkish symbols", 162, 1254},
    {u"Hebrew symbols", 177, 1255},         {u"Thai symbols", 222, 874},
    {u"Western European symbols", 0, 1252},
};

} // namespace

void StartFont_basicsu() {
  for (int32_t set = 0; set < kCharsetsSetCount; ++set) {
    charset_info &info = charsetinfo[set];
    info.name = kCharsets[set].name;
    info.n = kCharsets[set].n;
    info.installed = false;
    info.fonts = new textcore::TStringList();
    info.fonts->SetSorted(true);
    info.fonts->SetDuplicates(textcore::dupIgnore);
  }
}

void FinishFont_basicsu() noexcept {
  for (charset_info &info : charsetinfo) {
    delete info.fonts;
    info.fonts = nullptr;
  }
}

uint8_t CharsetByteFromLCID(textcore::LCID lcid) {
  // Serbian in Cyrillic script shares its primary language with Croatian.
  if (lcid == 3098)
    return 204;
  // The low 9 bits, not textcore::PrimaryLanguage's 10: the stored charsets were chosen this way,
  // and 511 is a language of its own here.
  switch (lcid & 0x1FF) {
  case 1:
  case 41:
    return 178;
  case 2:
  case 25:
  case 34:
  case 35:
    return 204;
  case 4:
    return 136;
  case 5:
  case 14:
  case 21:
  case 24:
  case 26:
  case 27:
  case 36:
    return 238;
  case 8:
    return 161;
  case 13:
    return 177;
  case 17:
    return 128;
  case 18:
    return 130;
  case 30:
    return 222;
  case 31:
    return 162;
  case 37:
  case 38:
  case 39:
    return 186;
  case 42:
    return 163;
  case 511:
    return 254;
  default:
    return 0;
  }
}

uint32_t CharsetToWindowsCodepage(uint32_t charset) {
  for (const CharsetFacts &facts : kCharsets)
    if (facts.n == charset)
      return facts.code_page;
  return 1252;
}

charsets_set CharsetTypeFromCodepage(uint32_t code_page) {
  if (code_page >= 708 && code_page <= 720)
    return ARABIC_CHARS;
  switch (code_page) {
  case 1258:
    return VIETNAMESE_CHARS;
  case 1361:
    return JOHAB_CHARS;
  case 949:
    return HANGEUL_CHARS;
  case 950:
    return CHINESEBIG5_CHARS;
  case 936:
    return GB2312_CHARS;
  case 932:
  case 10001:
    return SHIFTJIS_CHARS;
  case 864:
  case 1256:
    return ARABIC_CHARS;
  case 737:
  case 869:
  case 1253:
  case 10006:
    return GREEK_CHARS;
  case 8:
  case 855:
  case 866:
  case 1251:
  case 10007:
    return RUSSIAN_CHARS;
  case 852:
  case 1250:
    return EASTEUROPE_CHARS;
  case 771:
  case 775:
  case 1257:
    return BALTIC_CHARS;
  case 857:
  case 1254:
  case 10081:
    return TURKISH_CHARS;
  case 862:
  case 1255:
    return HEBREW_CHARS;
  case 874:
    return THAI_CHARS;
  default:
    return ANSI_CHARS;
  }
}

charsets_set CharsetTypeFromCharsetByte(uint8_t charset) {
  for (int32_t set = 0; set < ANSI_CHARS; ++set)
    if (kCharsets[set].n == charset)
      return static_cast<charsets_set>(set);
  return ANSI_CHARS;
}

uint8_t CharsetByteFromCharsetType(charsets_set set) {
  return set < kCharsetsSetCount ? kCharsets[set].n : kCharsets[ANSI_CHARS].n;
}

} // namespace unidisplay
