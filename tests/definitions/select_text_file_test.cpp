#include "definitions/select_text_file.h"

#include "core/fixed_char_array_text.h"
#include "definitions/record_bytes.h"

#include <gtest/gtest.h>

namespace textcore {
namespace {

using testsupport::BytesOf;
using testsupport::RecordBytes;

TEST(SelectTextFile, RecordHasItsStoredLayout) {
  RecordBytes expected(496);
  expected.PutWide(0, u"<title>").Put<char16_t>(162, 0x1D).PutWide(324, u"</title>");
  expected.Put<int32_t>(488, 7).Put<uint8_t>(492, incluir_and).Put<uint8_t>(493, 1);
  EXPECT_EQ(BytesOf(StringToTSelectTextFile_RecW(u"<title>*</title>")), expected.bytes());
}

TEST(SelectTextFile, PatternsReadAndWriteBackStably) {
  const String pair = u"\U0001D11E";
  struct Case {
    String typed, start, wilds, end, written;
  };
  const Case cases[] = {
      {u"<title>*</title>", u"<title>", u"\u001D", u"</title>", u"<title>*</title>"},
      {u"no wildcards", u"no wildcards", u"", u"", u"no wildcards"},
      // Wildcards after the end text has begun join the one run the record holds.
      {u"a*b?c", u"a", u"\u001D\u001C", u"bc", u"a*?bc"},
      {u"\"*\"x", u"*x", u"", u"", u"\"*\"x"},
      {u"x\"?\"y?", u"x?y?", u"", u"", u"x\"?\"y?"},
      {u"<p>*</p>*", u"<p>", u"\u001D", u"</p>*", u"<p>*</p>*"},
      {u"a\r\n*\tb", u"a\r\n", u"\u001D", u"\tb", u"a\r\n*\tb"},
      {u"^x~y#", u"", u"\u001E\u001F\u001B", u"xy", u"^~#xy"},
      {u"a\u001Ab", u"a\u001Ab", u"", u"", u"a\u001Ab"},
      {String(79, u's') + pair + u"*e", String(79, u's'), u"\u001D", u"e",
       String(79, u's') + u"*e"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(StringToUTF8(c.typed));
    const TSelectTextFile_RecW rec = StringToTSelectTextFile_RecW(c.typed);
    EXPECT_EQ(WideArrayToString(rec.seekStart), c.start);
    EXPECT_EQ(WideArrayToString(rec.seek_wilds), c.wilds);
    EXPECT_EQ(WideArrayToString(rec.seekEnd), c.end);
    EXPECT_EQ(rec.length_of_seek, static_cast<int32_t>(c.start.size()));
    EXPECT_EQ(rec.contains_wildcard, c.wilds.empty() ? 0 : 1);
    EXPECT_EQ(rec.ato_necessario, incluir_and);
    const String written = TSelectTextFile_RecWToString(rec);
    EXPECT_EQ(written, c.written);
    EXPECT_EQ(BytesOf(StringToTSelectTextFile_RecW(written)), BytesOf(rec));
  }
}

TEST(SelectTextFile, CodesOfNoWildcardAreLeftOutOfTheText) {
  TSelectTextFile_RecW rec;
  rec.seekStart[0] = u'a';
  rec.seek_wilds = {0x1D, 0x01, 0x1A, 0x1B};
  rec.seekEnd[0] = u'b';
  EXPECT_EQ(TSelectTextFile_RecWToString(rec), u"a*#b");
}

TEST(SelectTextFile, ChoiceNumbersGiveTheirSelections) {
  // n from -1 to 20.
  const text_select_type at_all[] = {
      incluir_or, incluir_or, incluir_and, incluir_or, incluir_or, incluir_and,
      incluir_or, incluir_or, incluir_and, incluir_or, incluir_or, incluir_and,
      incluir_or, incluir_or, excluir_and, excluir_or, excluir_or, excluir_or,
      excluir_or, excluir_or, excluir_or,  excluir_or};
  const text_select_type within[] = {
      excluir_and, excluir_or, excluir_and, excluir_or, excluir_and, excluir_or,
      excluir_and, excluir_or, excluir_and, excluir_or, excluir_and, excluir_or,
      excluir_and, excluir_or, excluir_and, excluir_or, incluir_and, incluir_or,
      incluir_and, incluir_or, incluir_and, incluir_or};
  for (int16_t n = -1; n <= 20; ++n) {
    EXPECT_EQ(SelectAtAllTypeFromNumber(n), at_all[n + 1]) << n;
    EXPECT_EQ(SelectWithinTypeFromNumber(n), within[n + 1]) << n;
  }
  EXPECT_EQ(SelectWithinTypeFromNumber(INT16_MIN), excluir_or);
  EXPECT_EQ(SelectAtAllTypeFromNumber(INT16_MAX), excluir_or);
}

} // namespace
} // namespace textcore
