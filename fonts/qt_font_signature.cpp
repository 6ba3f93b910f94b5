// A family's signature from its OS/2 table, or from its writing systems.
#include "fonts/qt_font_signature.h"

#include "fonts/os2_table.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QRawFont>

#include <initializer_list>

namespace unidisplay {
namespace {

constexpr int32_t kNoCodePage = -1;

struct WritingSystemBits {
  QFontDatabase::WritingSystem system;
  int32_t code_page_bit; // of fsCsb[0]
  std::initializer_list<int32_t> unicode_bits;
};

// What a writing system says of a font without a usable OS/2 table. Latin stands for the Western
// page only: Qt does not tell which Latin letters beyond it a font has.
const WritingSystemBits kWritingSystemBits[] = {
    {QFontDatabase::Latin, 0, {0, 1}},
    {QFontDatabase::Greek, 3, {7}},
    {QFontDatabase::Cyrillic, 2, {9}},
    {QFontDatabase::Armenian, kNoCodePage, {10}},
    {QFontDatabase::Hebrew, 5, {11}},
    {QFontDatabase::Arabic, 6, {13}},
    {QFontDatabase::Syriac, kNoCodePage, {71}},
    {QFontDatabase::Thaana, kNoCodePage, {72}},
    {QFontDatabase::Devanagari, kNoCodePage, {15}},
    {QFontDatabase::Bengali, kNoCodePage, {16}},
    {QFontDatabase::Gurmukhi, kNoCodePage, {17}},
    {QFontDatabase::Gujarati, kNoCodePage, {18}},
    {QFontDatabase::Oriya, kNoCodePage, {19}},
    {QFontDatabase::Tamil, kNoCodePage, {20}},
    {QFontDatabase::Telugu, kNoCodePage, {21}},
    {QFontDatabase::Kannada, kNoCodePage, {22}},
    {QFontDatabase::Malayalam, kNoCodePage, {23}},
    {QFontDatabase::Sinhala, kNoCodePage, {73}},
    {QFontDatabase::Thai, 16, {24}},
    {QFontDatabase::Lao, kNoCodePage, {25}},
    {QFontDatabase::Tibetan, kNoCodePage, {70}},
    {QFontDatabase::Myanmar, kNoCodePage, {74}},
    {QFontDatabase::Georgian, kNoCodePage, {26}},
    {QFontDatabase::Khmer, kNoCodePage, {80}},
    {QFontDatabase::SimplifiedChinese, 18, {59}},
    {QFontDatabase::TraditionalChinese, 20, {59}},
    {QFontDatabase::Japanese, 17, {49, 50}},
    {QFontDatabase::Korean, 19, {56}},
    {QFontDatabase::Vietnamese, 8, {}},
    {QFontDatabase::Ogham, kNoCodePage, {78}},
    {QFontDatabase::Runic, kNoCodePage, {79}},
};

void SetBit(uint32_t *words, int32_t bit) { words[bit / 32] |= 1u << (bit % 32); }

void AddWritingSystems(const QString &family, bool with_ranges, FONTSIGNATURE &signature) {
  const QList<QFontDatabase::WritingSystem> systems = QFontDatabase::writingSystems(family);
  for (const WritingSystemBits &entry : kWritingSystemBits) {
    if (!systems.contains(entry.system))
      continue;
    if (entry.code_page_bit != kNoCodePage)
      SetBit(signature.fsCsb, entry.code_page_bit);
    if (with_ranges)
      for (int32_t bit : entry.unicode_bits)
        SetBit(signature.fsUsb, bit);
  }
}

} // namespace

FONTSIGNATURE SignatureOfFont(const QFont &font) {
  std::optional<TOS2Signature> os2;
  const QRawFont raw = QRawFont::fromFont(font);
  if (raw.isValid()) {
    const QByteArray table = raw.fontTable("OS/2");
    os2 = ReadOS2Table(reinterpret_cast<const uint8_t *>(table.constData()),
                       static_cast<size_t>(table.size()));
  }
  FONTSIGNATURE signature = os2 ? os2->signature : FONTSIGNATURE{};
  if (!os2 || !os2->has_code_pages)
    AddWritingSystems(QFontInfo(font).family(), !os2, signature);
  return signature;
}

} // namespace unidisplay
