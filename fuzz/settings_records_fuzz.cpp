// The settings-record readers over arbitrary bytes, with every generation number a tool may pass:
// none fails, none reads outside the stream or leaves it anywhere but where the record began or
// after the bytes it read, and the records told by a marker read back as themselves once written.
// A text-selection pattern typed as users type it, read from the same bytes as UTF-16, writes
// back to a text that reads as the same record.
#include "definitions/chosen_file_record.h"
#include "definitions/conc_settings.h"
#include "definitions/extra_stats_record.h"
#include "definitions/language_details_reading.h"
#include "definitions/mutual_info_settings_stream.h"
#include "definitions/old_grid_headings.h"
#include "definitions/select_text_file.h"
#include "definitions/text_settings.h"
#include "fuzz/fuzz_check.h"
#include "search/search_word_syntax.h"

#include <cstdint>
#include <cstring>
#include <vector>

using namespace textcore;

namespace {

constexpr int32_t generations[] = {0, 5, 6, 7, 9, 18};

TMemoryStream StreamOf(const uint8_t *data, size_t size) {
  TMemoryStream stream;
  stream.WriteBuffer(data, static_cast<int64_t>(size));
  stream.SetPosition(0);
  return stream;
}

template <typename T> std::vector<uint8_t> BytesOf(const T &record) {
  std::vector<uint8_t> bytes(sizeof(T));
  std::memcpy(bytes.data(), &record, sizeof(T));
  return bytes;
}

// After a read the stream stands where the record began or after what was read.
template <typename Read> void CheckReader(const uint8_t *data, size_t size, Read read) {
  TMemoryStream stream = StreamOf(data, size);
  const bool complete = read(stream);
  FUZZ_CHECK(stream.Position() >= 0 && stream.Position() <= stream.Size());
  if (complete)
    FUZZ_CHECK(stream.Position() > 0);
}

template <typename Rec, typename Write, typename Read>
void CheckWrittenReadsBack(const Rec &rec, Write write, Read read) {
  TMemoryStream first;
  FUZZ_CHECK(write(first, rec));
  first.SetPosition(0);
  Rec again;
  FUZZ_CHECK(read(first, again));
  FUZZ_CHECK(first.Position() == first.Size());
  TMemoryStream second;
  FUZZ_CHECK(write(second, again));
  FUZZ_CHECK(second.Size() == first.Size());
  FUZZ_CHECK(std::memcmp(second.Memory(), first.Memory(), first.Size()) == 0);
}

bool IsTagWildcard(char16_t c) {
  for (const auto &row : tag_wildcards_converters)
    if (row[original_char] == c)
      return true;
  return false;
}

// A pattern as users type it: no work codes of its own (those would read as wildcards), and
// quotation marks only round a literal symbol, once per symbol, with no quotation mark or symbol
// touching it. Quotation marks placed otherwise can give records that no text produces, whose
// text then reads back as another record.
bool TypedPattern(const String &text) {
  String quoted_symbols;
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c < u' ' && c != u'\r' && c != u'\n' && c != u'\t')
      return false;
    if (c != u'"')
      continue;
    if (i + 2 >= text.size() || !IsTagWildcard(text[i + 1]) || text[i + 2] != u'"' ||
        quoted_symbols.find(text[i + 1]) != String::npos)
      return false;
    const auto touches = [](char16_t n) { return n == u'"' || IsTagWildcard(n); };
    if ((i > 0 && touches(text[i - 1])) || (i + 3 < text.size() && touches(text[i + 3])))
      return false;
    quoted_symbols += text[i + 1];
    i += 2;
  }
  return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  for (int32_t N : generations) {
    CheckReader(data, size, [N](TStream &s) {
      fixed_lang_details_rec32 rec;
      return Readfixed_lang_details_rec(s, rec, N);
    });
    CheckReader(data, size, [N](TStream &s) {
      textsett_rec32 rec;
      return ReadInTextSettings(s, rec, N);
    });
    CheckReader(data, size, [N](TStream &s) {
      TConcSettingsRec32 rec;
      return ReadInConcSettRec(s, rec, N);
    });
    CheckReader(data, size, [N](TStream &s) {
      bool ok = false;
      ReadOldGridHeadings(s, N, ok);
      return ok;
    });
  }

  TMemoryStream stream = StreamOf(data, size);
  TMutual_info_settings32 settings;
  if (TMutual_info_settings32FromStream(stream, settings))
    CheckWrittenReadsBack(settings, TMutual_info_settings32ToStream,
                          TMutual_info_settings32FromStream);
  stream.SetPosition(0);
  TFileInfoExtraStatsRec stats;
  if (ExtraStatsRecFromStream(stream, stats))
    CheckWrittenReadsBack(stats, ExtraStatsRecToStream, ExtraStatsRecFromStream);
  stream.SetPosition(0);
  TChosenFile_BaseRec chosen;
  if (TChosenFileRecFromStream(stream, chosen)) {
    FUZZ_CHECK(chosen.FolderData >= 0 && chosen.jump_to == nullptr);
    CheckWrittenReadsBack(chosen, TChosenFileRecToStream, TChosenFileRecFromStream);
  }

  String typed(size / 2, u'\0');
  std::memcpy(typed.data(), data, typed.size() * 2);
  if (TypedPattern(typed)) {
    const TSelectTextFile_RecW rec = StringToTSelectTextFile_RecW(typed);
    const TSelectTextFile_RecW again =
        StringToTSelectTextFile_RecW(TSelectTextFile_RecWToString(rec));
    FUZZ_CHECK(BytesOf(again) == BytesOf(rec));
  }
  return 0;
}
