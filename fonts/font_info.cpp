// A family's signature and extra glyphs through Qt.
#include "fonts/font_info.h"

#include "fonts/charsets.h"
#include "fonts/qt_font_signature.h"
#include "platform/nls_code_pages.h"
#include "platform/qt_strings.h"

#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QRawFont>
#include <QScreen>

namespace unidisplay {
namespace {

// One letter of each script that a font may add to its character set: Latin beyond Western
// Europe, Greek, Cyrillic, Armenian, Hebrew, Arabic, Devanagari, Thai, Georgian, Hiragana, Han,
// Hangul.
constexpr char16_t kProbes[] = {0x0102, 0x0391, 0x0410, 0x0531, 0x05D0, 0x0627,
                                0x0905, 0x0E01, 0x10D0, 0x3042, 0x4E00, 0xAC00};

bool CodePageEncodes(uint32_t code_page, char16_t character) {
  char bytes[8];
  bool used_default = false;
  const int32_t written =
      textcore::WideCharToMultiByte(code_page, textcore::WC_NO_BEST_FIT_CHARS, &character, 1, bytes,
                                    sizeof bytes, nullptr, &used_default);
  return written > 0 && !used_default;
}

bool HasExtraGlyphs(const QFont &font, uint8_t charset) {
  const QRawFont raw = QRawFont::fromFont(font);
  const uint32_t code_page = CharsetToWindowsCodepage(charset);
  // A page that cannot be converted here (Johab) cannot be compared with: nothing is claimed.
  if (!raw.isValid() || !textcore::IsValidCodePage(code_page))
    return false;
  for (char16_t probe : kProbes)
    if (raw.supportsCharacter(QChar(probe)) && !CodePageEncodes(code_page, probe))
      return true;
  return false;
}

} // namespace

Tmy_font_info FontInfoFromFontname(const textcore::String &family, uint8_t charset) {
  Tmy_font_info info;
  if (qGuiApp == nullptr || QGuiApplication::primaryScreen() == nullptr || family.empty())
    return info;
  const QString name = textcore::ToQString(family);
  QFont font(name);
  // Qt answers for a family it lacks with another; that one's signature would be reported as the
  // one asked for.
  if (QFontInfo(font).family().compare(name, Qt::CaseInsensitive) != 0)
    return info;
  info.font_signature = SignatureOfFont(font);
  info.has_extra_glyphs = HasExtraGlyphs(font, charset);
  return info;
}

} // namespace unidisplay
