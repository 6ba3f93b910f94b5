// TFileAndDirIterator: the walk, the hand-out, the look-ups and the favourites file.
#include "filekit/file_and_dir_iterator.h"

#include "core/stream_codec.h"
#include "core/yield.h"
#include "definitions/list_signature.h"
#include "definitions/tool_types.h"
#include "filekit/message_names.h"
#include "files/folder_tests.h"
#include "platform/dir_search.h"
#include "platform/exceptions.h"
#include "platform/file_names.h"
#include "platform/file_ops.h"
#include "platform/locale_strings.h"
#include "platform/safe_file_writer.h"
#include "platform/streams.h"

#include <unistd.h>

#include <bit>
#include <cmath>
#include <limits>

namespace filekit {

using textcore::String;
using textcore::StringView;
using textcore::TFolderful;

static_assert(std::endian::native == std::endian::little, "favourites files are little-endian");

namespace {

constexpr int32_t kNoStart = std::numeric_limits<int32_t>::max();
// The least one favourites entry takes: an empty name (4 bytes) and an empty folderful (21).
constexpr int64_t kLeastEntryBytes = 25;

String UserTempFolder() {
  String folder, reason;
  return textcore::TrySuiteTempFolder(folder, reason) ? folder : String(u"/tmp/");
}

// The folder exists and can be entered, without making it the current one.
bool CanEnter(const String &folder) {
  return textcore::DriveAndFolderExist(folder) &&
         access(textcore::FileNameToBytes(folder).c_str(), X_OK) == 0;
}

std::unique_ptr<TFolderful> EmptyFolderful(const String &name, int32_t dirnum) {
  auto folderful = std::make_unique<TFolderful>(name);
  folderful->Setdirnum(dirnum);
  folderful->SetStarts(kNoStart);
  folderful->SetEnds(-1);
  return folderful;
}

template <typename T> void Put(textcore::TStream &stream, T value) {
  stream.WriteBuffer(&value, sizeof value);
}

template <typename T> T Take(textcore::TStream &stream) {
  T value{};
  stream.ReadBuffer(&value, sizeof value);
  return value;
}

int BySize(textcore::TStringList *list, int32_t a, int32_t b) {
  const int32_t x = textcore::ObjectAsInteger(list->Objects(a));
  const int32_t y = textcore::ObjectAsInteger(list->Objects(b));
  return x < y ? -1 : x > y ? 1 : 0;
}

} // namespace

TFileAndDirIterator::TFileAndDirIterator(textcore::TComponent *AOwner)
    : TComponent(AOwner), HeadDir(UserTempFolder()),
      Favourites(UserTempFolder() + u"favourite files.txt"),
      fDirs(std::make_unique<textcore::TStringList>()) {}

TFileAndDirIterator::~TFileAndDirIterator() { Clear(); }

void TFileAndDirIterator::Stop() {
  fprocessing_files = false;
  if (fPeruseDir != nullptr)
    fPeruseDir->Stop();
  textcore::MyYieldProcess();
}

void TFileAndDirIterator::Clear() {
  fDirs->Clear();
  fTotal = 0;
  for (auto &folderful : fFolders) {
    textcore::MyYieldProcess();
    folderful.reset();
  }
  fFolders.clear();
}

void TFileAndDirIterator::AddADir(const String &DirName) {
  fDirs->Add(DirName);
  if (OnFoundDir)
    OnFoundDir(DirName);
}

TFolderful *TFileAndDirIterator::fGetOneFolderful(int32_t Index) const {
  return Index >= 0 && static_cast<size_t>(Index) < fFolders.size()
             ? fFolders[static_cast<size_t>(Index)].get()
             : nullptr;
}

void TFileAndDirIterator::FreeAFolderFul(int32_t Index) {
  if (Index >= 0 && static_cast<size_t>(Index) < fFolders.size())
    fFolders[static_cast<size_t>(Index)].reset();
}

void TFileAndDirIterator::IterateFindingFiles() {
  fprocessing_files = true;
  textcore::TPeruseDir walker(FileMask, DirMask, ZipMask, fExcluded_dirs_mask, fExcludedExts,
                              ExcludingMACOS_files, ReadZipfiles, TreatZipsLikeAnyOtherFile,
                              AcceptSystemFiles, AcceptHiddenFiles);
  walker.OnFoundDir = [this](const String &DirName) { AddADir(DirName); };
  walker.OnCheckFileAcceptable = OnCheckFileAcceptable;
  walker.OnZipReading = OnZipReading;
  walker.OnZipStartReading = OnZipStartReading;
  walker.OnZipProblem = OnZipProblem;
  fPeruseDir = &walker;
  struct Finally {
    TFileAndDirIterator &iterator;
    textcore::TPeruseDir &walker;
    ~Finally() {
      iterator.fPeruseDir = nullptr;
      if (iterator.OnDoneFileIterating)
        iterator.OnDoneFileIterating(walker.ZipsExamined());
    }
  } finally{*this, walker};

  Clear();
  HeadDir = textcore::IncludeTrailingPathDelimiter(HeadDir);
  fHeadDirFiles = 0;
  AddADir(HeadDir);
  if (IncludeSubFolders) {
    walker.ProcessAllSubDirectories(HeadDir);
    fDirs->Sort();
  }
  fDircount = fDirs->Count();
  if (OnDoneSubFolders)
    OnDoneSubFolders(walker.SubDirsFound());
  fFolders.resize(static_cast<size_t>(fDircount));
  for (int32_t i = 0; i < fDircount && fprocessing_files; ++i) {
    textcore::MyYieldProcess();
    const String folder = fDirs->Strings(i);
    try {
      if (!CanEnter(folder))
        continue;
      std::unique_ptr<TFolderful> folderful = EmptyFolderful(folder, i);
      if (fprocessing_files)
        folderful->FillList(&walker);
      const int32_t files = folderful->Count();
      if (OnDirExamining)
        OnDirExamining(folder, i + 1, fDircount, files);
      if (files > 0) {
        folderful->SetStarts(fTotal);
        if (folderful->DirName() == HeadDir)
          fHeadDirFiles = files;
        fTotal += files;
        folderful->SetEnds(fTotal - 1);
        folderful->SetCurrentSort(SortOrder);
      }
      fFolders[static_cast<size_t>(i)] = std::move(folderful);
      if (OnDirProgress)
        OnDirProgress(i);
    } catch (const std::exception &) {
      // A folder that fails while it is listed is left out; the others go on.
    }
  }
}

void TFileAndDirIterator::ProcessAllFilesFound() {
  fprocessing_files = true;
  if (fTotal <= 0)
    return;
  int64_t k = 0;
  for (int32_t p = 0; p < static_cast<int32_t>(fFolders.size()) && fprocessing_files; ++p) {
    const TFolderful *folderful = fFolders[static_cast<size_t>(p)].get();
    if (folderful == nullptr)
      continue;
    if (OnProcessingAFolder)
      OnProcessingAFolder(folderful->DirName(), p + 1, fDircount, folderful->Count());
    for (int32_t f = 0; f < folderful->Count() && fprocessing_files; ++f) {
      ++k;
      if (OnFilesProgress)
        OnFilesProgress(
            static_cast<int32_t>(std::nearbyint(static_cast<double>(k) * 100 / fTotal)));
      if (OnProcessingAFile)
        OnProcessingAFile(folderful->fGetAFullname(f), folderful->fGetASearchRec(f));
      textcore::MyYieldProcess();
    }
  }
}

String TFileAndDirIterator::FoundMatch(StringView ShortName) {
  for (const auto &folderful : fFolders) {
    textcore::MyYieldProcess();
    if (folderful == nullptr)
      continue;
    for (int32_t f = 0; f < folderful->Count(); ++f) {
      textcore::MyYieldProcess();
      if (textcore::AnsiSameText(folderful->fGetAShortName(f), ShortName))
        return folderful->fGetAFullname(f);
    }
  }
  return {};
}

std::unique_ptr<textcore::TStringList>
TFileAndDirIterator::FoundMatchesWildcarded(StringView ShortName) {
  auto found = std::make_unique<textcore::TStringList>();
  if (fTotal <= 0 || ShortName.find_first_of(u"/\\") != StringView::npos ||
      ShortName.find(u"..") != StringView::npos)
    return found;
  for (int32_t i = 0; i < fDirs->Count(); ++i) {
    textcore::MyYieldProcess();
    const String folder = textcore::IncludeTrailingPathDelimiter(fDirs->Strings(i));
    int error = 0;
    for (const textcore::TDirEntry &entry :
         textcore::ListDirectory(folder, ShortName, textcore::faAnyFile, error)) {
      if (!fprocessing_files)
        break;
      if (entry.Name != u"." && entry.Name != u"..")
        found->Add(folder + entry.Name);
    }
  }
  return found;
}

void TFileAndDirIterator::BuildDetailedList(bool SortedBySize) {
  DetailedListOfAllFiles.Clear();
  if (fTotal <= 0)
    return;
  for (const auto &folderful : fFolders) {
    textcore::MyYieldProcess();
    if (folderful == nullptr)
      continue;
    if (OnBuildingDetailedList)
      OnBuildingDetailedList(folderful->DirName());
    for (int32_t f = 0; f < folderful->Count(); ++f) {
      textcore::MyYieldProcess();
      DetailedListOfAllFiles.AddObject(folderful->fGetAFullname(f),
                                       textcore::IntegerAsObject(folderful->GetAFileSize(f)));
    }
  }
  if (SortedBySize)
    DetailedListOfAllFiles.CustomSort(BySize);
}

bool TFileAndDirIterator::SaveFavourites() {
  bool all_saved = true;
  try {
    textcore::TSafeFileWriter out(Favourites);
    Put<int32_t>(out, textcore::CurrentSignature[textcore::current_tool_var]);
    Put<uint8_t>(out, ReadZipfiles ? 1 : 0);
    Put<uint8_t>(out, IncludeSubFolders ? 1 : 0);
    Put<int32_t>(out, fTotal);
    Put<uint8_t>(out, static_cast<uint8_t>(SortOrder));
    textcore::WriteAString(out, HeadDir);
    textcore::WriteAString(out, DirMask);
    textcore::WriteAString(out, FileMask);
    Put<int32_t>(out, fDirs->Count());
    for (int32_t i = 0; i < fDirs->Count(); ++i) {
      textcore::WriteAString(out, fDirs->Strings(i));
      const TFolderful *folderful = fGetOneFolderful(i);
      // A folder that could not be listed is saved as an empty one, so that every reader stays
      // in step with the names that follow.
      const std::unique_ptr<TFolderful> empty =
          folderful == nullptr ? EmptyFolderful(fDirs->Strings(i), i) : nullptr;
      all_saved = (folderful != nullptr ? folderful : empty.get())->SaveToStream(out) && all_saved;
    }
    out.Commit();
  } catch (const std::exception &) {
    throw textcore::EWriteError(String(_QMCannotWriteTo) + Favourites);
  }
  return all_saved;
}

bool TFileAndDirIterator::ReadFavourites() {
  Clear();
  try {
    textcore::TFileStream in(Favourites, textcore::fmOpenRead | textcore::fmShareDenyNone);
    if (Take<int32_t>(in) != textcore::CurrentSignature[textcore::current_tool_var])
      return false;
    const bool read_zips = Take<uint8_t>(in) != 0;
    const bool subfolders = Take<uint8_t>(in) != 0;
    const int32_t total = Take<int32_t>(in);
    const uint8_t sort = Take<uint8_t>(in);
    if (sort > textcore::kLastMySearchRecSort)
      throw textcore::EReadError(u"sort order");
    String head = textcore::ReadAString(in);
    String dir_mask = textcore::ReadAString(in);
    String file_mask = textcore::ReadAString(in);
    const int32_t count = Take<int32_t>(in);
    if (count < 0 || count > (in.Size() - in.Position()) / kLeastEntryBytes)
      throw textcore::EReadError(u"folder count");
    TFolderfulArray folders;
    auto names = std::make_unique<textcore::TStringList>();
    int32_t files = 0;
    for (int32_t i = 0; i < count; ++i) {
      names->Add(textcore::ReadAString(in));
      auto folderful = std::make_unique<TFolderful>(names->Strings(i));
      if (!folderful->ReadFromStream(in))
        throw textcore::EReadError(u"folderful");
      files += folderful->Count();
      folders.push_back(std::move(folderful));
    }
    ReadZipfiles = read_zips;
    IncludeSubFolders = subfolders;
    SortOrder = static_cast<textcore::TMySearchRecSort>(sort);
    HeadDir = textcore::IncludeTrailingPathDelimiter(head);
    DirMask = std::move(dir_mask);
    FileMask = std::move(file_mask);
    fDirs = std::move(names);
    fFolders = std::move(folders);
    fDircount = fDirs->Count();
    // The folderfuls are what is handed out: a total that disagrees with them is not believed.
    fTotal = total == files ? total : files;
  } catch (const std::exception &) {
    Clear();
    throw textcore::EReadError(String(_QMCannotRead) + Favourites);
  }
  return true;
}

} // namespace filekit
