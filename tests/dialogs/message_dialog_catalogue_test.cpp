#include "dialogs/message_dialog_catalogue.h"

#include "dialogs/dialog_samples.h"
#include "dialogs/form_centred_message_dlg.h"

#include "core/stop_flags.h"
#include "definitions/process_variables.h"
#include "platform/exceptions.h"
#include "platform/format_settings.h"
#include "platform/strings.h"
#include "support/qt_application.h"

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

using namespace dialogkit;
using namespace textcore;

uint16_t Bits(TMsgDlgButtons set) {
  uint16_t bits = 0;
  for (int b = mbYes; b <= mbClose; ++b)
    if (set.Contains(static_cast<TMsgDlgBtn>(b)))
      bits |= 1u << b;
  return bits;
}

// Records every dialog asked for and answers it from a queue (Cancel once the queue is empty).
struct Recorder {
  Recorder() {
    previous = SetMessageDlgHook([this](const TMessageDlgCall &call) {
      calls.push_back(call);
      busy_while_shown = Global_ErrorMessageBusy;
      TMessageDlgAnswer answer{mrCancel, timed_out};
      if (!answers.empty()) {
        answer.result = answers.front();
        answers.erase(answers.begin());
      }
      return answer;
    });
  }
  ~Recorder() { SetMessageDlgHook(std::move(previous)); }
  TMessageDlgHook previous;
  std::vector<TMessageDlgCall> calls;
  std::vector<int32_t> answers;
  bool timed_out = false;
  bool busy_while_shown = false;
};

struct Golden {
  const char *name;
  const char16_t *text;
  const char16_t *caption;
  int kind;
  uint16_t buttons;
  int default_button;
  int32_t help_context;
  int32_t timeout_seconds;
  int with_dont_show;
};

// clang-format off
const Golden kGolden[] = {
    {"NoTextsChosenSoUseThese", u"You have 1,235 text file(s) chosen\rso use the 1,235 that s1 is based on?", u"", 3, 1027, 0, 1310, 0, 0},
    {"SourceTextFileNotFound", u"source text not found", u"", 0, 1028, 2, 4580, 0, 0},
    {"UseCustomSortForLanguage", u"use custom sort for s1?", u"", 3, 1027, 0, 5520, 0, 0},
    {"OKtoMoveFilesToSubFolders", u"OK to move s1 files to sub-folders using s2 as a template?", u"", 3, 1028, 2, 5500, 0, 0},
    {"NoPreferredLanguageButSetTo", u"preferred main language being set to s1", u"", 0, 1028, 2, 4290, 0, 0},
    {"NoFontsAvailableForLanguage", u"your system has no fonts for s1", u"", 0, 1028, 2, 5490, 0, 0},
    {"AskInstallerToSetUserReadWriteFolder", u"s1 not found or its folder must allow writing", u"", 1, 1028, 2, 4540, 0, 0},
    {"TextFileStatisticsNeededForX", u"text file statistics needed for s1", u"", 1, 4, 2, 0, 0, 0},
    {"ChoosingTextFilesForOK", u"Different texts can be chosen for the various Tools\rYou're choosing for Concord", u"", 3, 1036, 2, 1240, 0, 0},
    {"FirstChooseTexts", u"For this operation, you first need to choose text files.", u"", 1, 4, 2, 0, 0, 0},
    {"WordlistTXTFilenameNeeded", u"wordlist (.txt) filename needed", u"", 1, 4, 2, 0, 0, 0},
    {"OutputFilenameNeeded", u"Output filename needed", u"", 1, 4, 2, 0, 0, 0},
    {"ProblemWithXOrStopPressed", u"problem handling s1\ror stop pressed", u"", 1, 4, 2, 0, 0, 0},
    {"LimitedRoomOnDProceed", u"Only 41Mb space left on s1 -- Proceed?", u"", 0, 9, 3, 0, 0, 0},
    {"ResultsAddedToNotes", u"Results of s1 have been added to Notes", u"", 2, 1028, 2, 1120, 0, 0},
    {"ResultsAreInTab", u"Results are in the tab labelled s1", u"", 2, 4, 2, 0, 0, 0},
    {"OKToHighlightCollocateInConcordance", u"Re s1 in s2 context of s3\rDo you want to show in this concordance or compute a new concordance?", u"collocates", 3, 1027, 0, 4930, 5, 1},
    {"SuggestYouUpdateYourVersion", u"Your version is 2 days old: suggest you run Version Update", u"", 2, 1028, 2, 4360, 0, 0},
    {"FolderIsReadOnly", u"s1 is a read-only folder", u"", 0, 1028, 2, 4890, 0, 0},
    {"CantCompareWithSameFile", u"Can't compare with the same file", u"", 2, 1028, 2, 4160, 0, 0},
    {"N_DuplicatesFound", u"1,235 duplicates found", u"", 2, 1028, 2, 4170, 0, 0},
    {"ModifySourceTexts", u"Modify the source texts?", u"", 3, 1036, 3, 4920, 0, 0},
    {"ModifySourceTextsForSet", u"Modify the source texts to suit your Set choices?", u"", 3, 1027, 1, 4920, 0, 0},
    {"ModifySourceTextsForSearchWord", u"Modify the source texts to suit your Search words?", u"", 3, 1027, 1, 4920, 0, 0},
    {"LimitOfKeywordLinksReached", u"KeyWords links reached your pre-set limits (2)", u"", 2, 1028, 2, 2430, 0, 0},
    {"DoYouWantToOpenBatchFileToMergeLists", u"Open the .zip file to merge the individual results in it into one?", u"", 3, 1035, 1, 4660, 0, 0},
    {"DoYouWantToOpenBatchFileToSeeIndividualLists", u"Open the .zip file to see the individual results in it?", u"", 3, 1035, 0, 2730, 0, 0},
    {"ReduceDataOK", u"This will zap your data down from 1,235 to 1,236 entries\r(though it won't delete any saved data on disk)", u"", 3, 1036, 2, 4720, 0, 0},
    {"CollocateAssociationNotComputed", u"You haven't yet computed collocate association strength\rClick help for advice", u"", 0, 1028, 2, 4700, 0, 0},
    {"ClosingAndRestarting", u"Closing down and re-starting", u"", 2, 1028, 2, 1380, 0, 0},
    {"OKToCloseNowForDownloadCheck", u"OK to close now and run the version checker?", u"", 3, 1028, 2, 4710, 0, 0},
    {"RefCorpusAndKWMismatch", u"Reference Corpus and s1 word-lists look incompatible as in it, 1,235 words were found out of 1,236 ... Quit?", u"", 0, 1027, 0, 3470, 0, 0},
    {"ChangeTagOpenMarks", u"You have tag-symbols in s1\rAre you concordancing on tags?", u"", 3, 1027, 0, 2080, 0, 0},
    {"DataPartlyObscured", u"Where columns have purple lines the data is too wide for the column. To view it all, pull the header wider, or use the Layout menu option.", u"Column layout", 2, 1028, 2, 1320, 10, 1},
    {"ClipboardHasPictureAndText", u"Data copied to the clipboard. It can be pasted as text, or (paste special) as \"Enhanced Metafile\" which will look like an image.", u"Clipboard", 2, 1028, 2, 1570, 10, 1},
    {"ClipboardHasPicture", u"data can now be pasted (paste special) as a picture; choose \"Enhanced Metafile\" format", u"Clipboard", 2, 1028, 2, 1570, 10, 1},
    {"ClipboardHasText", u"data can now be pasted as text.", u"Clipboard", 2, 1028, 2, 1570, 10, 1},
    {"OpenFileInBrowserOrNotepad", u"Open s1 with your browser? (If not, we'll use Notepad)", u"", 3, 3, 0, 0, 0, 0},
    {"ChangeLanguageFromXToY", u"Change Language from s1  to s2?", u"", 3, 1027, 0, 4900, 0, 0},
    {"ChangeLanguageFrom", u"Change Language away from s1 (s2)?", u"", 3, 1027, 0, 1230, 0, 0},
    {"ClearLogFile", u"Clear s1?", u"", 3, 1027, 0, 4445, 0, 0},
    {"CopyIniAndOtherFilesToo", u"Copy settings files from s1 to s2 too?", u"", 3, 1027, 0, 1600, 0, 0},
    {"FileHasHolesSoSkipIt", u"s1 has \"holes\" at about 2 %\rcontext : \"s2\"\rSkip it?", u"", 3, 1803, 0, 3380, 0, 0},
    {"FileIsEmpty", u"s1 is empty", u"", 0, 4, 2, 0, 0, 0},
    {"FNameChooseNewOrBatch", u"Press Yes to save in s1\ror No to choose to save as a new file\r... or Cancel", u"", 3, 1035, 0, 2730, 0, 0},
    {"MediaLookupTableNotFound", u"lookup table not found", u"", 0, 1028, 2, 5120, 0, 0},
    {"MediaStartOfFilenameUndefined", u"start of media filename undefined", u"", 0, 1028, 2, 5120, 0, 0},
    {"MenuShortcutAlreadyInUse", u"Menu shortcut (s1) for s2 is already taken (by s3)", u"", 0, 1028, 2, 4440, 0, 0},
    {"NoPrinterInstalled", u"no printer has been installed", u"", 0, 1028, 2, 4650, 0, 0},
    {"JoinClusters", u"Join clusters?", u"", 3, 1544, 9, 5270, 0, 0},
    {"JoinXtoY", u"Join s1 to s2?", u"", 3, 1803, 0, 2720, 0, 0},
    {"UnJoinAll", u"Unjoin all entries?", u"", 3, 1544, 9, 2790, 0, 0},
    {"LimitOfConcordanceEntriesReached", u"Concordance entries reached your pre-set limits (2 each)", u"", 2, 1028, 2, 2180, 0, 0},
    {"LimitOfKeywordEntriesReached", u"2 KeyWords entries found, now reduced to your pre-set limit (3)", u"", 2, 1028, 2, 2430, 0, 0},
    {"NoConcordanceEntriesFound", u"No concordance entries found", u"", 2, 1028, 2, 3640, 0, 0},
    {"NoCorruptFilesFound", u"No corrupt files detected", u"", 2, 1028, 2, 5140, 0, 0},
    {"NoMatchListAction", u"Choose a match list action, please", u"", 2, 1028, 2, 1330, 0, 0},
    {"NoLemmaList", u"Load a lemma list file first, please", u"", 2, 1028, 2, 2780, 0, 0},
    {"NoMatchList", u"Load a match list file first, please", u"", 2, 1028, 2, 1330, 0, 0},
    {"NoMatchTemplate", u"the match template is needed", u"", 2, 1028, 2, 1330, 0, 0},
    {"NoStopList", u"Load a stop list file first, please", u"", 2, 1028, 2, 1460, 0, 0},
    {"NoWordsIn", u"No valid words found in s1", u"", 0, 4, 2, 0, 0, 0},
    {"XLSXReadNotImplemented", u"XLSX file reading not implemented yet.", u"Sorry", 2, 1028, 2, 4850, 10, 1},
    {"NotImplemented", u"Sorry, function not implemented yet.", u"", 2, 1028, 2, 3910, 0, 0},
    {"UnderMaintenance", u"This function is under maintenance,\rs1\rWe hope to have improvements in the next upload.\r(see Updates in the main Controller).", u"", 2, 1028, 2, 3910, 0, 0},
    {"CouldntDoDetailedConsistencyOn", u"Couldn't process a.txt, b.txt", u"", 2, 4, 2, 2760, 0, 0},
    {"FailedToCreateFileOrFolder", u"Failed to create s1 (read-only folder, perhaps?)", u"", 2, 1028, 2, 3330, 0, 0},
    {"FailedToPrepareTextConversion", u"Failed to prepare text conversion", u"", 2, 1028, 2, 2500, 0, 0},
    {"CantComputeKWSIfDifferentLanguages", u"Can't compute key words if languages differ", u"", 2, 1028, 2, 4480, 0, 0},
    {"NoReferenceCorpus", u"Choose a reference corpus please", u"", 1, 1028, 2, 2430, 0, 0},
    {"NoChargramsFound", u"No chargrams found at current settings", u"", 2, 1028, 2, 5800, 0, 0},
    {"NoProblem", u"no problem", u"", 2, 4, 2, 0, 0, 0},
    {"NoKeyWordLinksFound", u"No key word links found at current settings", u"", 2, 1028, 2, 2340, 0, 0},
    {"NoKeyWordsFound", u"No key words found at current settings", u"", 2, 1028, 2, 3680, 0, 0},
    {"AreYouSureYouWantTo", u"Are you sure you want to s1?", u"", 3, 1027, 0, 2, 0, 0},
    {"CantFindOneOfTheFiles", u"Couldn't find one of the text files, s1\rMessage 2 of a maximum of 3", u"", 2, 1028, 2, 3810, 0, 0},
    {"CantDeleteThisColumnOfData", u"Can't delete column 2 (s1)", u"", 2, 1028, 2, 1320, 0, 0},
    {"CantEditThisColumnOfData", u"Can't edit column 2\r(only s1)", u"", 2, 1028, 2, 1300, 0, 0},
    {"CantFindAnyOfTheFiles", u"Couldn't find any of the text files.", u"", 2, 1028, 2, 3810, 0, 0},
    {"CantMakeClustersWithoutIndex", u"Clusters can only be computed from an index.\rMake or open an index first.", u"", 2, 1028, 2, 2910, 0, 0},
    {"CantComputeMIWithoutIndex", u"MI can only be computed from an index.\rMake or open an index first.", u"", 2, 1028, 2, 2820, 0, 0},
    {"MustSelectUnjoinEntry", u"You must select one of the words to\rdefine where the top half ends.", u"", 2, 1028, 2, 2640, 0, 0},
    {"TextHasCharactersNeedingDifferentFont", u"the text has symbols (e.g. s1) which s2 cannot show", u"", 2, 1028, 2, 5430, 0, 0},
    {"TwoNumbersAndComma", u"s1 isn't two valid numbers separated by a s2", u"", 0, 1028, 2, 3790, 0, 0},
    {"OKtoDelete", u"OK to delete s1?", u"", 3, 12, 3, 0, 0, 0},
    {"OKtoDeleteDir", u"OK to delete s1 and all sub-folders of it?", u"", 3, 12, 3, 0, 0, 0},
    {"OKtoCreateDir", u"OK to create s1?", u"", 3, 12, 2, 0, 0, 0},
    {"OKtoSaveAgainAs", u"OK to save again as s1?", u"", 3, 1027, 0, 1420, 0, 0},
    {"OKtoSaveXInUnicode", u"OK to save s1 in Unicode?", u"", 3, 1027, 0, 4990, 0, 0},
    {"OKtoSaveInUnicode", u"OK to save in Unicode?", u"", 3, 3, 0, 0, 0, 0},
    {"OKtoOverwriteWithBackupQ", u"(2) Overwrite s1 (with backup)?", u"", 3, 779, 0, 0, 0, 0},
    {"OKtoOverwriteWithBackupQ", u"Overwrite s1 (with backup)?", u"", 3, 3, 0, 0, 0, 0},
    {"OKtoReplaceWithNewVersion", u"OK to replace s1 with the new version?", u"", 3, 771, 0, 0, 0, 0},
    {"OKtoReplaceWithNewVersionWithBackup", u"OK to replace s1 with the new version (keeping a backup)", u"", 3, 771, 0, 0, 0, 0},
    {"CantMergeWithSameFile", u"Can't merge with same file", u"", 2, 4, 2, 0, 0, 0},
    {"CantDoThisOnNetworkVersion", u"Can't s1 in Network version", u"", 2, 4, 2, 0, 0, 0},
    {"CantSortOnContextWord", u"Can't sort on context word\r(no context word specified)", u"", 2, 1028, 2, 2140, 0, 0},
    {"ChooseLanguage", u"Choose the language to use as a basis", u"", 0, 4, 2, 0, 0, 0},
    {"ConvertMixedFormatsToUNicode", u"varied text formats in the text files\rDo you want to convert into Unicode?", u"", 3, 1027, 0, 1240, 0, 0},
    {"ConfirmDoThisOnNetworkVersion", u"Sure you want to s1 in this Network version?", u"", 3, 12, 2, 0, 0, 0},
    {"CantPlayMedia", u"Failed to play s1", u"", 2, 1028, 2, 5040, 0, 0},
    {"IncludeZipsToo", u"Include zip files?", u"", 3, 1027, 0, 1780, 0, 0},
    {"NFilesLoaded", u"1,235 files loaded", u"", 2, 4, 2, 0, 0, 0},
    {"NFilesSaved", u"1,235 files saved", u"", 2, 4, 2, 0, 0, 0},
    {"ProvideAFilenameOrCancel", u"Provide a filename or Cancel", u"", 2, 4, 2, 0, 0, 0},
    {"StartNewToolInstance", u"Start another Concord window?", u"", 3, 1035, 0, 1480, 0, 0},
    {"DoYouWantToSave", u"Save Concordance list (modified)?", u"saving", 3, 1027, 0, 1410, 0, 0},
    {"CreateFolderYesNo", u"Create s1?", u"", 3, 3, 0, 0, 0, 0},
    {"NModificationsMade", u"1,235 modifications made", u"", 2, 1028, 2, 4920, 0, 0},
    {"NFilesPresentOnDisk", u"Only 1,235 files (out of 1,236) present on disk", u"", 2, 4, 2, 0, 0, 0},
    {"NoFilesSelected", u"No files selected", u"", 2, 4, 2, 0, 0, 0},
    {"NoColumnSelected", u"No column selected", u"", 2, 4, 2, 0, 0, 0},
    {"NoConcordClustersOfSize", u"Too few clusters of size 2 - 3 with minimum frequency 4 found\r(Highest frequency was 5.)", u"", 2, 1028, 2, 2000, 0, 0},
    {"NoClustersOfSizeIn", u"No clusters at settings 2 - 3;  frequency 4 using <= 1.500 % found in s1\r(Highest frequency was 5.)", u"", 2, 1028, 2, 2910, 0, 0},
    {"NoMutualInfoData", u"Nothing more frequent than 2, less than 1236.000 %, and with relationships as specified found in s1", u"", 2, 1028, 2, 2820, 0, 0},
    {"IndexFilenameNeeded", u"First I need an index filename", u"", 2, 1028, 2, 2800, 0, 0},
    {"ChangeFontsColoursEtc", u"Update Fonts, Colours etc. for this screen?", u"", 3, 3, 0, 0, 0, 0},
    {"CantCommunicateWith", u"Cannot communicate with Concord", u"", 2, 4, 2, 0, 0, 0},
    {"IsntQmarkFile", u"s1 isn't a Quillmark Tools file", u"", 2, 1028, 2, 4500, 0, 0},
    {"IsntACurrentQmarkFile", u"s1 is a no longer current Quillmark file", u"", 2, 1028, 2, 4590, 0, 0},
    {"WrongToolForFile", u"s1 has to be opened with Concord", u"", 2, 4, 2, 0, 0, 0},
    {"FailedToSave", u"Failed to save s1", u"", 2, 1028, 2, 3350, 0, 0},
    {"FailedToInstall", u"install place OK\rFailed to install (code=2; reason: install place OK)", u"", 1, 1028, 2, 1110, 0, 0},
    {"SavedOK", u"s1 saved OK", u"", 2, 4, 2, 0, 8, 0},
    {"FileIsOpenPleaseCloseIt", u"s1 is still open; please close it before proceeding.", u"", 1, 4, 2, 0, 0, 0},
    {"FailedToFind", u"Couldn't find file called s1", u"", 2, 1036, 3, 3390, 0, 0},
    {"FailedToFindIni", u"Couldn't find defaults file s1", u"", 2, 1036, 3, 3390, 0, 0},
    {"InsertBrackets", u"Insert brackets like this: \rs1", u"", 3, 3, 0, 1270, 0, 0},
    {"InvalidWordAndFrequency", u"s1 has an unacceptable frequency (2) for this procedure", u"", 1, 1028, 2, 3790, 0, 0},
    {"InvalidNumber", u"s1 isn't a valid number", u"", 0, 1028, 2, 3790, 0, 0},
    {"StoppedWhenProcessingX", u"stopped when trying to process s1", u"", 2, 1028, 2, 3340, 0, 0},
    {"FailedToRead", u"Failed to read s1", u"", 2, 1028, 2, 3340, 0, 0},
    {"FailedToRename", u"Failed to rename s1 as s2", u"", 2, 1028, 2, 3340, 0, 0},
    {"SourceIndexDifferentFromMutualIndex", u"Source Index file (s1) is not the default index file (s2)\rReset default to s2?", u"", 3, 1027, 0, 4690, 0, 0},
    {"UndefinedTimeLineBasis", u"time line basis is undefined", u"", 2, 1028, 2, 1245, 0, 0},
    {"UnMatchedBracketInX", u"unmatched bracket in: s1", u"", 1, 1028, 2, 1270, 0, 0},
    {"UsingTempFile", u"Temp file created: s1", u"", 2, 1028, 2, 1780, 0, 0},
};
// clang-format on

struct Fixture {
  Fixture() {
    FormatSettings().ThousandSeparator = u',';
    FormatSettings().DecimalSeparator = u'.';
    current_tool_var = tt_concord;
  }
  ~Fixture() { FormatSettings() = saved; }
  QApplication &application = testsupport::QtApplication();
  const TFormatSettings saved = FormatSettings();
  QWidget owner;
  bool flag = false;
  Recorder recorder;
};

// Every function of the catalogue: its text as filled, caption, kind, buttons, default, help
// topic, timeout and never-show box, one call each, in the order of the golden table.
TEST(DialogCatalogue, EveryFunctionShowsItsGoldenDialog) {
  Fixture f;
  const std::span<const TDialogSample> calls = DialogSamples();
  ASSERT_EQ(calls.size(), std::size(kGolden));
  for (size_t i = 0; i < calls.size(); ++i) {
    const Golden &g = kGolden[i];
    ASSERT_STREQ(calls[i].name, g.name);
    const size_t before = f.recorder.calls.size();
    calls[i].show(&f.owner);
    ASSERT_EQ(f.recorder.calls.size(), before + 1) << g.name;
    const TMessageDlgCall &d = f.recorder.calls.back();
    EXPECT_EQ(d.owner, &f.owner) << g.name;
    EXPECT_EQ(d.message, String(g.text)) << g.name;
    EXPECT_EQ(d.caption, String(g.caption)) << g.name;
    EXPECT_EQ(int(d.kind), g.kind) << g.name;
    EXPECT_EQ(Bits(d.buttons), g.buttons) << g.name;
    EXPECT_EQ(int(d.default_button), g.default_button) << g.name;
    EXPECT_EQ(d.help_context, g.help_context) << g.name;
    EXPECT_EQ(d.timeout_seconds, g.timeout_seconds) << g.name;
    EXPECT_EQ(int(d.with_dont_show), g.with_dont_show) << g.name;
  }
}

// The Boolean answers: true only for the answer asked for; Cancel (Escape, a marker) never.
TEST(DialogCatalogue, BooleanAnswersFollowTheirRule) {
  Fixture f;
  struct Row {
    std::function<bool()> ask;
    int32_t result;
    bool expected;
  };
  QWidget *o = &f.owner;
  const Row rows[] = {
      {[o] { return OKtoDelete(o, u"x"); }, mrOk, true},
      {[o] { return OKtoDelete(o, u"x"); }, mrCancel, false},
      {[o] { return OKtoSaveAgainAs(o, u"x"); }, mrYes, true},
      {[o] { return OKtoSaveAgainAs(o, u"x"); }, mrNo, false},
      {[o] { return CantDoThisOnNetworkVersion(o, u"x"); }, mrOk, false},
      {[o] { return CantDoThisOnNetworkVersion(o, u"x"); }, mrCancel, true},
      {[o] { return OKtoMoveFilesToSubFolders(o, u"x", u"y"); }, mrCancel, false},
      {[o] { return OKtoOverwriteWithBackupQ(o, u"x"); }, mrYes, true},
      {[o] { return AreYouSureYouWantTo(o, u"x", 5); }, mrNo, false},
  };
  for (const Row &row : rows) {
    f.recorder.answers = {row.result};
    EXPECT_EQ(row.ask(), row.expected) << row.result;
  }
  f.recorder.answers = {mrNoToAll};
  EXPECT_EQ(OKtoOverwriteWithBackupQ(o, u"x", 3), mrNoToAll);
}

TEST(DialogCatalogue, FilesPresentOnDiskPicksItsMessageByCount) {
  Fixture f;
  NFilesPresentOnDisk(&f.owner, 0, 10);
  NFilesPresentOnDisk(&f.owner, 10, 10);
  NFilesPresentOnDisk(&f.owner, 7, 10);
  ASSERT_EQ(f.recorder.calls.size(), 3u);
  EXPECT_EQ(f.recorder.calls[0].message, u"No files present on disk");
  EXPECT_EQ(f.recorder.calls[1].message, u"All 10 files present on disk");
  EXPECT_EQ(f.recorder.calls[2].message, u"Only 7 files (out of 10) present on disk");
}

// A No is never taken for a timed-out yes, whatever the previous dialog left in the flag; only a
// dialog that itself timed out saves. An empty subject asks nothing.
TEST(DialogCatalogue, DoYouWantToSaveSavesOnYesOrItsOwnTimeoutOnly) {
  Fixture f;
  Global_TimedOut = true;
  f.recorder.answers = {mrNo};
  EXPECT_FALSE(DoYouWantToSave(&f.owner, u"notes", TListTypes{}));
  EXPECT_EQ(f.recorder.calls.back().message, u"Save notes?");
  f.recorder.timed_out = true;
  EXPECT_TRUE(DoYouWantToSave(&f.owner, u"notes", TListTypes{}));
  const size_t asked = f.recorder.calls.size();
  EXPECT_FALSE(DoYouWantToSave(&f.owner, u"", TListTypes{}));
  EXPECT_EQ(f.recorder.calls.size(), asked);
  EXPECT_FALSE(Global_TimedOut);
}

// Text from the user is an argument only: its "%" signs are shown as typed.
TEST(DialogCatalogue, UserTextIsNeverATemplate) {
  Fixture f;
  OKToHighlightCollocateInConcordance(&f.owner, u"100%s", u"%d", u"%%", f.flag);
  EXPECT_EQ(f.recorder.calls.back().message.substr(0, 23), u"Re 100%s in %d context ");
  FailedToFind(&f.owner, u"");
  EXPECT_EQ(f.recorder.calls.back().message, u"No file specified, please choose one");
  ClearLogFile(&f.owner, u"50%d.log");
  EXPECT_EQ(f.recorder.calls.back().message, u"Clear 50%d.log?");
}

// The timed notices hold the busy flag while up and release it on every exit, a raise included.
TEST(DialogCatalogue, BusyFlagIsHeldWhileShownAndReleasedEvenOnARaise) {
  Fixture f;
  Global_ErrorMessageBusy = false;
  ClipboardHasText(&f.owner);
  EXPECT_TRUE(f.recorder.busy_while_shown);
  EXPECT_FALSE(Global_ErrorMessageBusy);
  const TMessageDlgHook previous = SetMessageDlgHook(
      [](const TMessageDlgCall &) -> TMessageDlgAnswer { throw Exception(u"boom"); });
  EXPECT_THROW(DataPartlyObscured(&f.owner), Exception);
  EXPECT_FALSE(Global_ErrorMessageBusy);
  SetMessageDlgHook(previous);
}

// The collocate question reports its own timeout through its own flag.
TEST(DialogCatalogue, HighlightCollocateWritesItsOwnFlag) {
  Fixture f;
  f.recorder.timed_out = true;
  Global_TimedOut = false;
  bool own = false;
  EXPECT_FALSE(OKToHighlightCollocateInConcordance(&f.owner, u"a", u"b", u"c", own));
  EXPECT_TRUE(own);
  EXPECT_FALSE(Global_TimedOut);
}

} // namespace
