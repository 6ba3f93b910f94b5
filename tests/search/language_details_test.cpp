#include "search/language_details.h"
#include "search/language_holders.h"
#include "search/lemma_stop_match_types.h"

#include "platform/streams.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace textcore {
namespace {

template <typename T> std::vector<uint8_t> BytesOf(const T &record) {
  std::vector<uint8_t> bytes(sizeof(T));
  std::memcpy(bytes.data(), &record, sizeof(T));
  return bytes;
}

uint32_t ReadLE(const std::vector<uint8_t> &bytes, size_t at, size_t size) {
  uint32_t value = 0;
  for (size_t i = 0; i < size; ++i)
    value |= uint32_t{bytes[at + i]} << (8 * i);
  return value;
}

fixed_lang_details_rec32 FullRecord() {
  fixed_lang_details_rec32 r;
  r.allow_middles_at_right = 1;
  r.allow_middles_at_left = 1;
  r.is_32_version = 1;
  r.lcid = 0x0000041F;
  r.old_win_font.charset_old = 162;
  r.old_win_font.fontsize_old = 11;
  r.old_win_font.fontname_old[0] = 5;
  r.preference = a_preferida;
  r.custom_language = 1;
  r.hyphen_breaks_word = 1;
  r.win_codepage = 1254;
  r.dos_codepage = 857;
  r.allowable_middle_letters = {u'\'', u'-', 0x2019};
  r.spare_ANSI_lowers.length = 1;
  r.spare_ANSI_uppers.length = 2;
  r.new_win_font.charset = 7;
  r.new_win_font.fontsize = 12;
  r.new_win_font.fontname = {u'A', 0x0131};
  r.custom_sort_string_number = -2;
  r.cores = {0x010203, 0x040506, 0x070809, 0x0A0B0C};
  r.number = 17;
  r.spare_hits = 99;
  r.name = {u'T', u'\u00FC', u'r', u'k'};
  return r;
}

TEST(LanguageDetails, RecordKeepsEveryFieldAtItsOffsetThroughAStream) {
  const fixed_lang_details_rec32 written = FullRecord();
  TMemoryStream stream;
  stream.WriteBuffer(&written, sizeof written);
  ASSERT_EQ(stream.Size(), 1040);

  const std::vector<uint8_t> bytes(stream.Memory(), stream.Memory() + 1040);
  struct Field {
    size_t offset, size;
    uint32_t value;
  };
  const Field fields[] = {
      {0, 1, 1},
      {1, 1, 1},
      {2, 1, 1},
      {4, 4, 0x041F},
      {8, 1, 162},
      {9, 1, 11},
      {10, 1, 5},
      {43, 1, 3},
      {44, 1, 1},
      {45, 1, 1},
      {46, 2, 1254},
      {48, 2, 857},
      {50, 2, u'\''},
      {52, 2, u'-'},
      {54, 2, 0x2019},
      {56, 2, 0},
      {72, 1, 1},
      {201, 1, 2},
      {330, 1, 7},
      {331, 1, 12},
      {332, 2, u'A'},
      {334, 2, 0x0131},
      {536, 4, 0xFFFFFFFE},
      {544, 4, 0x010203},
      {556, 4, 0x0A0B0C},
      {560, 4, 17},
      {564, 4, 99},
      {936, 2, u'T'},
      {938, 2, 0x00FC},
      {944, 2, 0},
      {1038, 2, 0},
  };
  for (const Field &f : fields) {
    SCOPED_TRACE(f.offset);
    EXPECT_EQ(ReadLE(bytes, f.offset, f.size), f.value);
  }

  stream.SetPosition(0);
  fixed_lang_details_rec32 read;
  stream.ReadBuffer(&read, sizeof read);
  EXPECT_EQ(BytesOf(read), BytesOf(written));
}

TEST(LanguageDetails, NewRecordsOfEveryLayoutAreAllZeros) {
  const std::vector<uint8_t> zeros32(1040, 0), zeros_old(632, 0);
  EXPECT_EQ(BytesOf(fixed_lang_details_rec32{}), zeros32);
  EXPECT_EQ(BytesOf(fixed_lang_details_rec32old{}), zeros32);
  EXPECT_EQ(BytesOf(fixed_lang_details_rec_old{}), zeros_old);
}

TEST(LanguageDetails, SettersCutTextToTheFieldAndZeroTheRest) {
  fixed_lang_details_rec32 record = FullRecord();
  TQMDefinedLanguageHolder holder(record, 6);
  EXPECT_EQ(holder.versionNumber, 6);

  EXPECT_TRUE(holder.SetAllowables(u"abcdefghijkl"));
  EXPECT_EQ(String(holder.data.allowable_middle_letters.data()), u"abcdefghij");
  EXPECT_EQ(holder.data.allowable_middle_letters[10], 0);
  EXPECT_TRUE(holder.SetAllowables(u""));
  EXPECT_EQ(holder.data.allowable_middle_letters, tenwidechar{});

  EXPECT_TRUE(holder.SetWinFontName(String(120, u'x')));
  EXPECT_EQ(String(holder.data.new_win_font.fontname.data()), String(100, u'x'));
  EXPECT_TRUE(holder.SetWinFontName(u"Gentium"));
  EXPECT_EQ(String(holder.data.new_win_font.fontname.data()), u"Gentium");
  EXPECT_EQ(holder.data.new_win_font.fontname[8], 0); // the old, longer name is gone

  EXPECT_TRUE(holder.SetCustomLanguage(false));
  EXPECT_TRUE(holder.SetHyphenBreaks(false));
  EXPECT_EQ(holder.data.custom_language, 0);
  EXPECT_EQ(holder.data.hyphen_breaks_word, 0);
}

class Counted : public TObject {
public:
  explicit Counted(int &freed) : fFreed(freed) {}
  ~Counted() override { ++fFreed; }

private:
  int &fFreed;
};

TEST(LanguageDetails, NameListFreesWhatItsEntriesCarryOnce) {
  int freed = 0;
  {
    TListOfAllNamesStringlist names;
    names.SetOwnsObjects(true); // must not free them a second time
    names.AddObject(u"English", new Counted(freed));
    names.Add(u"Plain");
    names.AddObject(u"Greek", new Counted(freed));
  }
  EXPECT_EQ(freed, 2);
}

TEST(LemmaStopMatchTypes, FileTypeStringNamesTheFile) {
  EXPECT_EQ(LemmaMatchStopFileTypeStr(as_match, u"x.txt"), u"match list file x.txt");
  EXPECT_EQ(LemmaMatchStopFileTypeStr(as_relation, u"r.txt"), u"relation list file r.txt");
  EXPECT_EQ(String(LemmaMatchStopnames_of_processes[as_stop]), u"stop list");
  EXPECT_EQ(LemmaMatchStopFileTypeStr(static_cast<TLemmaMatchStopOptions>(9), u"x"), u"");
}

} // namespace
} // namespace textcore
