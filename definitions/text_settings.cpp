// Reading text settings of any layout.
#include "definitions/text_settings.h"

#include "core/fixed_char_array_text.h"
#include "definitions/language_details_reading.h"
#include "definitions/settings_generations.h"

#include <cstring>

namespace textcore {

namespace {

constexpr int64_t after_language = offsetof(textsett_rec32, tag_treatment);
constexpr int64_t rest_of_record = sizeof(textsett_rec32) - after_language;

// The first 32-bit language details, then the current record after them.
bool ReadFirst32BitLayout(TStream &Stream, textsett_rec32 &Rec) {
  const bool language = Read32OldLanguageDetails(Stream, Rec.language_info);
  if (!language)
    return false;
  auto *rest = reinterpret_cast<uint8_t *>(&Rec) + after_language;
  return ReadFully(Stream, rest, rest_of_record) == rest_of_record;
}

bool LooksLike16BitLayout(const uint8_t *bytes) {
  return bytes[2] == 0 || bytes[73] != 0 || bytes[74] != 0 || bytes[84] != 0 || bytes[85] != 0;
}

void ConvertFrom16BitLayout(const textsett_rec_old &old, textsett_rec32 &Rec) {
  LangDetNewFromOld(old.language_info, Rec.language_info);
  Rec.tag_treatment = old.tag_treatment;
  Rec.must_use_Unicode = old.must_use_Unicode != 0;
  Rec.using_SGML = old.using_SGML != 0;
  Rec.clear_default_markup = old.clear_default_markup != 0;
  Rec.numbers_included = old.numbers_included != 0;
  Rec.ignore_tags = old.ignore_tags;
  Rec.standard_markers = old.standard_markers;
}

// False, with the stream back where it was, when even the 16-bit layout did not come whole.
bool ReadAnyLayout(TStream &Stream, textsett_rec32 &Rec, bool &told) {
  const int64_t start = Stream.Position();
  uint8_t bytes[sizeof(textsett_rec_old)];
  told = ReadFully(Stream, bytes, sizeof bytes) == sizeof bytes;
  if (told && LooksLike16BitLayout(bytes)) {
    textsett_rec_old old;
    std::memcpy(&old, bytes, sizeof old);
    ConvertFrom16BitLayout(old, Rec);
    return true;
  }
  Stream.SetPosition(start);
  return told && ReadFirst32BitLayout(Stream, Rec);
}

} // namespace

bool ReadInTextSettings(TStream &Stream, textsett_rec32 &Rec, int32_t N) {
  Rec = textsett_rec32{};
  bool told = true;
  bool complete = false;
  if (N == first_32bit_settings_generation)
    complete = ReadFirst32BitLayout(Stream, Rec);
  else if (IsCurrentSettingsGeneration(N))
    complete = ReadFully(Stream, &Rec, sizeof Rec) == sizeof Rec;
  else
    complete = ReadAnyLayout(Stream, Rec, told);
  if (!told)
    return false;
  RepairInvisibleColours(Rec.language_info.cores);
  text_segment_rec &second = Rec.standard_markers[1];
  second.auto_process = WideArrayToString(second.marker) == u"auto";
  return complete;
}

} // namespace textcore
