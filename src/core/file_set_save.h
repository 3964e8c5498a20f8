#pragma once
// Saving several files of one folder all or nothing: the folder holds either every
// old file or every new one, whatever fails and even when the program dies half-way.
//
// The steps, and what is on disk between them:
//   1. the list of the set's names is written as KAYIT.LST.tmp, so that whatever
//      follows can be cleared away by name;
//   2. every new file is written and flushed beside its old one as NAME.YENI;
//   3. the list is renamed to KAYIT.LST: from here on the set is decided, and a
//      start-up after a crash finishes it;
//   4. file by file, the old one is moved aside as NAME.ESKI and NAME.YENI takes
//      its place;
//   5. the files moved aside, then the list, are removed.
// A failure in steps 1 to 3 removes what was written; one in step 4 puts the new files
// back beside the old ones, the old ones back in place, renames the list back and
// removes the new files, then the list. The error reported is the operating system's
// for the step that failed.
//
// Recovery touches only the files a list names: a folder may hold the user's own
// files with these suffixes (a backup folder on a shared stick often does).
//
// When putting back fails as well (a stick pulled out), the save is left unfinished:
// its list stays, the error says which files are new and which still wait, and every
// later save into the folder is refused until a start has finished it, so that the
// list is never replaced by another's.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_io.h"
#include "core/file_system.h"
#include "core/status.h"

namespace kalvodrin {

inline constexpr std::string_view kNewSuffix = ".YENI";
inline constexpr std::string_view kAsideSuffix = ".ESKI";
inline constexpr std::string_view kSaveListName = "KAYIT.LST";

struct FileImage {
  std::filesystem::path path;  // every path of one set lies in the same folder
  Bytes content;
};

// Puts every file of the set in place, or none of them. Refused, writing nothing, while
// the folder holds an unfinished save; what a finished one left to tidy is tidied first.
Status SaveAllOrNothing(const std::vector<FileImage>& files, FileSystem& disk);

// A save that a crash left half done in the folder is finished when its list was
// renamed into place, and undone otherwise. Files its list does not name are left alone.
Status FinishHalfDoneSave(const std::filesystem::path& folder, FileSystem& disk);

// The names of a decided set the folder still holds as NAME.YENI (a save that a crash
// stopped before all new files were in place); empty when there is none. For readers
// that must not write: they read those files instead.
std::vector<std::string> PendingNewFiles(const std::filesystem::path& folder, FileSystem& disk);

// A decided save the folder holds, by the names of its list: the files already
// replaced, and those whose new version still waits beside the old as NAME.YENI.
struct UnfinishedSave {
  std::vector<std::string> replaced;
  std::vector<std::string> waiting;
};
std::optional<UnfinishedSave> UnfinishedSaveIn(const std::filesystem::path& folder,
                                               FileSystem& disk);

// What to tell the user (UTF-8) about it: which files are new, which wait, and that the
// next start finishes it.
std::string UnfinishedSaveText(const UnfinishedSave& save);

}  // namespace kalvodrin
