#pragma once
// The import of the predecessor program's data at start-up (and from the command
// line): when its folder holds a complete set and the working folder has not been given
// it yet, the converted school is written into the working folder in one go, together
// with the converted copies under the predecessor's names. Those copies are the mark
// that stops a second import.
//
// A working folder that already holds a school is never imported into: the import
// would replace its lessons, classes and teachers and leave its timetables and
// assignments naming records that are gone.

#include <filesystem>
#include <string>
#include <vector>

#include "core/school.h"
#include "core/status.h"
#include "shell/named_files.h"
#include "shell/startup.h"

namespace kalvodrin {

enum class ImportDue {
  kDue,
  kSourceMissing,     // `file` is not in the predecessor's folder
  kAlreadyImported,   // the working folder holds `file`, a converted copy
  kFolderHasSchool,   // the working folder's `file` holds records
};

struct ImportCheckResult {
  ImportDue due = ImportDue::kDue;
  std::string file;
};

ImportCheckResult CheckImport(const std::filesystem::path& source,
                              const std::filesystem::path& workFolder);

// Why nothing is imported (UTF-8), for the command line; empty when due.
std::string ImportCheckText(const ImportCheckResult& result);

// The one notice of everything the import left out or changed (UTF-8).
std::string ImportReportText(const std::vector<std::string>& report);

// Every file the import writes into the working folder: the data files of the
// converted school and the converted copies. `report` gets what was left out.
Status ImportFiles(const std::filesystem::path& source, NamedFiles& files,
                   std::vector<std::string>& report);

class VelImport : public PredecessorImport {
 public:
  // `disk` (kept, not owned) writes the converted files; the machine's own when none.
  explicit VelImport(std::filesystem::path source, FileSystem* disk = nullptr)
      : source_(std::move(source)), disk_(disk) {}

  bool Check(const School& school) override;
  // Writes the whole converted school, its timetables with the predecessor's day
  // windows and availability, and the converted copies, all or none.
  Status Convert(School& school) override;
  // Nothing is left for after the load: Convert wrote the follow-up's results with
  // the rest, so that no crash can separate them.
  Status FollowUp(School&) override { return Status::Ok(); }
  std::vector<std::string> Report() const override { return report_; }

 private:
  std::filesystem::path source_;
  FileSystem* disk_;
  std::vector<std::string> report_;
};

}  // namespace kalvodrin
