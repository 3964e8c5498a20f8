#pragma once
// Start-up: which working folder this run uses, and the school read from it in the
// program's fixed order. Nothing here shows anything; the caller reports failures.
//
// Order: YARDIM.LOF -> working folder (created when missing) -> annex flags ->
// predecessor import check and conversion -> every collection, each reindexed ->
// missing teacher and class grids -> import follow-up -> settings.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/paths.h"
#include "core/school.h"
#include "core/status.h"

namespace kalvodrin {

struct StartupOptions {
  PlatformDirs dirs = PlatformDirs::FromEnvironment();
  // A development aid: use this folder for this start instead of the one named in
  // YARDIM.LOF. A missing YARDIM.LOF is then not created.
  std::optional<std::filesystem::path> folderOverride;
};

// The conversion of the predecessor program's data. Start-up calls it at two points;
// the import module provides the implementation.
class PredecessorImport {
 public:
  virtual ~PredecessorImport() = default;
  // True when the predecessor's files are there and have not been converted yet.
  virtual bool Check(const School& school) = 0;
  // Converts the predecessor's files into the working folder (annex flags loaded,
  // collections not yet).
  virtual Status Convert(School& school) = 0;
  // After a conversion, once every collection is loaded: what the conversion left to
  // be done on the loaded school (attaching teachers, day windows, availability).
  virtual Status FollowUp(School& school) = 0;
  // UTF-8 lines, one for each record the conversion left out or changed.
  virtual std::vector<std::string> Report() const { return {}; }
};

enum class StartupStep {
  kWorkFolderFile,  // reading or creating YARDIM.LOF
  kWorkFolder,      // creating the working folder
  kAnnexFlags,
  kImport,
  kCollections,
  kImportFollowUp,
  kSettings,
  kDone,
};

struct StartupResult {
  Status status = Status::Ok();
  StartupStep reached = StartupStep::kWorkFolderFile;  // kDone on success
  std::filesystem::path workFolderFile;                // where YARDIM.LOF is
  std::string storedWorkFolder;                        // its text, cp1254
  bool folderOverridden = false;  // the folder in use was named at start, not stored
  bool imported = false;
  std::vector<std::string> importReport;  // what the import left out, when it ran
  bool teacherGridsCreated = false;
  bool classGridsCreated = false;
};

// Reads YARDIM.LOF (created with the default when missing, unless `createWhenMissing`
// is false, in which case the default text is used without writing anything).
Status ReadWorkFolderFile(const PlatformDirs& dirs, bool createWhenMissing,
                          std::filesystem::path& file, std::string& stored);

// Empties the school and loads every collection file of school.WorkFolder in start-up
// order, reindexing each. Annex flags and settings are not touched.
Status LoadCollections(School& school);

struct CreatedGrids {
  bool teachers = false;
  bool classes = false;
};
// When teachers exist but no teacher grid does, gives every teacher a fresh grid in
// collection order; the same for classes. A grid file that is merely incomplete is
// left as it is. The new grids are in memory only.
CreatedGrids CreateMissingGrids(School& school);

// Runs the whole sequence. On success the school holds the working folder's data.
// On failure the school is empty (default settings), `status` holds the operating
// system's message and `reached` the step that failed; nothing half-loaded remains
// that a window could save over good files.
StartupResult RunStartup(School& school, const StartupOptions& options,
                         PredecessorImport* import = nullptr);

// The message (UTF-8) that tells the user why the school could not be read from
// `folder`, with the operating system's words, and what to do.
std::string StartupFailureText(const StartupResult& result,
                               const std::filesystem::path& folder);

}  // namespace kalvodrin
