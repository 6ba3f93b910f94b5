// qmark dialogs end to end: dialogs described in the built-in texts and a translation's (a line
// it refuses reported, its message kept), the whole catalogue in a table, pictures, and bad input.
#include "tools/qmark/dialogs.h"

#include "messages/message_translation.h"
#include "platform/format_settings.h"
#include "qmark/command_runs.h"
#include "support/qt_application.h"

#include <QImage>

#include <gtest/gtest.h>

#include <fstream>

namespace qmark {
namespace {

struct Fixture {
  Fixture() {
    testsupport::QtApplication();
    textcore::FormatSettings().ThousandSeparator = u',';
  }
  ~Fixture() {
    textcore::FormatSettings() = saved;
    textcore::UseBuiltinTexts();
  }
  const textcore::TFormatSettings saved = textcore::FormatSettings();
  testsupport::TempFolder folder;
};

TEST(Dialogs, DescribesDialogsInTheBuiltInTextsOrATranslations) {
  Fixture f;
  const Result two = RunCommand(RunDialogs, {"failedtosave", "SavedOK", "NoSuchDialog"});
  EXPECT_EQ(two.status, 1);
  EXPECT_EQ(two.err, "qmark dialogs: no dialog 'NoSuchDialog' in the catalogue\n");
  EXPECT_EQ(two.out, "FailedToSave\n"
                     "    kind: information\n"
                     "    text: Failed to save s1\n"
                     "    buttons: OK, Help (default OK)\n"
                     "    help topic: 3350\n"
                     "\n"
                     "SavedOK\n"
                     "    kind: information\n"
                     "    text: s1 saved OK\n"
                     "    buttons: OK (default OK)\n"
                     "    closes by itself after 8 seconds\n");

  // One line translates; the other reads its value as a number where the built-in text reads a
  // text, so it is refused and its dialog keeps the built-in words.
  const std::string translation = f.folder.File("de.txt");
  std::ofstream(translation) << "_QMSavedOK\tgespeichert\n"
                                "_QMFailedToReadX\t%d nicht gelesen\n";
  const Result german = RunCommand(
      RunDialogs, {"--translation", translation, "--format", "tsv", "SavedOK", "FailedToRead"});
  EXPECT_EQ(german.status, 1);
  EXPECT_NE(german.err.find("qmark dialogs: " + translation + ": "), std::string::npos);
  EXPECT_NE(german.err.find("_QMFailedToReadX"), std::string::npos) << german.err;
  EXPECT_EQ(german.out,
            "name\tkind\tcaption\ttext\tbuttons\tdefault\thelp_topic\ttimeout\tnever_show\n"
            "SavedOK\tinformation\t\ts1 gespeichert\tOK\tOK\t0\t8\tno\n"
            "FailedToRead\tinformation\t\tFailed to read s1\tOK, Help\tOK\t3340\t0\tno\n");

  // Once the command is over, the built-in texts are back.
  EXPECT_EQ(RunCommand(RunDialogs, {"SavedOK", "--format=tsv"}).out.find("gespeichert"),
            std::string::npos);
  const Result missing =
      RunCommand(RunDialogs, {"--translation", f.folder.File("none.txt"), "SavedOK"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.out.find("s1 saved OK"), std::string::npos);
}

// Every dialog of the catalogue shows, once each, the overloads of a name as two rows; with a
// caption, a line break kept in the text and a never-show box among them.
TEST(Dialogs, ShowsTheWholeCatalogue) {
  Fixture f;
  const Result all = RunCommand(RunDialogs, {"--format", "tsv"});
  EXPECT_EQ(all.status, 0) << all.err;
  const Strings rows = Lines(all.out);
  ASSERT_EQ(rows.size(), 1u + 137u);
  size_t overloads = 0, captions = 0, breaks = 0, boxes = 0;
  for (const std::string &row : rows) {
    overloads += row.rfind("OKtoOverwriteWithBackupQ\t", 0) == 0;
    captions += row.find("\terror\t\t") == std::string::npos &&
                row.find("\twarning\t\t") == std::string::npos &&
                row.find("\tinformation\t\t") == std::string::npos &&
                row.find("\tconfirmation\t\t") == std::string::npos;
    breaks += row.find("\\r") != std::string::npos;
    boxes += row.size() > 4 && row.compare(row.size() - 4, 4, "\tyes") == 0;
  }
  EXPECT_EQ(overloads, 2u);
  EXPECT_GT(captions, 1u); // the heading row and at least one dialog with a caption
  EXPECT_GT(breaks, 0u);
  EXPECT_GT(boxes, 0u);
}

TEST(Dialogs, DrawsEachDialogAsAPictureWithItsTitle) {
  Fixture f;
  const std::string dir = f.folder.Path().string();
  const Result drawn =
      RunCommand(RunDialogs, {"--png", dir, "OKtoOverwriteWithBackupQ", "SavedOK"});
  EXPECT_EQ(drawn.status, 0) << drawn.err;
  EXPECT_EQ(drawn.out, dir + "/OKtoOverwriteWithBackupQ.png\n" + dir +
                           "/OKtoOverwriteWithBackupQ-2.png\n" + dir + "/SavedOK.png\n");
  const QImage picture(QString::fromStdString(dir + "/SavedOK.png"));
  ASSERT_FALSE(picture.isNull());
  EXPECT_GT(picture.width(), 100);
  EXPECT_GT(picture.height(), 40);
  // The title strip is one colour but for the title's ink, and differs from the dialog's face.
  EXPECT_NE(picture.pixel(1, 1), picture.pixel(1, picture.height() - 2));

  const Result nowhere = RunCommand(RunDialogs, {"--png", dir + "/missing", "SavedOK"});
  EXPECT_EQ(nowhere.status, 1);
  EXPECT_EQ(nowhere.err, "qmark dialogs: no folder '" + dir + "/missing'\n");
  EXPECT_EQ(RunCommand(RunDialogs, {"--png"}).status, 2);
  EXPECT_EQ(RunCommand(RunDialogs, {"--colour"}).status, 2);
}

} // namespace
} // namespace qmark
