// TPeruseDir: listing one folder, the zip pass then the mask pass, and the members of archives.
#include "files/peruse_dir.h"

#include "core/logging_utilities.h"
#include "core/yield.h"
#include "platform/dir_search.h"
#include "platform/exceptions.h"
#include "platform/file_names.h"
#include "platform/file_ops.h"
#include "platform/format.h"
#include "platform/zip_archive.h"

#include <algorithm>
#include <cstdint>

namespace textcore {

namespace {

// 1 January 1970: the date of a file whose time the two-second form cannot hold.
constexpr TDateTime kNoDate = 25569.0;

// A size the record's 32 bits cannot hold shows as the largest they can, never as its low bits.
int32_t RecordSize(int64_t size) {
  return static_cast<int32_t>(std::clamp<int64_t>(size, 0, INT32_MAX));
}

// The last-write time at the two seconds' resolution that file dates have.
TDateTime RecordDate(TDateTime local_time) {
  const int32_t file_date = DateTimeToFileDate(local_time);
  TDateTime date = kNoDate;
  if (file_date == 0 || !TryFileDateToDateTime(file_date, date))
    return kNoDate;
  return date;
}

String WithSlashes(StringView text) {
  String out(text);
  std::replace(out.begin(), out.end(), u'\\', u'/');
  return out;
}

void Log(const String &text) { AddToLogFile(text, true); }

} // namespace

bool TPeruseDir::HandleAllFilesIn(const String &Dir, TMySearchRecList *List) {
  try {
    const String folder = IncludeTrailingPathDelimiter(Dir);
    if (fExamineZips)
      ZipPass(folder, List);
    return MaskPass(folder, List);
  } catch (const std::exception &) {
    return false;
  }
}

void TPeruseDir::ZipSkipped(const String &Problem) {
  Log(Problem);
  fLastZipProblem = Problem;
  if (OnZipProblem)
    OnZipProblem(this);
}

bool TPeruseDir::Accepts(const TMySearchRec &SR, bool InAZip) {
  return !OnCheckFileAcceptable || OnCheckFileAcceptable(SR, InAZip);
}

// Only the first file mask shapes the archives' pattern: with "a*.txt;*.htm" the archives
// examined are a*.zip, and with "*.txt" (or a mask without a dot) all of them.
void TPeruseDir::ZipPass(const String &Folder, TMySearchRecList *List) {
  const String first = fFilemasks.empty() ? String() : fFilemasks.front();
  const size_t dot = first.find(u'.');
  const String stem = dot == String::npos || dot == 0 ? String(u"*") : first.substr(0, dot);
  int error = 0;
  const std::vector<TDirEntry> entries =
      ListDirectory(Folder, stem + fZipExtension, faAnyFile, error);
  for (const TDirEntry &entry : entries) {
    const bool wanted = (entry.Attr & faDirectory) == 0 && entry.Regular &&
                        (fAcceptHiddenFiles || (entry.Attr & faHidden) == 0) &&
                        !(fCheckingMACOS_files && IsDot_UnderscoreFile(entry.Name));
    if (wanted) {
      // One archive that cannot be read must not hide the rest of the folder.
      try {
        AddAZip(List, Folder, entry.Name);
      } catch (const EZipError &error) {
        ZipSkipped(error.Message());
      }
    }
    MyYieldProcess();
    if (!fProcessing_Files)
      break;
  }
}

bool TPeruseDir::MaskPass(const String &Folder, TMySearchRecList *List) {
  bool accepted = false;
  for (const String &mask : fFilemasks) {
    int error = 0;
    const std::vector<TDirEntry> entries =
        mask.empty() ? std::vector<TDirEntry>() : ListDirectory(Folder, mask, faAnyFile, error);
    for (const TDirEntry &entry : entries) {
      const bool hidden = (entry.Attr & faHidden) != 0;
      if ((entry.Attr & faDirectory) != 0 || !entry.Regular) {
        MyYieldProcess(); // a FIFO or a device is no text to list
      } else if (((entry.Attr & faSysFile) != 0 && !fAcceptSystemFiles) ||
                 (hidden && !fAcceptHiddenFiles) ||
                 (fCheckingMACOS_files && IsDot_UnderscoreFile(entry.Name))) {
      } else if (HasExcludedExtension(entry.Name) ||
                 (!fTreatZipsLikeAnyOtherFile && fIsAZipfile(entry.Name))) {
        MyYieldProcess();
      } else {
        TMySearchRec rec;
        rec.Size = RecordSize(entry.Size);
        rec.Attr = entry.Attr;
        rec.ShortName = entry.Name;
        rec.DateTime = RecordDate(entry.TimeStamp);
        if (Accepts(rec, false)) {
          accepted = true;
          if (List != nullptr)
            List->AddARec(rec);
          MyYieldProcess();
        }
      }
      if (!fProcessing_Files)
        break;
    }
  }
  return accepted;
}

void TPeruseDir::AddAZip(TMySearchRecList *List, const String &Folder, const String &ZipFileName) {
  const String full_name = IncludeTrailingPathDelimiter(Folder) + ZipFileName;
  TZipArchive archive;
  archive.OnMemberFailure = [this, &full_name](int64_t index, const String &reason) {
    ZipSkipped(Format(u"%s, entry %d: %s", full_name, static_cast<int32_t>(index + 1), reason));
  };
  archive.OpenArchive(full_name);
  if (OnZipStartReading)
    OnZipStartReading(full_name);
  ++fzips_examined;
  AddMembers(archive, List, ZipFileName);
  if (OnDoneZipReading)
    OnDoneZipReading(fzips_examined);
  archive.CloseArchive();
}

// The run flag is not tested here: an archive once opened is read to its end.
void TPeruseDir::AddMembers(TZipArchive &Archive, TMySearchRecList *List,
                            const String &ZipFileName) {
  const int64_t count = Archive.GetEntryCount();
  int64_t beyond_numbers = 0;
  for (int64_t i = 0; i < count; ++i) {
    MyYieldProcess();
    if (OnZipReading)
      OnZipReading(static_cast<int32_t>(std::min<int64_t>(i, INT32_MAX)),
                   static_cast<int32_t>(std::min<int64_t>(count, INT32_MAX)));
    TZipEntry entry;
    if (!Archive.ReadEntry(i, entry) || entry.Name.empty() || entry.IsDirectory() ||
        WhereInAMask(WithSlashes(entry.Name), fZipMasks) < 0 || HasExcludedExtension(entry.Name))
      continue;
    TMySearchRec rec;
    rec.ShortName = ZipFileName + PathDelim + entry.Name;
    // Left out rather than listed under a name or number that a saved list could not hold, or
    // under a name that would step outside the folder.
    if (i >= INT16_MAX) {
      ++beyond_numbers;
      continue;
    }
    if (rec.ShortName.size() > static_cast<size_t>(kMaxShortNameLength) ||
        !IsSafeShortName(rec.ShortName)) {
      Log(Format(u"%s: member %d left out, its name cannot be listed", Archive.FileName(),
                 static_cast<int32_t>(i + 1)));
      continue;
    }
    ++ftotal_files_in_zips;
    rec.DateTime = entry.DateTime;
    rec.Size = RecordSize(entry.Size);
    rec.Attr = static_cast<int32_t>(entry.ExternalAttributes);
    rec.Number_Within_Zip = static_cast<int16_t>(i + 1);
    if (Accepts(rec, true) && List != nullptr)
      List->AddARec(rec);
  }
  if (beyond_numbers > 0)
    Log(Format(u"%s: %d members after the first 32,767 left out", Archive.FileName(),
               static_cast<int32_t>(std::min<int64_t>(beyond_numbers, INT32_MAX))));
}

} // namespace textcore
