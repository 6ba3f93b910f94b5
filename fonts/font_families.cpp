// The font lists of the character sets, from Qt's font database or a substitute.
#include "fonts/font_families.h"

#include "fonts/charsets.h"
#include "fonts/qt_font_signature.h"
#include "platform/object.h"
#include "platform/qt_strings.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>

#include <utility>

namespace unidisplay {
namespace {

// Empty: Qt's. Made on first use, so it needs no start-up.
TFontFamilySource &FamilySource() {
  static TFontFamilySource source;
  return source;
}

} // namespace

TFontFamilySource SetFontFamilySource(TFontFamilySource source) {
  return std::exchange(FamilySource(), std::move(source));
}

std::optional<std::vector<TFontFamilyReport>> QtFontFamilies() {
  if (qGuiApp == nullptr || QGuiApplication::primaryScreen() == nullptr)
    return std::nullopt;
  std::vector<TFontFamilyReport> reports;
  for (const QString &family : QFontDatabase::families()) {
    if (QFontDatabase::isPrivateFamily(family))
      continue;
    TFontFamilyReport report;
    report.face_name = textcore::FromQString(family);
    report.charsets = CharsetsOfFontSignature(SignatureOfFont(QFont(family)));
    report.font_type =
        QFontDatabase::isSmoothlyScalable(family) ? TRUETYPE_FONTTYPE : RASTER_FONTTYPE;
    reports.push_back(std::move(report));
  }
  return reports;
}

void GetAllFontCharsets() {
  const TFontFamilySource &source = FamilySource();
  const std::optional<std::vector<TFontFamilyReport>> families =
      source ? source() : QtFontFamilies();
  if (!families)
    return;
  for (charset_info &info : charsetinfo)
    info.fonts->Clear();
  for (const TFontFamilyReport &family : *families) {
    // Face names are kept whole: Linux family names run longer than the 32 characters a Windows
    // face name had, and a cut name no longer selects its font.
    if (family.face_name.empty() || family.face_name[0] == u'@')
      continue;
    for (uint8_t charset : family.charsets) {
      charset_info &info = charsetinfo[CharsetTypeFromCharsetByte(charset)];
      info.installed = true;
      int32_t index = 0;
      if (!info.fonts->Find(family.face_name, index))
        info.fonts->AddObject(family.face_name, textcore::IntegerAsObject(family.font_type));
    }
  }
}

} // namespace unidisplay
