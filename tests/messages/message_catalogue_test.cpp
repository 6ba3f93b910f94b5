// The built-in catalogue: texts by exported name and by name as text, and the soundness of
// every entry.
#include "messages/message_names.h"
#include "messages/message_placeholders.h"
#include "platform/format.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using namespace textcore;

struct NamedText {
  TMessage message;
  const char *name;
  const char16_t *text;
};

TEST(MessageCatalogue, ExportedNamesGiveTheirExactTexts) {
  const NamedText cases[] = {
      {_QMFileReadError, "_QMFileReadError", u"file read error : %s"},
      {_QMEtc, "_QMEtc", u"etc."},
      {_QMN, "_QMN", u"N"},
      {_QM_on_str, "_QM_on_str", u" on "},
      {_QMCreate, "_QMCreate", u"Create "},
      {_QMInsertBracket, "_QMInsertBracket", u"Insert brackets like this: \r%s"},
      {_QMSorryUnderMaintenance, "_QMSorryUnderMaintenance",
       u"This function is under maintenance,\r%s\rWe hope to have improvements in the next "
       u"upload.\r(see Updates in the main Controller)."},
      {_QMContextColonOpenQuotes, "_QMContextColonOpenQuotes", u"context : \""},
      {_QMTooLittleDataWith, "_QMTooLittleDataWith",
       u"Nothing more frequent than %d, less than %1.3f %%, and with relationships as specified "
       u"found in %s"},
      {_QMKeyWordsEntriesReduced, "_QMKeyWordsEntriesReduced",
       u"%0.n KeyWords entries found, now reduced to your pre-set limit (%d)"},
      {_QMConfirmation, "_QMConfirmation", u"Confirmation"},
      {_QMNo, "_QMNo", u"No"},
      {_QMFiles, "_QMFiles", u"Files"},
      {_QMUnknown_date_str, "_QMUnknown_date_str", u"<no date found>"},
      {_QMVeryLightGreen, "_QMVeryLightGreen", u"V. Light Green"},
      {_QMNormalColour, "_QMNormalColour", u"normal text"},
      {_QMPleaseSpecifyFrequencyOf, "_QMPleaseSpecifyFrequencyOf",
       u"Please specify the frequency of %s"},
      {_WESEpisodes, "_WESEpisodes", u"episodes"},
  };
  for (const NamedText &c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.message.Text(), StringView(c.text));
    EXPECT_EQ(String(c.message), String(c.text));
    EXPECT_EQ(c.message.Name(), c.name);
    TMessage found(0);
    ASSERT_TRUE(FindMessage(std::string_view(c.name), found));
    EXPECT_EQ(found, c.message);
    ASSERT_TRUE(FindMessage(ASCIIToString(c.name), found));
    EXPECT_EQ(found, c.message);
  }
}

TEST(MessageCatalogue, OnlyExactNamesAreFound) {
  const char16_t *unknown[] = {u"",      u"_QM",          u"_QMetc", u"_QMEtc ", u" _QMEtc",
                               u"QMEtc", u"_QMEtc\u00E9", u"_QMZzz", u"\uFFFF",  u"_QMEt"};
  for (const char16_t *name : unknown) {
    TMessage found(7);
    EXPECT_FALSE(FindMessage(StringView(name), found)) << StringToUTF8(name);
    EXPECT_EQ(found.Index(), 7);
  }
  TMessage found(0);
  EXPECT_FALSE(FindMessage(std::string_view("_QMEtc\0", 7), found));
}

// Filekit's own entries live in the same table, so one translation covers both libraries.
TEST(MessageCatalogue, FilekitEntriesAreInTheTableByName) {
  TMessage found(0);
  ASSERT_TRUE(FindMessage(std::string_view("_QMAnyFile"), found));
  EXPECT_EQ(found.Text(), u"*.*");
  ASSERT_TRUE(FindMessage(std::string_view("_QMPressOKToDeleteA"), found));
  EXPECT_EQ(found.Text(), u"Press OK to delete all files on ");
}

TEST(MessageCatalogue, EveryEntryIsNamedOnceAndHasARealFormattableText) {
  ASSERT_EQ(MessageCount(), 1373);
  std::set<std::string_view> names;
  for (int32_t i = 0; i < MessageCount(); ++i) {
    TMessage m(static_cast<uint16_t>(i));
    SCOPED_TRACE(std::string(m.Name()));
    EXPECT_TRUE(names.insert(m.Name()).second);
    EXPECT_FALSE(m.Text().empty());
    EXPECT_NE(m.Text(), ASCIIToString(m.Name()));
    std::vector<TPlaceholderKind> kinds;
    EXPECT_TRUE(ReadPlaceholders(m.Text(), kinds));
    TMessage back(0);
    ASSERT_TRUE(FindMessage(m.Name(), back));
    EXPECT_EQ(back, m);
  }
}

TEST(MessageCatalogue, QuestionsEndWithAQuestionMark) {
  // Two built-in questions put their question mark elsewhere or leave it out; they are kept.
  const std::set<std::string_view> kept = {"_QMReplaceXWithNewVersionWithBackupQ",
                                           "_QMOpenInBrowserOrNotepadQ"};
  for (int32_t i = 0; i < MessageCount(); ++i) {
    TMessage m(static_cast<uint16_t>(i));
    std::string_view name = m.Name();
    bool question = name.ends_with("Q") || name.ends_with("Query");
    if (question && !kept.contains(name)) {
      EXPECT_EQ(m.Text().back(), u'?') << name;
    }
  }
}

TEST(MessageCatalogue, TextsFillThroughFormat) {
  EXPECT_EQ(Format(_QMFileReadError, u"ReadAString"), u"file read error : ReadAString");
  EXPECT_EQ(Format(_QMOnlyMbSpaceOnDriveDProceed, 12, u"/media/usb"),
            u"Only 12Mb space left on /media/usb -- Proceed?");
  EXPECT_EQ(Format(_QMDeleteAllXFilesInY, 3, u"txt", u"/corpus"),
            u"Delete all 3 txt files in /corpus?");
}

TEST(MessageCatalogue, AnIndexOutsideTheTableHasNoText) {
  TMessage outside(static_cast<uint16_t>(MessageCount()));
  EXPECT_TRUE(outside.Text().empty());
  EXPECT_TRUE(outside.BuiltinText().empty());
  EXPECT_TRUE(outside.Name().empty());
}

} // namespace
