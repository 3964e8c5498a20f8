#include "shell/startup.h"

#include <array>
#include <memory>
#include <utility>

#include "core/file_io.h"
#include "core/file_set_save.h"
#include "core/file_system.h"
#include "core/record_creation.h"
#include "core/storage.h"

namespace kalvodrin {
namespace {

// Masters before what refers to them; duty places before teachers as the program
// always has; the timetables last.
constexpr std::array kCollectionOrder = {
    DataFile::kLessonGroups, DataFile::kLessons,      DataFile::kClasses,
    DataFile::kRooms,        DataFile::kDutyPlaces,   DataFile::kTeachers,
    DataFile::kClassLessons, DataFile::kCommonGroups, DataFile::kDuties,
    DataFile::kTeacherLessons, DataFile::kTeacherGrids, DataFile::kClassGrids,
    DataFile::kRoomGrids,
};

StartupResult Failed(StartupResult result, StartupStep step, Status status) {
  result.reached = step;
  result.status = std::move(status);
  return result;
}

Status ImportIfDue(School& school, PredecessorImport* import, bool& imported) {
  imported = false;
  if (import == nullptr || !import->Check(school)) return Status::Ok();
  if (Status s = import->Convert(school); !s) return s;
  imported = true;
  return Status::Ok();
}

}  // namespace

Status ReadWorkFolderFile(const PlatformDirs& dirs, bool createWhenMissing,
                          std::filesystem::path& file, std::string& stored) {
  file = WorkFolderFileLocation(dirs);
  return createWhenMissing ? LoadWorkFolder(file, stored) : ReadWorkFolder(file, stored);
}

Status LoadCollections(School& school) {
  school.Clear();
  for (DataFile file : kCollectionOrder)
    if (Status s = LoadFile(school, file); !s) return s;
  return Status::Ok();
}

CreatedGrids CreateMissingGrids(School& school) {
  CreatedGrids created;
  if (!school.Teachers.empty() && school.TeacherGrids.empty()) {
    for (const TTeacherRec& t : school.Teachers) NewTeacherGrid(school, t.number);
    school.ReindexTeacherGrids();
    created.teachers = true;
  }
  if (!school.Classes.empty() && school.ClassGrids.empty()) {
    for (const TClassRec& c : school.Classes) NewClassGrid(school, c.number);
    school.ReindexClassGrids();
    created.classes = true;
  }
  return created;
}

StartupResult RunStartup(School& school, const StartupOptions& options,
                         PredecessorImport* import) {
  StartupResult result;
  school.Clear();
  school.Settings = DefaultSettings();
  school.Annex = AnnexFlags{};
  const bool overridden = options.folderOverride.has_value();
  result.folderOverridden = overridden;
  if (Status s = ReadWorkFolderFile(options.dirs, !overridden, result.workFolderFile,
                                    result.storedWorkFolder);
      !s)
    return Failed(std::move(result), StartupStep::kWorkFolderFile, s);

  // Built aside and moved in whole, so a failure half-way leaves no partial school.
  auto loaded = std::make_unique<School>();
  loaded->WorkFolder = overridden ? *options.folderOverride
                                  : MapStoredPath(result.storedWorkFolder, options.dirs);
  school.WorkFolder = loaded->WorkFolder;
  if (Status s = EnsureFolder(loaded->WorkFolder); !s)
    return Failed(std::move(result), StartupStep::kWorkFolder, s);
  // A save that the last run could not end is ended before anything is read.
  LocalFileSystem disk;
  if (Status s = FinishHalfDoneSave(loaded->WorkFolder, disk); !s)
    return Failed(std::move(result), StartupStep::kWorkFolder, s);
  if (Status s = LoadAnnexFlags(*loaded); !s)
    return Failed(std::move(result), StartupStep::kAnnexFlags, s);
  if (Status s = ImportIfDue(*loaded, import, result.imported); !s)
    return Failed(std::move(result), StartupStep::kImport, s);
  if (result.imported) result.importReport = import->Report();
  if (Status s = LoadCollections(*loaded); !s)
    return Failed(std::move(result), StartupStep::kCollections, s);
  const CreatedGrids created = CreateMissingGrids(*loaded);
  result.teacherGridsCreated = created.teachers;
  result.classGridsCreated = created.classes;
  if (result.imported)
    if (Status s = import->FollowUp(*loaded); !s)
      return Failed(std::move(result), StartupStep::kImportFollowUp, s);
  if (Status s = LoadSettings(*loaded); !s)
    return Failed(std::move(result), StartupStep::kSettings, s);
  school = std::move(*loaded);
  result.reached = StartupStep::kDone;
  return result;
}

std::string StartupFailureText(const StartupResult& result,
                               const std::filesystem::path& folder) {
  std::string text;
  if (result.reached == StartupStep::kWorkFolderFile)
    text = "Çalışma dizininin kaydedildiği " + std::string(kWorkFolderFile) +
           " dosyası okunamadı.\n";
  else
    text = "Çalışma dizini kullanılamıyor:\n" + folder.string() + "\n";
  text += result.status.message();
  text += "\n\nÇalışma Dizini penceresinden başka bir dizin seçiniz.";
  return text;
}

}  // namespace kalvodrin
