// The dialog catalogue; see message_dialog_catalogue.h.
#include "dialogs/message_dialog_catalogue.h"

#include "dialogs/form_centred_message_dlg.h"
#include "dialogs/message_dialog_form.h"

#include "core/bounded_waits.h"
#include "core/logging_utilities.h"
#include "core/stop_flags.h"
#include "definitions/process_variables.h"
#include "messages/message.h"
#include "messages/message_names.h"
#include "platform/exceptions.h"
#include "platform/format.h"

#include <array>
#include <initializer_list>
#include <span>

namespace dialogkit {

using namespace textcore;

namespace {

// How a row's modal result becomes the function's answer.
enum TResultRule : uint8_t { rr_none, rr_modal, rr_yes, rr_ok, rr_not_ok };

// Up to four messages of a row, in the order they are shown (a caption last).
struct TMessages {
  constexpr TMessages(std::initializer_list<TMessage> list)
      : items{At(list, 0), At(list, 1), At(list, 2), At(list, 3)},
        count(static_cast<uint8_t>(list.size())) {}
  static constexpr TMessage At(std::initializer_list<TMessage> list, size_t i) {
    return i < list.size() ? list.begin()[i] : TMessage(0);
  }
  std::array<TMessage, 4> items;
  uint8_t count;
};

// The default button is picked from the set (OK, else Yes, ...).
constexpr int kPicked = -1;

struct TCatalogueRow {
  const char *name;
  TMessages messages;
  TMsgDlgType kind;
  uint16_t buttons; // bit b is the button of TMsgDlgBtn b
  int default_button;
  int32_t help_context;
  TResultRule result;
  int32_t timeout_seconds;
  bool never_show;
  bool caption;              // the last message is the caption
  bool direct_join;          // the messages are joined without a line break
  int32_t busy_wait_seconds; // waits this long for another such notice to go first
};

enum TRowId : uint8_t {
  row_NoTextsChosenSoUseThese,
  row_SourceTextFileNotFound,
  row_UseCustomSortForLanguage,
  row_OKtoMoveFilesToSubFolders,
  row_NoPreferredLanguageButSetTo,
  row_NoFontsAvailableForLanguage,
  row_AskInstallerToSetUserReadWriteFolder,
  row_TextFileStatisticsNeededForX,
  row_ChoosingTextFilesForOK,
  row_FirstChooseTexts,
  row_WordlistTXTFilenameNeeded,
  row_OutputFilenameNeeded,
  row_ProblemWithXOrStopPressed,
  row_LimitedRoomOnDProceed,
  row_ResultsAddedToNotes,
  row_ResultsAreInTab,
  row_OKToHighlightCollocateInConcordance,
  row_SuggestYouUpdateYourVersion,
  row_FolderIsReadOnly,
  row_CantCompareWithSameFile,
  row_N_DuplicatesFound,
  row_ModifySourceTexts,
  row_ModifySourceTextsForSet,
  row_ModifySourceTextsForSearchWord,
  row_LimitOfKeywordLinksReached,
  row_DoYouWantToOpenBatchFileToMergeLists,
  row_DoYouWantToOpenBatchFileToSeeIndividualLists,
  row_ReduceDataOK,
  row_CollocateAssociationNotComputed,
  row_ClosingAndRestarting,
  row_OKToCloseNowForDownloadCheck,
  row_RefCorpusAndKWMismatch,
  row_ChangeTagOpenMarks,
  row_DataPartlyObscured,
  row_ClipboardHasPictureAndText,
  row_ClipboardHasPicture,
  row_ClipboardHasText,
  row_OpenFileInBrowserOrNotepad,
  row_ChangeLanguageFromXToY,
  row_ChangeLanguageFrom,
  row_ClearLogFile,
  row_CopyIniAndOtherFilesToo,
  row_FileHasHolesSoSkipIt,
  row_FileIsEmpty,
  row_FNameChooseNewOrBatch,
  row_MediaLookupTableNotFound,
  row_MediaStartOfFilenameUndefined,
  row_MenuShortcutAlreadyInUse,
  row_NoPrinterInstalled,
  row_JoinClusters,
  row_JoinXtoY,
  row_UnJoinAll,
  row_LimitOfConcordanceEntriesReached,
  row_LimitOfKeywordEntriesReached,
  row_NoConcordanceEntriesFound,
  row_NoCorruptFilesFound,
  row_NoMatchListAction,
  row_NoLemmaList,
  row_NoMatchList,
  row_NoMatchTemplate,
  row_NoStopList,
  row_NoWordsIn,
  row_XLSXReadNotImplemented,
  row_NotImplemented,
  row_UnderMaintenance,
  row_CouldntDoDetailedConsistencyOn,
  row_FailedToCreateFileOrFolder,
  row_FailedToPrepareTextConversion,
  row_CantComputeKWSIfDifferentLanguages,
  row_NoReferenceCorpus,
  row_NoChargramsFound,
  row_NoProblem,
  row_NoKeyWordLinksFound,
  row_NoKeyWordsFound,
  row_AreYouSureYouWantTo,
  row_CantFindOneOfTheFiles,
  row_CantDeleteThisColumnOfData,
  row_CantEditThisColumnOfData,
  row_CantFindAnyOfTheFiles,
  row_CantMakeClustersWithoutIndex,
  row_CantComputeMIWithoutIndex,
  row_MustSelectUnjoinEntry,
  row_TextHasCharactersNeedingDifferentFont,
  row_TwoNumbersAndComma,
  row_OKtoDelete,
  row_OKtoCreateDir,
  row_OKtoSaveAgainAs,
  row_OKtoSaveXInUnicode,
  row_OKtoSaveInUnicode,
  row_OKtoOverwriteWithBackupQCount,
  row_OKtoOverwriteWithBackupQ,
  row_OKtoReplaceWithNewVersion,
  row_OKtoReplaceWithNewVersionWithBackup,
  row_CantMergeWithSameFile,
  row_CantDoThisOnNetworkVersion,
  row_CantSortOnContextWord,
  row_ChooseLanguage,
  row_ConvertMixedFormatsToUNicode,
  row_ConfirmDoThisOnNetworkVersion,
  row_CantPlayMedia,
  row_IncludeZipsToo,
  row_NFilesLoaded,
  row_NFilesSaved,
  row_ProvideAFilenameOrCancel,
  row_StartNewToolInstance,
  row_DoYouWantToSave,
  row_CreateFolderYesNo,
  row_NModificationsMade,
  row_NFilesPresentOnDisk,
  row_NoFilesSelected,
  row_NoColumnSelected,
  row_NoConcordClustersOfSize,
  row_NoClustersOfSizeIn,
  row_NoMutualInfoData,
  row_IndexFilenameNeeded,
  row_ChangeFontsColoursEtc,
  row_CantCommunicateWith,
  row_IsntQmarkFile,
  row_IsntACurrentQmarkFile,
  row_WrongToolForFile,
  row_FailedToSave,
  row_FailedToInstall,
  row_SavedOK,
  row_FileIsOpenPleaseCloseIt,
  row_FailedToFind,
  row_FailedToFindIni,
  row_InsertBrackets,
  row_InvalidWordAndFrequency,
  row_InvalidNumber,
  row_StoppedWhenProcessingX,
  row_FailedToRead,
  row_FailedToRename,
  row_SourceIndexDifferentFromMutualIndex,
  row_UndefinedTimeLineBasis,
  row_UnMatchedBracketInX,
  row_UsingTempFile,
};

// clang-format off
constexpr TCatalogueRow kRows[] = {
    {"NoTextsChosenSoUseThese", {_QMYouHaveNTextsChosen, _QMSoUsetheNFileXIsBasedOn}, mtConfirmation, 1027, kPicked, 1310, rr_yes, 0, false, false, false, 0},
    {"SourceTextFileNotFound", {_QMSourceTextNotFound}, mtWarning, 1028, kPicked, 4580, rr_none, 0, false, false, false, 0},
    {"UseCustomSortForLanguage", {_QMUseCustomSortForLanguageL}, mtConfirmation, 1027, kPicked, 5520, rr_yes, 0, false, false, false, 0},
    {"OKtoMoveFilesToSubFolders", {_QMOKToMoveFilesToSubFolder}, mtConfirmation, 1028, kPicked, 5500, rr_ok, 0, false, false, false, 0},
    {"NoPreferredLanguageButSetTo", {_QMNoPreferredLanguageButSetToL}, mtWarning, 1028, kPicked, 4290, rr_none, 0, false, false, false, 0},
    {"NoFontsAvailableForLanguage", {_QMNoFontsAvailableForLanguageL}, mtWarning, 1028, kPicked, 5490, rr_none, 0, false, false, false, 0},
    {"AskInstallerToSetUserReadWriteFolder", {_QMUserReadWriteFolderIsWrong}, mtError, 1028, kPicked, 4540, rr_modal, 0, false, false, false, 0},
    {"TextFileStatisticsNeededForX", {_QMTextFileStatisticsNeededForX}, mtError, 4, kPicked, 0, rr_modal, 0, false, false, false, 0},
    {"ChoosingTextFilesForOK", {_QMDifferentTextsCanBeChosenForTools, _QMYoureChoosingForXTool}, mtConfirmation, 1036, mbOK, 1240, rr_modal, 0, false, false, false, 0},
    {"FirstChooseTexts", {_QMForThisChooseTextsStr}, mtError, 4, kPicked, 0, rr_modal, 0, false, false, false, 0},
    {"WordlistTXTFilenameNeeded", {_QMWordlistTXTFilenameNeeded}, mtError, 4, kPicked, 0, rr_none, 0, false, false, false, 0},
    {"OutputFilenameNeeded", {_QMOutputFilenameNeeded}, mtError, 4, kPicked, 0, rr_none, 0, false, false, false, 0},
    {"ProblemWithXOrStopPressed", {_QMProblemHandling, _QMOrStopPressed}, mtError, 4, kPicked, 0, rr_none, 0, false, false, false, 0},
    {"LimitedRoomOnDProceed", {_QMOnlyMbSpaceOnDriveDProceed}, mtWarning, 9, mbCancel, 0, rr_modal, 0, false, false, false, 0},
    {"ResultsAddedToNotes", {_QMResultsOfSHaveBeenAddedToNotes}, mtInformation, 1028, kPicked, 1120, rr_none, 0, false, false, false, 0},
    {"ResultsAreInTab", {_QMResultsAreVisibleInTabX}, mtInformation, 4, kPicked, 0, rr_none, 0, false, false, false, 0},
    {"OKToHighlightCollocateInConcordance", {_QMShowInExistingConcordance, _QMComputeNewConcordance, _QMDoYouWantToXorY, _QMCollocates}, mtConfirmation, 1027, mbYes, 4930, rr_yes, 5, true, true, false, 5},
    {"SuggestYouUpdateYourVersion", {_QMVersionIsXDaysOldRunVersionUpdate}, mtInformation, 1028, kPicked, 4360, rr_none, 0, false, false, false, 0},
    {"FolderIsReadOnly", {_QMFolderIsReadOnly}, mtWarning, 1028, kPicked, 4890, rr_modal, 0, false, false, false, 0},
    {"CantCompareWithSameFile", {_QMCanTCompareWithT}, mtInformation, 1028, kPicked, 4160, rr_none, 0, false, false, false, 0},
    {"N_DuplicatesFound", {_QMNDuplicatesFound}, mtInformation, 1028, kPicked, 4170, rr_none, 0, false, false, false, 0},
    {"ModifySourceTexts", {_QMModifySourceTextsQ}, mtConfirmation, 1036, mbCancel, 4920, rr_ok, 0, false, false, false, 0},
    {"ModifySourceTextsForSet", {_QMModifySourceTextsForSetsQ}, mtConfirmation, 1027, mbNo, 4920, rr_yes, 0, false, false, false, 0},
    {"ModifySourceTextsForSearchWord", {_QMModifySourceTextsForSearchWordQ}, mtConfirmation, 1027, mbNo, 4920, rr_yes, 0, false, false, false, 0},
    {"LimitOfKeywordLinksReached", {_QMKeyWordsLinksReach}, mtInformation, 1028, kPicked, 2430, rr_modal, 0, false, false, false, 0},
    {"DoYouWantToOpenBatchFileToMergeLists", {_QMOpenTheZipFile, _QMToMergeTheIndivid}, mtConfirmation, 1035, mbNo, 4660, rr_modal, 0, false, false, true, 0},
    {"DoYouWantToOpenBatchFileToSeeIndividualLists", {_QMOpenTheZipFile, _QMToSeeTheIndividua}, mtConfirmation, 1035, mbYes, 2730, rr_modal, 0, false, false, true, 0},
    {"ReduceDataOK", {_QMThisWillZapYourD, _QMThoughItWonTDel}, mtConfirmation, 1036, mbOK, 4720, rr_modal, 0, false, false, false, 0},
    {"CollocateAssociationNotComputed", {_QMYouHavenTYetComp, _QMClickHelpForAdvic}, mtWarning, 1028, kPicked, 4700, rr_modal, 0, false, false, false, 0},
    {"ClosingAndRestarting", {_QMClosingDownAndRestarting}, mtInformation, 1028, kPicked, 1380, rr_ok, 0, false, false, false, 0},
    {"OKToCloseNowForDownloadCheck", {_QMOKToCloseNowForVersionChecker}, mtConfirmation, 1028, kPicked, 4710, rr_ok, 0, false, false, false, 0},
    {"RefCorpusAndKWMismatch", {_QMRefCorpWLincompat}, mtWarning, 1027, mbYes, 3470, rr_modal, 0, false, false, false, 0},
    {"ChangeTagOpenMarks", {_QMYouHaveTagSymbolsInX, _QMAreYouConcordancin}, mtConfirmation, 1027, mbYes, 2080, rr_modal, 0, false, false, false, 0},
    {"DataPartlyObscured", {_QMWhereColumnsHaveP, _QMToViewItAllPull, _QMColumnLayout}, mtInformation, 1028, mbOK, 1320, rr_none, 10, true, true, true, 10},
    {"ClipboardHasPictureAndText", {_QMDataCopiedToTheC, _QMClipboard}, mtInformation, 1028, mbOK, 1570, rr_none, 10, true, true, false, 10},
    {"ClipboardHasPicture", {_QMClipboardPasteAsPicture, _QMClipboard}, mtInformation, 1028, mbOK, 1570, rr_none, 10, true, true, false, 10},
    {"ClipboardHasText", {_QMClipboardPasteAsText, _QMClipboard}, mtInformation, 1028, mbOK, 1570, rr_none, 10, true, true, false, 10},
    {"OpenFileInBrowserOrNotepad", {_QMOpenInBrowserOrNotepadQ}, mtConfirmation, 3, mbYes, 0, rr_modal, 0, false, false, false, 0},
    {"ChangeLanguageFromXToY", {_QMChangeLanguageFromXToY}, mtConfirmation, 1027, mbYes, 4900, rr_modal, 0, false, false, false, 0},
    {"ChangeLanguageFrom", {_QMChangeLanguageAway}, mtConfirmation, 1027, mbYes, 1230, rr_modal, 0, false, false, false, 0},
    {"ClearLogFile", {_QMClear}, mtConfirmation, 1027, mbYes, 4445, rr_modal, 0, false, false, false, 0},
    {"CopyIniAndOtherFilesToo", {_QMCopySettingsFiles, _QMTo, _QMToo}, mtConfirmation, 1027, mbYes, 1600, rr_yes, 0, false, false, false, 0},
    {"FileHasHolesSoSkipIt", {_QMHasHolesAtAbout, _QMContextColonOpenQuotes, _QMSkipIt}, mtConfirmation, 1803, mbYes, 3380, rr_modal, 0, false, false, false, 0},
    {"FileIsEmpty", {_QMEmptyFile}, mtWarning, 4, kPicked, 0, rr_modal, 0, false, false, false, 0},
    {"FNameChooseNewOrBatch", {_QMPressYesToSaveIn, _QMOrNoToChooseToS, _QMOrCancel}, mtConfirmation, 1035, mbYes, 2730, rr_modal, 0, false, false, false, 0},
    {"MediaLookupTableNotFound", {_QMLookupTableNotFound}, mtWarning, 1028, kPicked, 5120, rr_ok, 0, false, false, false, 0},
    {"MediaStartOfFilenameUndefined", {_QMMediaStartOfFilenameUndefined}, mtWarning, 1028, kPicked, 5120, rr_ok, 0, false, false, false, 0},
    {"MenuShortcutAlreadyInUse", {_QMMenuShortcutInUse}, mtWarning, 1028, kPicked, 4440, rr_modal, 0, false, false, false, 0},
    {"NoPrinterInstalled", {_QMNoPrinterInstalled}, mtWarning, 1028, kPicked, 4650, rr_modal, 0, false, false, false, 0},
    {"JoinClusters", {_QMJoinClusters}, mtConfirmation, 1544, mbYesToAll, 5270, rr_modal, 0, false, false, false, 0},
    {"JoinXtoY", {_QMJoinXtoY}, mtConfirmation, 1803, mbYes, 2720, rr_modal, 0, false, false, false, 0},
    {"UnJoinAll", {_QMUnJoinAll}, mtConfirmation, 1544, mbYesToAll, 2790, rr_modal, 0, false, false, false, 0},
    {"LimitOfConcordanceEntriesReached", {_QMConcordanceEntries}, mtInformation, 1028, kPicked, 2180, rr_modal, 0, false, false, false, 0},
    {"LimitOfKeywordEntriesReached", {_QMKeyWordsEntriesReduced}, mtInformation, 1028, kPicked, 2430, rr_modal, 0, false, false, false, 0},
    {"NoConcordanceEntriesFound", {_QMNoConcordanceEntri}, mtInformation, 1028, kPicked, 3640, rr_modal, 0, false, false, false, 0},
    {"NoCorruptFilesFound", {_QMNoCorruptFilesFound}, mtInformation, 1028, kPicked, 5140, rr_modal, 0, false, false, false, 0},
    {"NoMatchListAction", {_QMChooseAMatchListAction}, mtInformation, 1028, kPicked, 1330, rr_modal, 0, false, false, false, 0},
    {"NoLemmaList", {_QMLoadALemmaListFi}, mtInformation, 1028, kPicked, 2780, rr_modal, 0, false, false, false, 0},
    {"NoMatchList", {_QMLoadAMatchListFi}, mtInformation, 1028, kPicked, 1330, rr_modal, 0, false, false, false, 0},
    {"NoMatchTemplate", {_QMMatchTemplateEmpty}, mtInformation, 1028, kPicked, 1330, rr_modal, 0, false, false, false, 0},
    {"NoStopList", {_QMLoadAStopListFil}, mtInformation, 1028, kPicked, 1460, rr_modal, 0, false, false, false, 0},
    {"NoWordsIn", {_QMNoWordsIn}, mtWarning, 4, kPicked, 0, rr_modal, 0, false, false, false, 0},
    {"XLSXReadNotImplemented", {_QMXLSXReadNotImplemented, _QMSorry}, mtInformation, 1028, mbOK, 4850, rr_modal, 10, true, true, false, 10},
    {"NotImplemented", {_QMSorryFunctionNot}, mtInformation, 1028, kPicked, 3910, rr_modal, 0, false, false, false, 0},
    {"UnderMaintenance", {_QMSorryUnderMaintenance}, mtInformation, 1028, kPicked, 3910, rr_modal, 0, false, false, false, 0},
    {"CouldntDoDetailedConsistencyOn", {_QMCouldnTProcess}, mtInformation, 4, kPicked, 2760, rr_modal, 0, false, false, false, 0},
    {"FailedToCreateFileOrFolder", {_QMFailedToCreate}, mtInformation, 1028, kPicked, 3330, rr_modal, 0, false, false, false, 0},
    {"FailedToPrepareTextConversion", {_QMFailedToPrepareTe}, mtInformation, 1028, kPicked, 2500, rr_modal, 0, false, false, false, 0},
    {"CantComputeKWSIfDifferentLanguages", {_QMKeywords, _QMCannotComputeXIfLangsDiffer}, mtInformation, 1028, kPicked, 4480, rr_modal, 0, false, false, false, 0},
    {"NoReferenceCorpus", {_QMReferenceCorpusNeeded}, mtError, 1028, kPicked, 2430, rr_modal, 0, false, false, false, 0},
    {"NoChargramsFound", {_QMChargrams, _QMNoXFoundAtCurrentSettings}, mtInformation, 1028, kPicked, 5800, rr_modal, 0, false, false, false, 0},
    {"NoProblem", {_QMNoProblem}, mtInformation, 4, kPicked, 0, rr_modal, 0, false, false, false, 0},
    {"NoKeyWordLinksFound", {_QMKeywordLinks, _QMNoXFoundAtCurrentSettings}, mtInformation, 1028, kPicked, 2340, rr_modal, 0, false, false, false, 0},
    {"NoKeyWordsFound", {_QMKeywords, _QMNoXFoundAtCurrentSettings}, mtInformation, 1028, kPicked, 3680, rr_modal, 0, false, false, false, 0},
    {"AreYouSureYouWantTo", {_QMAreYouSureYouWantTo}, mtConfirmation, 1027, mbYes, 0, rr_yes, 0, false, false, false, 0},
    {"CantFindOneOfTheFiles", {_QMCouldnTFindOneOf, _QMMessageNOfAMaxOfN}, mtInformation, 1028, kPicked, 3810, rr_modal, 0, false, false, false, 0},
    {"CantDeleteThisColumnOfData", {_QMCanTDeleteColumn}, mtInformation, 1028, kPicked, 1320, rr_modal, 0, false, false, false, 0},
    {"CantEditThisColumnOfData", {_QMCanTEditColumn, _QMBracketsOnly}, mtInformation, 1028, kPicked, 1300, rr_modal, 0, false, false, false, 0},
    {"CantFindAnyOfTheFiles", {_QMCouldnTFindAnyOf}, mtInformation, 1028, kPicked, 3810, rr_modal, 0, false, false, false, 0},
    {"CantMakeClustersWithoutIndex", {_QMClustersCanOnlyBe, _QMMakeOrOpenAnInde}, mtInformation, 1028, kPicked, 2910, rr_modal, 0, false, false, false, 0},
    {"CantComputeMIWithoutIndex", {_QMMICanOnlyBeCompu, _QMMakeOrOpenAnInde}, mtInformation, 1028, kPicked, 2820, rr_modal, 0, false, false, false, 0},
    {"MustSelectUnjoinEntry", {_QMYouMustSelectOne, _QMDefineWhereTheTop}, mtInformation, 1028, kPicked, 2640, rr_modal, 0, false, false, false, 0},
    {"TextHasCharactersNeedingDifferentFont", {_QMFontHasHighCharacters}, mtInformation, 1028, kPicked, 5430, rr_none, 0, false, false, false, 0},
    {"TwoNumbersAndComma", {_QMIsnTTwoValidNum}, mtWarning, 1028, kPicked, 3790, rr_ok, 0, false, false, false, 0},
    {"OKtoDelete", {_QMOKToDeleteXQ}, mtConfirmation, 12, mbCancel, 0, rr_ok, 0, false, false, false, 0},
    {"OKtoCreateDir", {_QMOKToCreateXQ}, mtConfirmation, 12, kPicked, 0, rr_ok, 0, false, false, false, 0},
    {"OKtoSaveAgainAs", {_QMOKToSaveAgainAs}, mtConfirmation, 1027, mbYes, 1420, rr_yes, 0, false, false, false, 0},
    {"OKtoSaveXInUnicode", {_QMOKToSaveXInUnicode}, mtConfirmation, 1027, mbYes, 4990, rr_yes, 0, false, false, false, 0},
    {"OKtoSaveInUnicode", {_QMOKToSaveInUnicod}, mtConfirmation, 3, mbYes, 0, rr_yes, 0, false, false, false, 0},
    {"OKtoOverwriteWithBackupQCount", {_QMOverwriteXWithBackupQ}, mtConfirmation, 779, mbYes, 0, rr_modal, 0, false, false, false, 0},
    {"OKtoOverwriteWithBackupQ", {_QMOverwriteXWithBackupQ}, mtConfirmation, 3, mbYes, 0, rr_yes, 0, false, false, false, 0},
    {"OKtoReplaceWithNewVersion", {_QMReplaceXWithNewVersionQ}, mtConfirmation, 771, mbYes, 0, rr_modal, 0, false, false, false, 0},
    {"OKtoReplaceWithNewVersionWithBackup", {_QMReplaceXWithNewVersionWithBackupQ}, mtConfirmation, 771, mbYes, 0, rr_modal, 0, false, false, false, 0},
    {"CantMergeWithSameFile", {_QMCanTMergeWithSam}, mtInformation, 4, kPicked, 0, rr_none, 0, false, false, false, 0},
    {"CantDoThisOnNetworkVersion", {_QMCanT, _QMInNetworkVersion}, mtInformation, 4, kPicked, 0, rr_not_ok, 0, false, false, false, 0},
    {"CantSortOnContextWord", {_QMCantSortOnContex, _QMNoContextWordSpe}, mtInformation, 1028, kPicked, 2140, rr_not_ok, 0, false, false, false, 0},
    {"ChooseLanguage", {_QMChooseTheLanguage}, mtWarning, 4, kPicked, 0, rr_ok, 0, false, false, false, 0},
    {"ConvertMixedFormatsToUNicode", {_QMMixedTextFormats, _QMConvertIntoUnicode, _QMDoYouWantToX}, mtConfirmation, 1027, kPicked, 1240, rr_yes, 0, false, false, false, 0},
    {"ConfirmDoThisOnNetworkVersion", {_QMSureYouWantTo, _QMInThisNetworkVers}, mtConfirmation, 12, kPicked, 0, rr_ok, 0, false, false, false, 0},
    {"CantPlayMedia", {_QMFailedToPlay}, mtInformation, 1028, kPicked, 5040, rr_not_ok, 0, false, false, false, 0},
    {"IncludeZipsToo", {_QMIncludeZipFiles}, mtConfirmation, 1027, kPicked, 1780, rr_yes, 0, false, false, false, 0},
    {"NFilesLoaded", {_QMNFilesLoaded}, mtInformation, 4, kPicked, 0, rr_ok, 0, false, false, false, 0},
    {"NFilesSaved", {_QMNFilesSaved}, mtInformation, 4, kPicked, 0, rr_ok, 0, false, false, false, 0},
    {"ProvideAFilenameOrCancel", {_QMProvideAFilenameO}, mtInformation, 4, kPicked, 0, rr_none, 0, false, false, false, 0},
    {"StartNewToolInstance", {_QMStartAnother, _QMWindow}, mtConfirmation, 1035, mbYes, 1480, rr_modal, 0, false, false, false, 0},
    {"DoYouWantToSave", {_QMXModified, _QMSaveXQ, _QMSaving}, mtConfirmation, 1027, mbYes, 1410, rr_yes, 0, false, true, false, 0},
    {"CreateFolderYesNo", {_QMCreate}, mtConfirmation, 3, mbYes, 0, rr_yes, 0, false, false, false, 0},
    {"NModificationsMade", {_QMNmanyModificationsMade}, mtInformation, 1028, kPicked, 4920, rr_modal, 0, false, false, false, 0},
    {"NFilesPresentOnDisk", {_QMOnlyXPresentOnDisk, _QMAllXPresentOnDisk, _QMNoFilesPresentOnDisk}, mtInformation, 4, kPicked, 0, rr_modal, 0, false, false, false, 0},
    {"NoFilesSelected", {_QMNoFilesSelected}, mtInformation, 4, kPicked, 0, rr_none, 0, false, false, false, 0},
    {"NoColumnSelected", {_QMNoColumnSelected}, mtInformation, 4, kPicked, 0, rr_none, 0, false, false, false, 0},
    {"NoConcordClustersOfSize", {_QMTooFewConcordClustersOf, _QMMostFrequentWas}, mtInformation, 1028, kPicked, 2000, rr_none, 0, false, false, false, 0},
    {"NoClustersOfSizeIn", {_QMNoClustersThoseSettings, _QMMostFrequentWas}, mtInformation, 1028, kPicked, 2910, rr_none, 0, false, false, false, 0},
    {"NoMutualInfoData", {_QMTooLittleDataWith}, mtInformation, 1028, kPicked, 2820, rr_none, 0, false, false, false, 0},
    {"IndexFilenameNeeded", {_QMFirstINeedAnInde}, mtInformation, 1028, kPicked, 2800, rr_none, 0, false, false, false, 0},
    {"ChangeFontsColoursEtc", {_QMUpdateFontsColour}, mtConfirmation, 3, mbYes, 0, rr_yes, 0, false, false, false, 0},
    {"CantCommunicateWith", {_QMCannotCommunicateW}, mtInformation, 4, kPicked, 0, rr_modal, 0, false, false, false, 0},
    {"IsntQmarkFile", {_QMIsnTAQuillmarkTo}, mtInformation, 1028, kPicked, 4500, rr_modal, 0, false, false, false, 0},
    {"IsntACurrentQmarkFile", {_QMIsANoLongerCurre}, mtInformation, 1028, kPicked, 4590, rr_modal, 0, false, false, false, 0},
    {"WrongToolForFile", {_QMHasToBeOpenedWit}, mtInformation, 4, kPicked, 0, rr_modal, 0, false, false, false, 0},
    {"FailedToSave", {_QMFailedToSave}, mtInformation, 1028, kPicked, 3350, rr_none, 0, false, false, false, 0},
    {"FailedToInstall", {_QMFoundTheRightPlace, _QMNotFoundTheRightPlace, _QMFailedToInstall}, mtError, 1028, kPicked, 1110, rr_none, 0, false, false, false, 0},
    {"SavedOK", {_QMSavedOK}, mtInformation, 4, kPicked, 0, rr_none, 8, false, false, false, 0},
    {"FileIsOpenPleaseCloseIt", {_QMFileIsOpenPleaseCloseIt}, mtError, 4, kPicked, 0, rr_modal, 0, false, false, false, 0},
    {"FailedToFind", {_QMCouldnTFindFileS, _QMNoFileSpecifiedPleaseChooseOne}, mtInformation, 1036, mbCancel, 3390, rr_modal, 0, false, false, false, 0},
    {"FailedToFindIni", {_QMDefaultsFile, _QMCouldnTFindS}, mtInformation, 1036, mbCancel, 3390, rr_modal, 0, false, false, false, 0},
    {"InsertBrackets", {_QMInsertBracket}, mtConfirmation, 3, kPicked, 1270, rr_yes, 0, false, false, false, 0},
    {"InvalidWordAndFrequency", {_QMSUnacceptableNFrequency}, mtError, 1028, kPicked, 3790, rr_modal, 0, false, false, false, 0},
    {"InvalidNumber", {_QMIsnTAValidNumbe}, mtWarning, 1028, kPicked, 3790, rr_modal, 0, false, false, false, 0},
    {"StoppedWhenProcessingX", {_QMStoppedWhenTryingToProcessX}, mtInformation, 1028, kPicked, 3340, rr_modal, 0, false, false, false, 0},
    {"FailedToRead", {_QMFailedToReadX}, mtInformation, 1028, kPicked, 3340, rr_modal, 0, false, false, false, 0},
    {"FailedToRename", {_QMFailedToRenameXasY}, mtInformation, 1028, kPicked, 3340, rr_modal, 0, false, false, false, 0},
    {"SourceIndexDifferentFromMutualIndex", {_QMSourceIndexFile, _QMIsNotTheDefaultI, _QMResetDefaultTo}, mtConfirmation, 1027, mbYes, 4690, rr_modal, 0, false, false, false, 0},
    {"UndefinedTimeLineBasis", {_QMUndefinedTimeLineBasis}, mtInformation, 1028, kPicked, 1245, rr_modal, 0, false, false, false, 0},
    {"UnMatchedBracketInX", {_QMunmatched_bracket}, mtError, 1028, kPicked, 1270, rr_modal, 0, false, false, false, 0},
    {"UsingTempFile", {_QMTempFileCreated}, mtInformation, 1028, kPicked, 1780, rr_modal, 0, false, false, false, 0},
};
// clang-format on
static_assert(std::size(kRows) == row_UsingTempFile + 1);

TMsgDlgButtons ButtonsOf(uint16_t bits) {
  TMsgDlgButtons set;
  for (int b = mbYes; b <= mbClose; ++b)
    if (bits & (1u << b))
      set.Include(static_cast<TMsgDlgBtn>(b));
  return set;
}

using Args = std::initializer_list<TFormatArg>;

// The message filled with args. A template that does not fit its arguments (a translation that
// lost a placeholder) is shown as it stands rather than not at all, and logged for the translator.
String Fill(TMessage message, Args args = {}) {
  const StringView text = message.Text();
  if (args.size() == 0)
    return String(text);
  try {
    return FormatArgs(FormatSettings(), text,
                      std::span<const TFormatArg>(args.begin(), args.size()));
  } catch (const Exception &e) {
    AddToLogFile(ASCIIToString(message.Name()) + u": " + e.Message(), true);
    return String(text);
  }
}

// Holds the flag that keeps timed notices from piling up, released however the dialog ends.
class TBusyNotice {
public:
  explicit TBusyNotice(int32_t wait_seconds) : fActive(wait_seconds > 0) {
    if (!fActive)
      return;
    WaitedFor(Global_ErrorMessageBusy, wait_seconds);
    Global_ErrorMessageBusy = true;
  }
  ~TBusyNotice() {
    if (fActive)
      Global_ErrorMessageBusy = false;
  }
  TBusyNotice(const TBusyNotice &) = delete;
  TBusyNotice &operator=(const TBusyNotice &) = delete;

private:
  bool fActive;
};

int32_t ShowText(QWidget *owner, TRowId id, const String &text, bool &timed_out,
                 int32_t help_context) {
  const TCatalogueRow &row = kRows[id];
  const TBusyNotice busy(row.busy_wait_seconds);
  const String caption = row.caption ? Fill(row.messages.items[row.messages.count - 1]) : String();
  const TMsgDlgButtons buttons = ButtonsOf(row.buttons);
  const TMsgDlgBtn default_button = row.default_button == kPicked
                                        ? DefaultButtonFor(buttons)
                                        : static_cast<TMsgDlgBtn>(row.default_button);
  return FormCentredMessageDlg(owner, timed_out, caption, text, row.kind, buttons, help_context,
                               Global_HelpProc(), default_button, row.timeout_seconds,
                               row.never_show);
}

int32_t ShowText(QWidget *owner, TRowId id, const String &text) {
  return ShowText(owner, id, text, Global_TimedOut, kRows[id].help_context);
}

// Each message of the row (the caption aside) filled with its own arguments, then joined.
int32_t Show(QWidget *owner, TRowId id, std::initializer_list<Args> args = {}) {
  const TCatalogueRow &row = kRows[id];
  const int shown = row.messages.count - (row.caption ? 1 : 0);
  String text;
  for (int i = 0; i < shown; ++i) {
    if (i > 0 && !row.direct_join)
      text += u'\r';
    text += i < static_cast<int>(args.size()) ? Fill(row.messages.items[i], args.begin()[i])
                                              : Fill(row.messages.items[i]);
  }
  return ShowText(owner, id, text);
}

bool Affirmed(TRowId id, int32_t result) {
  switch (kRows[id].result) {
  case rr_yes:
    return result == mrYes;
  case rr_ok:
    return result == mrOk;
  case rr_not_ok:
    return result != mrOk;
  default:
    return false;
  }
}

bool Ask(QWidget *owner, TRowId id, std::initializer_list<Args> args = {}) {
  return Affirmed(id, Show(owner, id, args));
}

} // namespace

bool NoTextsChosenSoUseThese(QWidget *Owner, const String &Name, float Count) {
  return Ask(Owner, row_NoTextsChosenSoUseThese, {{Count}, {Count, Name}});
}

void SourceTextFileNotFound(QWidget *Owner) { Show(Owner, row_SourceTextFileNotFound); }

bool UseCustomSortForLanguage(QWidget *Owner, const String &Language) {
  return Ask(Owner, row_UseCustomSortForLanguage, {{Language}});
}

bool OKtoMoveFilesToSubFolders(QWidget *Owner, const String &Files, const String &Template) {
  return Ask(Owner, row_OKtoMoveFilesToSubFolders, {{Files, Template}});
}

void NoPreferredLanguageButSetTo(QWidget *Owner, const String &Language) {
  Show(Owner, row_NoPreferredLanguageButSetTo, {{Language}});
}

void NoFontsAvailableForLanguage(QWidget *Owner, const String &Language) {
  Show(Owner, row_NoFontsAvailableForLanguage, {{Language}});
}

int32_t AskInstallerToSetUserReadWriteFolder(QWidget *Owner, const String &Folder) {
  return Show(Owner, row_AskInstallerToSetUserReadWriteFolder, {{Folder}});
}

int32_t TextFileStatisticsNeededForX(QWidget *Owner, const String &X) {
  return Show(Owner, row_TextFileStatisticsNeededForX, {{X}});
}

int32_t ChoosingTextFilesForOK(QWidget *Owner, tool_type Tool, bool &Chosen) {
  Chosen = true;
  return ShowText(Owner, row_ChoosingTextFilesForOK,
                  Fill(_QMDifferentTextsCanBeChosenForTools) + u'\r' +
                      Fill(_QMYoureChoosingForXTool, {ToolDisplayName(Tool)}));
}

int32_t FirstChooseTexts(QWidget *Owner) { return Show(Owner, row_FirstChooseTexts); }

void WordlistTXTFilenameNeeded(QWidget *Owner) { Show(Owner, row_WordlistTXTFilenameNeeded); }

void OutputFilenameNeeded(QWidget *Owner) { Show(Owner, row_OutputFilenameNeeded); }

void ProblemWithXOrStopPressed(QWidget *Owner, const String &X) {
  Show(Owner, row_ProblemWithXOrStopPressed, {{X}});
}

int32_t LimitedRoomOnDProceed(QWidget *Owner, int64_t Megabytes, const String &Drive) {
  return Show(Owner, row_LimitedRoomOnDProceed, {{Megabytes, Drive}});
}

void ResultsAddedToNotes(QWidget *Owner, const String &What) {
  Show(Owner, row_ResultsAddedToNotes, {{What}});
}

void ResultsAreInTab(QWidget *Owner, const String &Tab) {
  Show(Owner, row_ResultsAreInTab, {{Tab}});
}

bool OKToHighlightCollocateInConcordance(QWidget *Owner, const String &Collocate,
                                         const String &Where, const String &Node, bool &TimedOut) {
  const String question = Fill(
      _QMDoYouWantToXorY, {String(_QMShowInExistingConcordance), String(_QMComputeNewConcordance)});
  const String about = Format(u"Re %s in %s context of %s", Collocate, Where, Node);
  const TRowId id = row_OKToHighlightCollocateInConcordance;
  return Affirmed(id,
                  ShowText(Owner, id, about + u'\r' + question, TimedOut, kRows[id].help_context));
}

void SuggestYouUpdateYourVersion(QWidget *Owner, int32_t Days) {
  Show(Owner, row_SuggestYouUpdateYourVersion, {{Days}});
}

int32_t FolderIsReadOnly(QWidget *Owner, const String &Folder) {
  return Show(Owner, row_FolderIsReadOnly, {{Folder}});
}

void CantCompareWithSameFile(QWidget *Owner) { Show(Owner, row_CantCompareWithSameFile); }

void N_DuplicatesFound(QWidget *Owner, float Count) {
  Show(Owner, row_N_DuplicatesFound, {{Count}});
}

bool ModifySourceTexts(QWidget *Owner) { return Ask(Owner, row_ModifySourceTexts); }

bool ModifySourceTextsForSet(QWidget *Owner) { return Ask(Owner, row_ModifySourceTextsForSet); }

bool ModifySourceTextsForSearchWord(QWidget *Owner) {
  return Ask(Owner, row_ModifySourceTextsForSearchWord);
}

int32_t LimitOfKeywordLinksReached(QWidget *Owner, int32_t Limit) {
  return Show(Owner, row_LimitOfKeywordLinksReached, {{Limit}});
}

int32_t DoYouWantToOpenBatchFileToMergeLists(QWidget *Owner) {
  return Show(Owner, row_DoYouWantToOpenBatchFileToMergeLists);
}

int32_t DoYouWantToOpenBatchFileToSeeIndividualLists(QWidget *Owner) {
  return Show(Owner, row_DoYouWantToOpenBatchFileToSeeIndividualLists);
}

int32_t ReduceDataOK(QWidget *Owner, float From, float To) {
  return Show(Owner, row_ReduceDataOK, {{From, To}});
}

int32_t CollocateAssociationNotComputed(QWidget *Owner) {
  return Show(Owner, row_CollocateAssociationNotComputed);
}

bool ClosingAndRestarting(QWidget *Owner) { return Ask(Owner, row_ClosingAndRestarting); }

bool OKToCloseNowForDownloadCheck(QWidget *Owner) {
  return Ask(Owner, row_OKToCloseNowForDownloadCheck);
}

int32_t RefCorpusAndKWMismatch(QWidget *Owner, const String &Name, float Found, float Total) {
  return Show(Owner, row_RefCorpusAndKWMismatch, {{Name, Found, Total}});
}

int32_t ChangeTagOpenMarks(QWidget *Owner, const String &Where) {
  return Show(Owner, row_ChangeTagOpenMarks, {{Where}});
}

void DataPartlyObscured(QWidget *Owner) { Show(Owner, row_DataPartlyObscured); }

void ClipboardHasPictureAndText(QWidget *Owner) { Show(Owner, row_ClipboardHasPictureAndText); }

void ClipboardHasPicture(QWidget *Owner) { Show(Owner, row_ClipboardHasPicture); }

void ClipboardHasText(QWidget *Owner) { Show(Owner, row_ClipboardHasText); }

int32_t OpenFileInBrowserOrNotepad(QWidget *Owner, const String &File) {
  return Show(Owner, row_OpenFileInBrowserOrNotepad, {{File}});
}

int32_t ChangeLanguageFromXToY(QWidget *Owner, const String &From, const String &To) {
  return Show(Owner, row_ChangeLanguageFromXToY, {{From, To}});
}

int32_t ChangeLanguageFrom(QWidget *Owner, const String &Language, const String &Code) {
  return Show(Owner, row_ChangeLanguageFrom, {{Language, Code}});
}

int32_t ClearLogFile(QWidget *Owner, const String &File) {
  return ShowText(Owner, row_ClearLogFile, Fill(_QMClear) + u" " + File + u"?");
}

bool CopyIniAndOtherFilesToo(QWidget *Owner, const String &From, const String &To) {
  const TRowId id = row_CopyIniAndOtherFilesToo;
  return Affirmed(id, ShowText(Owner, id,
                               Fill(_QMCopySettingsFiles) + u" " + From + Fill(_QMTo) + To + u" " +
                                   Fill(_QMToo)));
}

int32_t FileHasHolesSoSkipIt(QWidget *Owner, const String &File, int32_t Percent,
                             const String &Context) {
  return ShowText(Owner, row_FileHasHolesSoSkipIt,
                  File + u" " + Fill(_QMHasHolesAtAbout, {Percent}) + u'\r' +
                      Fill(_QMContextColonOpenQuotes) + Context + u"\"\r" + Fill(_QMSkipIt));
}

int32_t FileIsEmpty(QWidget *Owner, const String &File) {
  return Show(Owner, row_FileIsEmpty, {{File}});
}

int32_t FNameChooseNewOrBatch(QWidget *Owner, const String &File) {
  return ShowText(Owner, row_FNameChooseNewOrBatch,
                  Fill(_QMPressYesToSaveIn) + File + u'\r' + Fill(_QMOrNoToChooseToS) + u'\r' +
                      Fill(_QMOrCancel));
}

bool MediaLookupTableNotFound(QWidget *Owner) { return Ask(Owner, row_MediaLookupTableNotFound); }

bool MediaStartOfFilenameUndefined(QWidget *Owner) {
  return Ask(Owner, row_MediaStartOfFilenameUndefined);
}

int32_t MenuShortcutAlreadyInUse(QWidget *Owner, const String &Shortcut, const String &For,
                                 const String &TakenBy) {
  return Show(Owner, row_MenuShortcutAlreadyInUse, {{Shortcut, For, TakenBy}});
}

int32_t NoPrinterInstalled(QWidget *Owner) { return Show(Owner, row_NoPrinterInstalled); }

int32_t JoinClusters(QWidget *Owner) { return Show(Owner, row_JoinClusters); }

int32_t JoinXtoY(QWidget *Owner, const String &X, const String &Y) {
  return Show(Owner, row_JoinXtoY, {{X, Y}});
}

int32_t UnJoinAll(QWidget *Owner) { return Show(Owner, row_UnJoinAll); }

int32_t LimitOfConcordanceEntriesReached(QWidget *Owner, int32_t Limit) {
  return Show(Owner, row_LimitOfConcordanceEntriesReached, {{Limit}});
}

int32_t LimitOfKeywordEntriesReached(QWidget *Owner, int32_t Found, int32_t Limit) {
  return Show(Owner, row_LimitOfKeywordEntriesReached, {{Found, Limit}});
}

int32_t NoConcordanceEntriesFound(QWidget *Owner) {
  return Show(Owner, row_NoConcordanceEntriesFound);
}

int32_t NoCorruptFilesFound(QWidget *Owner) { return Show(Owner, row_NoCorruptFilesFound); }

int32_t NoMatchListAction(QWidget *Owner) { return Show(Owner, row_NoMatchListAction); }

int32_t NoLemmaList(QWidget *Owner) { return Show(Owner, row_NoLemmaList); }

int32_t NoMatchList(QWidget *Owner) { return Show(Owner, row_NoMatchList); }

int32_t NoMatchTemplate(QWidget *Owner) { return Show(Owner, row_NoMatchTemplate); }

int32_t NoStopList(QWidget *Owner) { return Show(Owner, row_NoStopList); }

int32_t NoWordsIn(QWidget *Owner, const String &File) {
  return Show(Owner, row_NoWordsIn, {{File}});
}

int32_t XLSXReadNotImplemented(QWidget *Owner) { return Show(Owner, row_XLSXReadNotImplemented); }

int32_t NotImplemented(QWidget *Owner) { return Show(Owner, row_NotImplemented); }

int32_t UnderMaintenance(QWidget *Owner, const String &What) {
  return Show(Owner, row_UnderMaintenance, {{What}});
}

int32_t CouldntDoDetailedConsistencyOn(QWidget *Owner, const TStringList &Files) {
  String names;
  for (int32_t i = 0; i < Files.Count(); ++i)
    names += (i > 0 ? u", " : u"") + Files.Strings(i);
  return ShowText(Owner, row_CouldntDoDetailedConsistencyOn, Fill(_QMCouldnTProcess) + names);
}

int32_t FailedToCreateFileOrFolder(QWidget *Owner, const String &Name) {
  return Show(Owner, row_FailedToCreateFileOrFolder, {{Name}});
}

int32_t FailedToPrepareTextConversion(QWidget *Owner) {
  return Show(Owner, row_FailedToPrepareTextConversion);
}

int32_t CantComputeKWSIfDifferentLanguages(QWidget *Owner) {
  return ShowText(Owner, row_CantComputeKWSIfDifferentLanguages,
                  Fill(_QMCannotComputeXIfLangsDiffer, {String(_QMKeywords)}));
}

int32_t NoReferenceCorpus(QWidget *Owner) { return Show(Owner, row_NoReferenceCorpus); }

int32_t NoChargramsFound(QWidget *Owner) {
  return ShowText(Owner, row_NoChargramsFound,
                  Fill(_QMNoXFoundAtCurrentSettings, {String(_QMChargrams)}));
}

int32_t NoProblem(QWidget *Owner) { return Show(Owner, row_NoProblem); }

int32_t NoKeyWordLinksFound(QWidget *Owner) {
  return ShowText(Owner, row_NoKeyWordLinksFound,
                  Fill(_QMNoXFoundAtCurrentSettings, {String(_QMKeywordLinks)}));
}

int32_t NoKeyWordsFound(QWidget *Owner) {
  return ShowText(Owner, row_NoKeyWordsFound,
                  Fill(_QMNoXFoundAtCurrentSettings, {String(_QMKeywords)}));
}

bool AreYouSureYouWantTo(QWidget *Owner, const String &Action, int32_t HelpContext) {
  const TRowId id = row_AreYouSureYouWantTo;
  return Affirmed(id, ShowText(Owner, id, Fill(_QMAreYouSureYouWantTo, {Action}), Global_TimedOut,
                               HelpContext));
}

int32_t CantFindOneOfTheFiles(QWidget *Owner, const String &File, int32_t N, int32_t Max) {
  return Show(Owner, row_CantFindOneOfTheFiles, {{File}, {N, Max}});
}

int32_t CantDeleteThisColumnOfData(QWidget *Owner, int32_t Column, const String &Heading) {
  return Show(Owner, row_CantDeleteThisColumnOfData, {{Column, Heading}});
}

int32_t CantEditThisColumnOfData(QWidget *Owner, int32_t Column, const String &Only) {
  return ShowText(Owner, row_CantEditThisColumnOfData,
                  Fill(_QMCanTEditColumn, {Column}) + u'\r' + Fill(_QMBracketsOnly) + Only + u")");
}

int32_t CantFindAnyOfTheFiles(QWidget *Owner) { return Show(Owner, row_CantFindAnyOfTheFiles); }

int32_t CantMakeClustersWithoutIndex(QWidget *Owner) {
  return Show(Owner, row_CantMakeClustersWithoutIndex);
}

int32_t CantComputeMIWithoutIndex(QWidget *Owner) {
  return Show(Owner, row_CantComputeMIWithoutIndex);
}

int32_t MustSelectUnjoinEntry(QWidget *Owner) { return Show(Owner, row_MustSelectUnjoinEntry); }

void TextHasCharactersNeedingDifferentFont(QWidget *Owner, const String &Symbols,
                                           const String &Font) {
  Show(Owner, row_TextHasCharactersNeedingDifferentFont, {{Symbols, Font}});
}

bool TwoNumbersAndComma(QWidget *Owner, const String &Text, const String &Separator) {
  return Ask(Owner, row_TwoNumbersAndComma, {{Text, Separator}});
}

bool OKtoDelete(QWidget *Owner, const String &Name) { return Ask(Owner, row_OKtoDelete, {{Name}}); }

bool OKtoDeleteDir(QWidget *Owner, const String &Folder) {
  return OKtoDelete(Owner, Folder + Fill(_QMAndAllSubFolders));
}

bool OKtoCreateDir(QWidget *Owner, const String &Folder) {
  return Ask(Owner, row_OKtoCreateDir, {{Folder}});
}

bool OKtoSaveAgainAs(QWidget *Owner, const String &Name) {
  return Ask(Owner, row_OKtoSaveAgainAs, {{Name}});
}

bool OKtoSaveXInUnicode(QWidget *Owner, const String &Name) {
  return Ask(Owner, row_OKtoSaveXInUnicode, {{Name}});
}

bool OKtoSaveInUnicode(QWidget *Owner) { return Ask(Owner, row_OKtoSaveInUnicode); }

int32_t OKtoOverwriteWithBackupQ(QWidget *Owner, const String &Name, int32_t Count) {
  return ShowText(Owner, row_OKtoOverwriteWithBackupQCount,
                  u"(" + IntToStr(Count) + u") " + Fill(_QMOverwriteXWithBackupQ, {Name}));
}

bool OKtoOverwriteWithBackupQ(QWidget *Owner, const String &Name) {
  return Ask(Owner, row_OKtoOverwriteWithBackupQ, {{Name}});
}

int32_t OKtoReplaceWithNewVersion(QWidget *Owner, const String &Name) {
  return Show(Owner, row_OKtoReplaceWithNewVersion, {{Name}});
}

int32_t OKtoReplaceWithNewVersionWithBackup(QWidget *Owner, const String &Name) {
  return Show(Owner, row_OKtoReplaceWithNewVersionWithBackup, {{Name}});
}

void CantMergeWithSameFile(QWidget *Owner) { Show(Owner, row_CantMergeWithSameFile); }

bool CantDoThisOnNetworkVersion(QWidget *Owner, const String &What) {
  const TRowId id = row_CantDoThisOnNetworkVersion;
  return Affirmed(id, ShowText(Owner, id, Fill(_QMCanT) + What + u" " + Fill(_QMInNetworkVersion)));
}

bool CantSortOnContextWord(QWidget *Owner) { return Ask(Owner, row_CantSortOnContextWord); }

bool ChooseLanguage(QWidget *Owner) { return Ask(Owner, row_ChooseLanguage); }

bool ConvertMixedFormatsToUNicode(QWidget *Owner) {
  const TRowId id = row_ConvertMixedFormatsToUNicode;
  return Affirmed(id, ShowText(Owner, id,
                               Fill(_QMMixedTextFormats) + u'\r' +
                                   Fill(_QMDoYouWantToX, {String(_QMConvertIntoUnicode)})));
}

bool ConfirmDoThisOnNetworkVersion(QWidget *Owner, const String &What) {
  const TRowId id = row_ConfirmDoThisOnNetworkVersion;
  return Affirmed(
      id, ShowText(Owner, id, Fill(_QMSureYouWantTo) + What + u" " + Fill(_QMInThisNetworkVers)));
}

bool CantPlayMedia(QWidget *Owner, const String &Media) {
  const TRowId id = row_CantPlayMedia;
  return Affirmed(id, ShowText(Owner, id, Fill(_QMFailedToPlay) + u" " + Media));
}

bool IncludeZipsToo(QWidget *Owner) { return Ask(Owner, row_IncludeZipsToo); }

bool NFilesLoaded(QWidget *Owner, float Count) { return Ask(Owner, row_NFilesLoaded, {{Count}}); }

bool NFilesSaved(QWidget *Owner, float Count) { return Ask(Owner, row_NFilesSaved, {{Count}}); }

void ProvideAFilenameOrCancel(QWidget *Owner) { Show(Owner, row_ProvideAFilenameOrCancel); }

int32_t StartNewToolInstance(QWidget *Owner) {
  return ShowText(Owner, row_StartNewToolInstance,
                  Fill(_QMStartAnother) + ToolDisplayName(current_tool_var) + Fill(_QMWindow));
}

bool DoYouWantToSave(QWidget *Owner, const String &Name, TListTypes ListTypes) {
  String kinds;
  for (int t = 0; t < list_type_count; ++t) {
    const String kind = ListTypes.Contains(static_cast<list_type>(t))
                            ? list_type_as_string[static_cast<list_type>(t)]
                            : String();
    if (!kind.empty())
      kinds += (kinds.empty() ? u"" : u", ") + kind;
  }
  const String subject = kinds.empty() ? Name : Fill(_QMXModified, {kinds});
  if (subject.empty()) {
    Global_TimedOut = false;
    return false;
  }
  const TRowId id = row_DoYouWantToSave;
  const int32_t result = ShowText(Owner, id, Fill(_QMSaveXQ, {subject}));
  // A notice left unanswered keeps the user's work: the timer stands for "save".
  return Global_TimedOut || Affirmed(id, result);
}

bool CreateFolderYesNo(QWidget *Owner, const String &Folder) {
  const TRowId id = row_CreateFolderYesNo;
  return Affirmed(id, ShowText(Owner, id, Fill(_QMCreate) + Folder + u"?"));
}

int32_t NModificationsMade(QWidget *Owner, float Count) {
  return Show(Owner, row_NModificationsMade, {{Count}});
}

int32_t NFilesPresentOnDisk(QWidget *Owner, float Found, float Total) {
  String text;
  if (Found <= 0)
    text = Fill(_QMNoFilesPresentOnDisk);
  else if (Found != Total)
    text = Fill(_QMOnlyXPresentOnDisk, {Found, Total});
  else
    text = Fill(_QMAllXPresentOnDisk, {Found});
  return ShowText(Owner, row_NFilesPresentOnDisk, text);
}

void NoFilesSelected(QWidget *Owner) { Show(Owner, row_NoFilesSelected); }

void NoColumnSelected(QWidget *Owner) { Show(Owner, row_NoColumnSelected); }

void NoConcordClustersOfSize(QWidget *Owner, int32_t From, int32_t To, int32_t MinFrequency,
                             int32_t Highest) {
  Show(Owner, row_NoConcordClustersOfSize, {{From, To, MinFrequency}, {Highest}});
}

void NoClustersOfSizeIn(QWidget *Owner, int32_t From, int32_t To,
                        const TWordClusterSettingsRec &Settings, const String &Where) {
  Show(Owner, row_NoClustersOfSizeIn,
       {{From, To, Settings.min_frequency, Settings.max_percent, Where},
        {Settings.highest_frequency}});
}

void NoMutualInfoData(QWidget *Owner, int32_t MinFrequency, float Percent, const String &Where) {
  Show(Owner, row_NoMutualInfoData, {{MinFrequency, Percent, Where}});
}

void IndexFilenameNeeded(QWidget *Owner) { Show(Owner, row_IndexFilenameNeeded); }

bool ChangeFontsColoursEtc(QWidget *Owner) { return Ask(Owner, row_ChangeFontsColoursEtc); }

int32_t CantCommunicateWith(QWidget *Owner, tool_type Tool) {
  return ShowText(Owner, row_CantCommunicateWith,
                  Fill(_QMCannotCommunicateW) + ToolDisplayName(Tool));
}

int32_t IsntQmarkFile(QWidget *Owner, const String &File) {
  return ShowText(Owner, row_IsntQmarkFile, File + u" " + Fill(_QMIsnTAQuillmarkTo));
}

int32_t IsntACurrentQmarkFile(QWidget *Owner, const String &File) {
  return ShowText(Owner, row_IsntACurrentQmarkFile, File + u" " + Fill(_QMIsANoLongerCurre));
}

int32_t WrongToolForFile(QWidget *Owner, const String &File, tool_type Tool) {
  return ShowText(Owner, row_WrongToolForFile,
                  File + u" " + Fill(_QMHasToBeOpenedWit) + u" " + ToolDisplayName(Tool));
}

void FailedToSave(QWidget *Owner, const String &File) {
  ShowText(Owner, row_FailedToSave, Fill(_QMFailedToSave) + u" " + File);
}

void FailedToInstall(QWidget *Owner, int32_t Code, bool PlaceOK) {
  const String place = PlaceOK ? Fill(_QMFoundTheRightPlace) : Fill(_QMNotFoundTheRightPlace);
  ShowText(Owner, row_FailedToInstall, place + u'\r' + Fill(_QMFailedToInstall, {Code, place}));
}

void SavedOK(QWidget *Owner, const String &File) {
  ShowText(Owner, row_SavedOK, File + u" " + Fill(_QMSavedOK));
}

int32_t FileIsOpenPleaseCloseIt(QWidget *Owner, const String &File) {
  return Show(Owner, row_FileIsOpenPleaseCloseIt, {{File}});
}

int32_t FailedToFind(QWidget *Owner, const String &File) {
  return ShowText(Owner, row_FailedToFind,
                  File.empty() ? Fill(_QMNoFileSpecifiedPleaseChooseOne)
                               : Fill(_QMCouldnTFindFileS, {File}));
}

int32_t FailedToFindIni(QWidget *Owner, const String &File) {
  return ShowText(Owner, row_FailedToFindIni,
                  Fill(_QMCouldnTFindS, {Fill(_QMDefaultsFile, {File})}));
}

bool InsertBrackets(QWidget *Owner, const String &Example) {
  return Ask(Owner, row_InsertBrackets, {{Example}});
}

int32_t InvalidWordAndFrequency(QWidget *Owner, const String &Word, int32_t Frequency) {
  return Show(Owner, row_InvalidWordAndFrequency, {{Word, Frequency}});
}

int32_t InvalidNumber(QWidget *Owner, const String &Text) {
  return Show(Owner, row_InvalidNumber, {{Text}});
}

int32_t StoppedWhenProcessingX(QWidget *Owner, const String &X) {
  return Show(Owner, row_StoppedWhenProcessingX, {{X}});
}

int32_t FailedToRead(QWidget *Owner, const String &File) {
  return Show(Owner, row_FailedToRead, {{File}});
}

int32_t FailedToRename(QWidget *Owner, const String &From, const String &To) {
  return Show(Owner, row_FailedToRename, {{From, To}});
}

int32_t SourceIndexDifferentFromMutualIndex(QWidget *Owner, const String &Source,
                                            const String &Default) {
  return ShowText(Owner, row_SourceIndexDifferentFromMutualIndex,
                  Fill(_QMSourceIndexFile) + Source + u") " + Fill(_QMIsNotTheDefaultI) + Default +
                      u")\r" + Fill(_QMResetDefaultTo) + u" " + Default + u"?");
}

int32_t UndefinedTimeLineBasis(QWidget *Owner) { return Show(Owner, row_UndefinedTimeLineBasis); }

int32_t UnMatchedBracketInX(QWidget *Owner, const String &X) {
  return Show(Owner, row_UnMatchedBracketInX, {{X}});
}

int32_t UsingTempFile(QWidget *Owner, const String &File) {
  return ShowText(Owner, row_UsingTempFile, Fill(_QMTempFileCreated) + u" " + File);
}

} // namespace dialogkit
