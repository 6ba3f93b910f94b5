// Translations: which lines replace texts, which are refused, and the files they come in.
#include "core/logging_utilities.h"
#include "messages/message_names.h"
#include "messages/message_translation.h"
#include "platform/format.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

using namespace textcore;

class MessageTranslation : public ::testing::Test {
protected:
  void TearDown() override { UseBuiltinTexts(); }
};

struct LineCase {
  const char *what;
  const char16_t *line;
  TMessage message;
  const char16_t *text_after; // the message's text once the line is applied
  const char16_t *refusal;    // the start of the refusal line, or null when accepted
};

TEST_F(MessageTranslation, EachLineIsAppliedOrRefusedWithTheBuiltinTextKept) {
  const LineCase cases[] = {
      {"plain text", u"_QMEtc\tusw.", _QMEtc, u"usw.", nullptr},
      {"same placeholders", u"_QMDeleteXQ\t%s l\u00F6schen?", _QMDeleteXQ, u"%s l\u00F6schen?",
       nullptr},
      {"reordered by index", u"_QMJoinXtoY\t%1:s an %0:s anh\u00E4ngen?", _QMJoinXtoY,
       u"%1:s an %0:s anh\u00E4ngen?", nullptr},
      {"escapes", u"_QMInsertBracket\tKlammern so:\\r%s \\\\ \\q", _QMInsertBracket,
       u"Klammern so:\r%s \\ \\q", nullptr},
      {"a placeholder too many", u"_QMDeleteXQ\t%s %s l\u00F6schen?", _QMDeleteXQ, u"Delete %s?",
       u"translation line 1: _QMDeleteXQ has placeholders that differ"},
      {"a placeholder missing", u"_QMFileReadError\tLesefehler", _QMFileReadError,
       u"file read error : %s", u"translation line 1: _QMFileReadError has placeholders"},
      {"a placeholder of another kind", u"_QMNFilesSaved\t%d Dateien gespeichert", _QMNFilesSaved,
       u"%.0n files saved", u"translation line 1: _QMNFilesSaved has placeholders"},
      {"a malformed placeholder", u"_QMEtc\t100% usw.", _QMEtc, u"etc.",
       u"translation line 1: _QMEtc has placeholders"},
      {"a huge width", u"_QMDeleteXQ\t%999999999s?", _QMDeleteXQ, u"Delete %s?",
       u"translation line 1: _QMDeleteXQ has placeholders"},
      {"an empty text", u"_QMEtc\t", _QMEtc, u"etc.", u"translation line 1: _QMEtc has an empty"},
      {"an unknown name", u"_QMNoSuchThing\tx", _QMEtc, u"etc.",
       u"translation line 1: '_QMNoSuchThing' is not a message name"},
      {"a name in the wrong case", u"_QMetc\tusw.", _QMEtc, u"etc.",
       u"translation line 1: '_QMetc' is not"},
      {"no TAB", u"_QMEtc usw.", _QMEtc, u"etc.", u"translation line 1: no TAB"},
  };
  for (const LineCase &c : cases) {
    SCOPED_TRACE(c.what);
    TTranslationResult result = ApplyTranslation(c.line);
    EXPECT_EQ(c.message.Text(), StringView(c.text_after));
    if (c.refusal == nullptr) {
      EXPECT_EQ(result.applied, 1);
      EXPECT_TRUE(result.refusals.empty());
    } else {
      EXPECT_EQ(result.applied, 0);
      ASSERT_EQ(result.refusals.size(), 1u);
      EXPECT_EQ(result.refusals[0].rfind(c.refusal, 0), 0u) << StringToUTF8(result.refusals[0]);
    }
    UseBuiltinTexts();
  }
}

TEST_F(MessageTranslation, AWholeFileAppliesItsGoodLinesAndCountsItsLines) {
  TTranslationResult result = ApplyTranslation(u"\uFEFF# German, in part\r\n"
                                               u"\r\n"
                                               u"_QMYes\tJa\r\n"
                                               u"_QMNo\tNein\n"
                                               u"_QMYes\tJawohl\r"
                                               u"_QMSaveXQ\t%d speichern?\n"
                                               u"_QMSaveXQ\t%s speichern?");
  EXPECT_EQ(result.applied, 3);
  ASSERT_EQ(result.refusals.size(), 2u);
  EXPECT_EQ(result.refusals[0],
            u"translation line 5: _QMYes was already translated on an earlier line; the built-in "
            u"text stays");
  EXPECT_EQ(result.refusals[1].rfind(u"translation line 6: _QMSaveXQ has placeholders", 0), 0u);
  EXPECT_EQ(_QMYes.Text(), u"Ja");
  EXPECT_EQ(_QMNo.Text(), u"Nein");
  EXPECT_EQ(Format(_QMSaveXQ, u"liste.lst"), u"liste.lst speichern?");
  EXPECT_EQ(_QMEtc.Text(), u"etc."); // not in the file
  EXPECT_EQ(_QMYes.BuiltinText(), u"Yes");
}

TEST_F(MessageTranslation, ARefusedTextNeverReachesFormat) {
  ApplyTranslation(u"_QMFileReadError\tLesefehler %d in %s");
  EXPECT_EQ(Format(_QMFileReadError, u"ReadAString"), u"file read error : ReadAString");
}

TEST_F(MessageTranslation, TextsHandedOutStayValidAcrossLoads) {
  ApplyTranslation(u"_QMEtc\tusw. und so weiter, lang genug f\u00FCr den Heap");
  StringView first = _QMEtc.Text();
  ApplyTranslation(u"_QMEtc\tetc. et cetera, assez long pour le tas");
  EXPECT_EQ(first, u"usw. und so weiter, lang genug f\u00FCr den Heap");
  EXPECT_EQ(_QMEtc.Text(), u"etc. et cetera, assez long pour le tas");
  // A new translation starts from the built-in texts, not from the previous one.
  ApplyTranslation(u"_QMYes\tOui");
  EXPECT_EQ(_QMEtc.Text(), u"etc.");
  UseBuiltinTexts();
  EXPECT_EQ(_QMYes.Text(), u"Yes");
}

std::string Utf16(const std::u16string &text, bool big_endian) {
  std::string out;
  for (char16_t c : text) {
    char hi = static_cast<char>(c >> 8), lo = static_cast<char>(c & 0xFF);
    out += big_endian ? std::string{hi, lo} : std::string{lo, hi};
  }
  return out;
}

struct FileCase {
  const char *what;
  std::string bytes;
};

TEST_F(MessageTranslation, FilesAreReadInUtf8AndBothUtf16Orders) {
  const std::u16string text = u"_QMYes\tJa \u00E4\r\n_QMNo\tNein\r\n";
  const std::string utf8 = "_QMYes\tJa \xC3\xA4\r\n_QMNo\tNein\r\n";
  const FileCase cases[] = {
      {"UTF-8", utf8},
      {"UTF-8 with a mark", "\xEF\xBB\xBF" + utf8},
      {"UTF-16 LE with a mark", "\xFF\xFE" + Utf16(text, false)},
      {"UTF-16 BE with a mark", "\xFE\xFF" + Utf16(text, true)},
      {"UTF-16 LE without a mark", Utf16(text, false)},
      {"UTF-16 BE without a mark", Utf16(text, true)},
  };
  testsupport::TempFolder folder;
  for (const FileCase &c : cases) {
    SCOPED_TRACE(c.what);
    std::ofstream(folder.File("de.txt"), std::ios::binary) << c.bytes;
    TTranslationResult result;
    ASSERT_TRUE(LoadTranslationFile(UTF8ToString(folder.File("de.txt")), result));
    EXPECT_EQ(result.applied, 2);
    EXPECT_TRUE(result.refusals.empty());
    EXPECT_EQ(_QMYes.Text(), u"Ja \u00E4");
    EXPECT_EQ(_QMNo.Text(), u"Nein");
    UseBuiltinTexts();
  }
}

TEST_F(MessageTranslation, AnUnreadableFileChangesNothing) {
  testsupport::TempFolder folder;
  ApplyTranslation(u"_QMYes\tJa");
  TTranslationResult result;
  EXPECT_FALSE(LoadTranslationFile(UTF8ToString(folder.File("missing.txt")), result));
  EXPECT_FALSE(LoadTranslationFile(UTF8ToString(folder.Path().string()), result));
  ASSERT_EQ(result.refusals.size(), 1u);
  EXPECT_EQ(result.applied, 0);
  EXPECT_EQ(_QMYes.Text(), u"Ja");
}

} // namespace

namespace {

using namespace textcore;

TEST_F(MessageTranslation, RefusalsAreWrittenToTheLog) {
  testsupport::TempFolder folder;
  SetLogFilename(UTF8ToString(folder.File("quillmark.log")));
  keeping_log = true;
  ApplyTranslation(u"_QMEtc\tusw.\n_QMDeleteXQ\tL\u00F6schen?");
  keeping_log = false;
  SetLogFilename(String());
  std::ifstream in(folder.File("quillmark.log"), std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_GE(bytes.size(), 2u);
  String log;
  for (size_t i = 2; i + 1 < bytes.size(); i += 2)
    log.push_back(static_cast<char16_t>(static_cast<uint8_t>(bytes[i]) |
                                        static_cast<uint8_t>(bytes[i + 1]) << 8));
  EXPECT_NE(log.find(u"translation line 2: _QMDeleteXQ has placeholders that differ"),
            String::npos);
  EXPECT_EQ(log.find(u"line 1"), String::npos);
}

} // namespace
