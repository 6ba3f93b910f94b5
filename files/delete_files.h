// Deleting files after asking the user: one file, or every file of a folder under a mask (its
// subfolders too), with a move to another folder instead of a deletion if asked.
//
// The questions go through the platform's message box and are marked as destroying data, so a
// tool without a screen (the headless box) never deletes unasked: it answers Cancel.
#pragma once

#include "platform/strings.h"

#include <cstdint>

namespace textcore {

// True when the file does not exist, or when the user answers OK to "Delete %s?" and the file is
// then gone; false when the user cancels or the deletion fails.
bool OKToDeleteFile(const String &file);

// Deletes (or, with move, moves into move_to) every file of folder matching mask, after one
// question; returns how many were deleted or moved. See the definition for the rules; in short:
// - the mask loses a leading "."; one that begins with a delimiter names a sub-path of each
//   folder; one with a ".." component, which would reach outside the folder, is refused (0);
//   "*.*" means every file, dotless ones too;
// - a fixed volume's mount point, "/" included, is refused with "Won't delete all files on ...";
//   a removable one may be emptied, and any folder below a mount point;
// - with include_subfolders every folder below is done too, deepest first, and with
//   remove_emptied_subfolders each of them left without files is removed (never folder itself);
// - symbolic links are never followed: a link is deleted as a file, its target stays;
// - hidden files and folders are left alone;
// - a file that cannot be deleted raises EOSError and ends the run; a move that fails, or that
//   would overwrite a file moved earlier in the run or the source itself, keeps that file.
int32_t DeleteAllFilesOn(const String &folder, const String &mask, const String &move_to, bool move,
                         bool include_subfolders, bool remove_emptied_subfolders);
// Deletes every matching file in folder and below, removing the folders emptied.
int32_t DeleteAllFilesOn(const String &folder, const String &mask);

} // namespace textcore
