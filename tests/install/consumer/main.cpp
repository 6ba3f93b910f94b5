// Uses a little of every installed library, so that a missing header or symbol fails the build.
#include <colourbox.h>
#include <dialogkit.h>
#include <filekit.h>
#include <textcore.h>
#include <unidisplay.h>

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv) {
  textcore::String word = textcore::UTF8ToString("Fluss");
  if (textcore::Pos(u"uss", word) != 3)
    return 1;
  try {
    textcore::StrToInt(u"not a number");
    return 1;
  } catch (const textcore::EConvertError &) {
  }
  // A word five times as frequent in the text as in the reference corpus is key.
  const unidisplay::TKeyword_entry_rec entry =
      unidisplay::KWStatsCalculated({50, 100}, {10000, 1000000});
  if (entry.negative_score || entry.LL < 272 || entry.LL > 273 || !entry.lemma_words)
    return 1;
  // A word list's grid: nine columns, the last its Set column.
  if (dialogkit::OfficialStandardNOfHeaders(textcore::lt_word_list) != 9 ||
      dialogkit::WideHStringFromN(108) != u"Set")
    return 1;
  // The consumer's own source against itself: every byte matches, and filekit names the box.
  filekit::TFileComparer comparer(nullptr);
  comparer.SetFile1(textcore::UTF8ToString(__FILE__));
  comparer.SetFile2(comparer.File1());
  comparer.SetSilentComparison(true);
  if (comparer.PercentMatching(false) != 100 || !comparer.ContentsMatch() ||
      textcore::String(filekit::_QMComparison) != u"Comparison")
    return 1;
  // The web colour box, on Qt: black first, white last.
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  const colourbox::TWebColourListBox box;
  if (box.GetAColour(0) != 0 || box.GetAColour(213) != 0xFFFFFF)
    return 1;
  std::printf("consumer linked Quillmark %s\n",
              textcore::StringToUTF8(textcore::QuillmarkVersion()).c_str());
  return 0;
}
