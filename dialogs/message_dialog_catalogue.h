// The dialog catalogue: one function for each situation in which a tool asks or tells its user
// something, so that every tool shows the same text, buttons, default and help topic for it.
//
// Each builds its text from the message catalogue, fills in its arguments and shows it with
// FormCentredMessageDlg on the owner window (the plain message box when Owner is null), setting
// Global_TimedOut. Text that comes from the caller (a file name, a word) is only ever an argument,
// never a template: each message is filled on its own and the pieces are then joined. A
// translated message whose placeholders do not fit is shown as it stands, and logged.
//
// The functions that answer a Boolean are true only for the answer they ask for, so a dialog
// closed by Escape, by its timer or by its never-show-again marker (all Cancel) never consents.
#pragma once

#include "definitions/list_types.h"
#include "definitions/tool_types.h"
#include "definitions/word_cluster_settings.h"
#include "platform/string_list.h"
#include "platform/strings.h"

#include <cstdint>

class QWidget;

namespace dialogkit {

using textcore::String;
using textcore::TListTypes;
using textcore::tool_type;
using textcore::TStringList;
using textcore::TWordClusterSettingsRec;

bool NoTextsChosenSoUseThese(QWidget *Owner, const String &Name, float Count);
void SourceTextFileNotFound(QWidget *Owner);
bool UseCustomSortForLanguage(QWidget *Owner, const String &Language);
bool OKtoMoveFilesToSubFolders(QWidget *Owner, const String &Files, const String &Template);
void NoPreferredLanguageButSetTo(QWidget *Owner, const String &Language);
void NoFontsAvailableForLanguage(QWidget *Owner, const String &Language);
int32_t AskInstallerToSetUserReadWriteFolder(QWidget *Owner, const String &Folder);
int32_t TextFileStatisticsNeededForX(QWidget *Owner, const String &X);
int32_t ChoosingTextFilesForOK(QWidget *Owner, tool_type Tool, bool &Chosen);
int32_t FirstChooseTexts(QWidget *Owner);
void WordlistTXTFilenameNeeded(QWidget *Owner);
void OutputFilenameNeeded(QWidget *Owner);
void ProblemWithXOrStopPressed(QWidget *Owner, const String &X);
int32_t LimitedRoomOnDProceed(QWidget *Owner, int64_t Megabytes, const String &Drive);
void ResultsAddedToNotes(QWidget *Owner, const String &What);
void ResultsAreInTab(QWidget *Owner, const String &Tab);
bool OKToHighlightCollocateInConcordance(QWidget *Owner, const String &Collocate,
                                         const String &Where, const String &Node, bool &TimedOut);
void SuggestYouUpdateYourVersion(QWidget *Owner, int32_t Days);
int32_t FolderIsReadOnly(QWidget *Owner, const String &Folder);
void CantCompareWithSameFile(QWidget *Owner);
void N_DuplicatesFound(QWidget *Owner, float Count);
bool ModifySourceTexts(QWidget *Owner);
bool ModifySourceTextsForSet(QWidget *Owner);
bool ModifySourceTextsForSearchWord(QWidget *Owner);
int32_t LimitOfKeywordLinksReached(QWidget *Owner, int32_t Limit);
int32_t DoYouWantToOpenBatchFileToMergeLists(QWidget *Owner);
int32_t DoYouWantToOpenBatchFileToSeeIndividualLists(QWidget *Owner);
int32_t ReduceDataOK(QWidget *Owner, float From, float To);
int32_t CollocateAssociationNotComputed(QWidget *Owner);
bool ClosingAndRestarting(QWidget *Owner);
bool OKToCloseNowForDownloadCheck(QWidget *Owner);
int32_t RefCorpusAndKWMismatch(QWidget *Owner, const String &Name, float Found, float Total);
int32_t ChangeTagOpenMarks(QWidget *Owner, const String &Where);
void DataPartlyObscured(QWidget *Owner);
void ClipboardHasPictureAndText(QWidget *Owner);
void ClipboardHasPicture(QWidget *Owner);
void ClipboardHasText(QWidget *Owner);
int32_t OpenFileInBrowserOrNotepad(QWidget *Owner, const String &File);
int32_t ChangeLanguageFromXToY(QWidget *Owner, const String &From, const String &To);
int32_t ChangeLanguageFrom(QWidget *Owner, const String &Language, const String &Code);
int32_t ClearLogFile(QWidget *Owner, const String &File);
bool CopyIniAndOtherFilesToo(QWidget *Owner, const String &From, const String &To);
int32_t FileHasHolesSoSkipIt(QWidget *Owner, const String &File, int32_t Percent,
                             const String &Context);
int32_t FileIsEmpty(QWidget *Owner, const String &File);
int32_t FNameChooseNewOrBatch(QWidget *Owner, const String &File);
bool MediaLookupTableNotFound(QWidget *Owner);
bool MediaStartOfFilenameUndefined(QWidget *Owner);
int32_t MenuShortcutAlreadyInUse(QWidget *Owner, const String &Shortcut, const String &For,
                                 const String &TakenBy);
int32_t NoPrinterInstalled(QWidget *Owner);
int32_t JoinClusters(QWidget *Owner);
int32_t JoinXtoY(QWidget *Owner, const String &X, const String &Y);
int32_t UnJoinAll(QWidget *Owner);
int32_t LimitOfConcordanceEntriesReached(QWidget *Owner, int32_t Limit);
int32_t LimitOfKeywordEntriesReached(QWidget *Owner, int32_t Found, int32_t Limit);
int32_t NoConcordanceEntriesFound(QWidget *Owner);
int32_t NoCorruptFilesFound(QWidget *Owner);
int32_t NoMatchListAction(QWidget *Owner);
int32_t NoLemmaList(QWidget *Owner);
int32_t NoMatchList(QWidget *Owner);
int32_t NoMatchTemplate(QWidget *Owner);
int32_t NoStopList(QWidget *Owner);
int32_t NoWordsIn(QWidget *Owner, const String &File);
int32_t XLSXReadNotImplemented(QWidget *Owner);
int32_t NotImplemented(QWidget *Owner);
int32_t UnderMaintenance(QWidget *Owner, const String &What);
int32_t CouldntDoDetailedConsistencyOn(QWidget *Owner, const TStringList &Files);
int32_t FailedToCreateFileOrFolder(QWidget *Owner, const String &Name);
int32_t FailedToPrepareTextConversion(QWidget *Owner);
int32_t CantComputeKWSIfDifferentLanguages(QWidget *Owner);
int32_t NoReferenceCorpus(QWidget *Owner);
int32_t NoChargramsFound(QWidget *Owner);
int32_t NoProblem(QWidget *Owner);
int32_t NoKeyWordLinksFound(QWidget *Owner);
int32_t NoKeyWordsFound(QWidget *Owner);
bool AreYouSureYouWantTo(QWidget *Owner, const String &Action, int32_t HelpContext);
int32_t CantFindOneOfTheFiles(QWidget *Owner, const String &File, int32_t N, int32_t Max);
int32_t CantDeleteThisColumnOfData(QWidget *Owner, int32_t Column, const String &Heading);
int32_t CantEditThisColumnOfData(QWidget *Owner, int32_t Column, const String &Only);
int32_t CantFindAnyOfTheFiles(QWidget *Owner);
int32_t CantMakeClustersWithoutIndex(QWidget *Owner);
int32_t CantComputeMIWithoutIndex(QWidget *Owner);
int32_t MustSelectUnjoinEntry(QWidget *Owner);
void TextHasCharactersNeedingDifferentFont(QWidget *Owner, const String &Symbols,
                                           const String &Font);
bool TwoNumbersAndComma(QWidget *Owner, const String &Text, const String &Separator);
bool OKtoDelete(QWidget *Owner, const String &Name);
bool OKtoDeleteDir(QWidget *Owner, const String &Folder);
bool OKtoCreateDir(QWidget *Owner, const String &Folder);
bool OKtoSaveAgainAs(QWidget *Owner, const String &Name);
bool OKtoSaveXInUnicode(QWidget *Owner, const String &Name);
bool OKtoSaveInUnicode(QWidget *Owner);
int32_t OKtoOverwriteWithBackupQ(QWidget *Owner, const String &Name, int32_t Count);
bool OKtoOverwriteWithBackupQ(QWidget *Owner, const String &Name);
int32_t OKtoReplaceWithNewVersion(QWidget *Owner, const String &Name);
int32_t OKtoReplaceWithNewVersionWithBackup(QWidget *Owner, const String &Name);
void CantMergeWithSameFile(QWidget *Owner);
bool CantDoThisOnNetworkVersion(QWidget *Owner, const String &What);
bool CantSortOnContextWord(QWidget *Owner);
bool ChooseLanguage(QWidget *Owner);
bool ConvertMixedFormatsToUNicode(QWidget *Owner);
bool ConfirmDoThisOnNetworkVersion(QWidget *Owner, const String &What);
bool CantPlayMedia(QWidget *Owner, const String &Media);
bool IncludeZipsToo(QWidget *Owner);
bool NFilesLoaded(QWidget *Owner, float Count);
bool NFilesSaved(QWidget *Owner, float Count);
void ProvideAFilenameOrCancel(QWidget *Owner);
int32_t StartNewToolInstance(QWidget *Owner);
bool DoYouWantToSave(QWidget *Owner, const String &Name, TListTypes ListTypes);
bool CreateFolderYesNo(QWidget *Owner, const String &Folder);
int32_t NModificationsMade(QWidget *Owner, float Count);
int32_t NFilesPresentOnDisk(QWidget *Owner, float Found, float Total);
void NoFilesSelected(QWidget *Owner);
void NoColumnSelected(QWidget *Owner);
void NoConcordClustersOfSize(QWidget *Owner, int32_t From, int32_t To, int32_t MinFrequency,
                             int32_t Highest);
// From and To are the cluster sizes asked for; Where names the index searched.
void NoClustersOfSizeIn(QWidget *Owner, int32_t From, int32_t To,
                        const TWordClusterSettingsRec &Settings, const String &Where);
void NoMutualInfoData(QWidget *Owner, int32_t MinFrequency, float Percent, const String &Where);
void IndexFilenameNeeded(QWidget *Owner);
bool ChangeFontsColoursEtc(QWidget *Owner);
int32_t CantCommunicateWith(QWidget *Owner, tool_type Tool);
int32_t IsntQmarkFile(QWidget *Owner, const String &File);
int32_t IsntACurrentQmarkFile(QWidget *Owner, const String &File);
int32_t WrongToolForFile(QWidget *Owner, const String &File, tool_type Tool);
void FailedToSave(QWidget *Owner, const String &File);
void FailedToInstall(QWidget *Owner, int32_t Code, bool PlaceOK);
void SavedOK(QWidget *Owner, const String &File);
int32_t FileIsOpenPleaseCloseIt(QWidget *Owner, const String &File);
int32_t FailedToFind(QWidget *Owner, const String &File);
int32_t FailedToFindIni(QWidget *Owner, const String &File);
bool InsertBrackets(QWidget *Owner, const String &Example);
int32_t InvalidWordAndFrequency(QWidget *Owner, const String &Word, int32_t Frequency);
int32_t InvalidNumber(QWidget *Owner, const String &Text);
int32_t StoppedWhenProcessingX(QWidget *Owner, const String &X);
int32_t FailedToRead(QWidget *Owner, const String &File);
int32_t FailedToRename(QWidget *Owner, const String &From, const String &To);
int32_t SourceIndexDifferentFromMutualIndex(QWidget *Owner, const String &Source,
                                            const String &Default);
int32_t UndefinedTimeLineBasis(QWidget *Owner);
int32_t UnMatchedBracketInX(QWidget *Owner, const String &X);
int32_t UsingTempFile(QWidget *Owner, const String &File);

} // namespace dialogkit
