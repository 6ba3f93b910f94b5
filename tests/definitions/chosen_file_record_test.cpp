#include "definitions/chosen_file_record.h"

#include "definitions/record_bytes.h"
#include "strings/julian_dates.h"

#include <gtest/gtest.h>

#include <limits>

namespace textcore {
namespace {

using testsupport::RecordBytes;
using testsupport::StreamOf;

const double day = EncodeDate(1999, 3, 5);

RecordBytes CurrentForm(int32_t stored_folder, double textual) {
  RecordBytes r(64);
  r.Put<int32_t>(0, stored_folder).Put<int32_t>(4, 70000).Put<double>(8, day);
  r.Put<int64_t>(16, int64_t{5} << 32).Put<int32_t>(24, 812).Put<uint8_t>(28, 3);
  r.Put<uint8_t>(32, 2).Put<uint8_t>(33, 0xFF).Put<int32_t>(36, 4).Put<double>(40, textual);
  r.Put<int32_t>(48, 9).Put<uint32_t>(60, 0x12345678);
  return r;
}

RecordBytes OldForm(double date) {
  RecordBytes r(49);
  r.Put<int32_t>(0, 11).Put<int16_t>(4, -2).Put<double>(6, date).Put<int32_t>(14, -1);
  r.Put<int32_t>(18, 300).Put<uint8_t>(22, 1).Put<uint8_t>(23, 5).Put<uint8_t>(24, 1 << _UTF8);
  r.Put<int32_t>(25, -1).Put<uint8_t>(48, 0xFF);
  return r;
}

TEST(ChosenFileRecord, EachFormReadsWithItsFolderAndADate) {
  const double julian = DateTimeToJulianAddingConst(day);
  ASSERT_NE(julian, 0);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    const char *what;
    RecordBytes bytes;
    int64_t read;
    int32_t folder, zip;
    int64_t size;
    double textual;
  };
  const Case cases[] = {
      {"current -8", CurrentForm(-8, 0), 64, 7, 70000, int64_t{5} << 32, julian},
      {"current -1", CurrentForm(-1, 2.5), 64, 0, 70000, int64_t{5} << 32, 2.5},
      {"current lowest", CurrentForm(INT32_MIN, 0), 64, INT32_MAX, 70000, int64_t{5} << 32, julian},
      {"old", OldForm(day), 49, 11, -2, -1, julian},
      {"old without a date", OldForm(nan), 49, 11, -2, -1, 0},
      {"old far future", OldForm(EncodeDate(6000, 1, 1)), 49, 11, -2, -1, 0},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    TMemoryStream stream = StreamOf(c.bytes.bytes());
    TChosenFile_BaseRec rec;
    rec.jump_to = std::make_unique<TQMLongintList>();
    ASSERT_TRUE(TChosenFileRecFromStream(stream, rec));
    EXPECT_EQ(stream.Position(), c.read);
    EXPECT_EQ(rec.FolderData, c.folder);
    EXPECT_EQ(rec.Zip_Num, c.zip);
    EXPECT_EQ(rec.Size, c.size);
    EXPECT_EQ(rec.TextualDateAndTime, c.textual);
    EXPECT_TRUE(rec.encrypted);
    EXPECT_EQ(rec.jump_to, nullptr);
  }
  TMemoryStream old = StreamOf(OldForm(day).bytes());
  TChosenFile_BaseRec rec;
  ASSERT_TRUE(TChosenFileRecFromStream(old, rec));
  EXPECT_EQ(rec.Words, 300);
  EXPECT_EQ(rec.Wanted, 5);
  EXPECT_EQ(rec.KindOfFile, TFileContentsSet{_UTF8});
  EXPECT_EQ(rec.version, 0);
}

TEST(ChosenFileRecord, TheCurrentFormIsWrittenByteForByte) {
  TMemoryStream in = StreamOf(CurrentForm(-8, 2.5).bytes());
  TChosenFile_BaseRec rec;
  ASSERT_TRUE(TChosenFileRecFromStream(in, rec));
  rec.jump_to = std::make_unique<TQMLongintList>();
  TMemoryStream out;
  ASSERT_TRUE(TChosenFileRecToStream(out, rec));
  // A stored 3 is written as true, the kind loses the bit of no kind, and the reference slot
  // is written as 0.
  EXPECT_EQ(
      testsupport::Contents(out),
      CurrentForm(-8, 2.5).Put<uint8_t>(28, 1).Put<uint8_t>(33, 0x7F).Put<uint32_t>(60, 0).bytes());

  rec.FolderData = -5;
  TMemoryStream negative;
  ASSERT_TRUE(TChosenFileRecToStream(negative, rec));
  EXPECT_EQ(testsupport::Get<int32_t>(testsupport::Contents(negative), 0), -1);
}

TEST(ChosenFileRecord, ShortStreamsSayFalseAndAShortLookLeavesNothing) {
  for (size_t length : {0, 48, 49, 63}) {
    TMemoryStream stream = StreamOf(CurrentForm(-8, 0).First(length));
    TChosenFile_BaseRec rec;
    EXPECT_FALSE(TChosenFileRecFromStream(stream, rec)) << length;
    const bool looked = length >= 49;
    EXPECT_EQ(stream.Position(), looked ? int64_t(length) : 0);
    EXPECT_EQ(rec.FolderData, looked ? 7 : 0);
    EXPECT_EQ(rec.TextualDateAndTime == 0, !looked);
  }
}

} // namespace
} // namespace textcore
