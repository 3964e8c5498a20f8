#pragma once
// Backup and restore of the school's data files. A backup copies the collections in
// memory into thirteen ".YDK" files of a backup folder; a restore copies them back over
// the working folder's ".LOF" files. The settings, the annex flags and YARDIM.LOF are
// never part of either.
//
// The record of substitutions (DERSGOREV.JSONL, core/substitution_record.h) travels
// with them as a file of its own under its own name.
//
// Both work on the whole set or not at all: a backup that fails leaves the previous
// backup whole, and a restore reads and checks every backup file before it changes
// anything, then replaces all data files together. A partly restored school would mix
// lessons of one week with timetables of another.

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/data_files.h"
#include "core/file_system.h"
#include "core/school.h"
#include "core/status.h"
#include "shell/named_files.h"

namespace kalvodrin {

struct BackupFile {
  DataFile file;
  std::string_view name;  // "DERSLER.YDK"
};
// In the order the set is written and restored.
extern const std::array<BackupFile, 13> kBackupSet;

// The fixed backup folder of the backup window's second choice, as a stored path.
inline constexpr std::string_view kBackupFolder = "D:\\yedek\\";

enum class FolderState {
  kWritable,
  kMissing,   // the folder (or the drive it stands for) is not there
  kReadOnly,  // files cannot be made in it
  kFailed,    // something else went wrong; see the status
};

// Whether backup files can be written into the folder. Tries with a scratch file of
// its own, so that no file of an earlier backup is touched before the new one is
// complete. The status carries the system's reason when read-only or failed.
FolderState ProbeBackupFolder(const std::filesystem::path& folder, FileSystem& disk,
                              Status& status);

// The thirteen backup files of the school in memory.
NamedFiles BackupImages(const School& school);
// The substitution record of the school's working folder as it goes into a backup
// (empty when the folder has none); refused when it cannot be read or is damaged.
Status SubstitutionRecordImage(const School& school, FileSystem& disk, NamedFile& image);

struct BackupResult {
  FolderState folder = FolderState::kWritable;
  Status status = Status::Ok();  // set when the folder was writable but writing failed
  bool ok() const { return folder == FolderState::kWritable && status.ok(); }
};
// Writes every backup file of the school into the folder, or none: a backup that
// fails leaves the one before it whole. A backup a crash left half done in the folder
// is ended first.
BackupResult Backup(const School& school, const std::filesystem::path& folder, FileSystem& disk);
BackupResult Backup(const School& school, const std::filesystem::path& folder);

enum class RestoreProblem {
  kNone,
  kFolderMissing,
  kFileMissing,    // `file` names it
  kFileDamaged,    // `file` is not a whole number of records
  kSetDamaged,     // the records hold what no window writes; `damage` names them
  kUnreadable,     // `file` could not be read; see the status
  kRecordDamaged,  // the substitution record is not valid; see the status
  kWriteFailed,    // the working folder is as it was; see the status
  kUnfinished,     // some data files are restored, the rest wait for the next start;
                   // the status names which
};

struct RestoreResult {
  RestoreProblem problem = RestoreProblem::kNone;
  std::string file;
  std::size_t size = 0;        // of a damaged file, in bytes
  std::size_t recordSize = 0;  // the record size it should be a multiple of
  std::vector<std::string> damage;  // the first faults of a damaged set, one a line
  Status status = Status::Ok();
  bool ok() const { return problem == RestoreProblem::kNone; }
};

// Reads and checks every backup file of the folder, without writing there (it may be
// read-only): a backup a crash stopped after it was complete is read as it will be
// ended. On success `files` holds the data files they restore, named "DERSLER.LOF"
// and so on, and the substitution record when the backup has one (a backup made
// before there was one leaves the working folder's record as it is).
RestoreResult ReadBackupSet(const std::filesystem::path& folder, NamedFiles& files,
                            FileSystem& disk);

// Restores the working folder (created when missing) from the backup folder: every
// data file of the set, or none. A set in which the damage check finds faults
// (numbers used twice, numbers naming no record, ...) is refused before anything is
// replaced: it would put a damaged school in place of a sound one.
// The school in memory is not reloaded; the program reads the files anew. Should the
// disk fail while putting files back as well, the restore is left unfinished: the next
// start ends it, and no save may come between.
RestoreResult Restore(const std::filesystem::path& backupFolder,
                      const std::filesystem::path& workFolder, FileSystem& disk);
RestoreResult Restore(const std::filesystem::path& backupFolder,
                      const std::filesystem::path& workFolder);

// What to tell the user (UTF-8) about a restore that did not end: the file missing
// ("DERSLER.YDK dosyası bulunamadı."), the fault and that nothing was restored, or
// which files were restored and which wait.
std::string RestoreProblemText(const RestoreResult& result);

}  // namespace kalvodrin
