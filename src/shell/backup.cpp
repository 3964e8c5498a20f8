#include "shell/backup.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>
#include <random>

#include "core/damage_check.h"
#include "core/file_io.h"
#include "core/file_set_save.h"
#include "core/storage.h"
#include "core/substitution_record.h"

namespace kalvodrin {

const std::array<BackupFile, 13> kBackupSet = {{
    {DataFile::kLessons, "DERSLER.YDK"},
    {DataFile::kLessonGroups, "KUME.YDK"},
    {DataFile::kClasses, "SINIFLAR.YDK"},
    {DataFile::kRooms, "DERSHANE.YDK"},
    {DataFile::kCommonGroups, "DUDIZIR3.YDK"},
    {DataFile::kTeachers, "OGRETMEN.YDK"},
    {DataFile::kDutyPlaces, "DUDIZIR4.YDK"},
    {DataFile::kClassLessons, "DUDIZIR2.YDK"},
    {DataFile::kTeacherLessons, "DUDIZIR6.YDK"},
    {DataFile::kDuties, "DUDIZIR5.YDK"},
    {DataFile::kTeacherGrids, "DUDIZIRZ.YDK"},
    {DataFile::kClassGrids, "DUDIZIRX.YDK"},
    {DataFile::kRoomGrids, "DUDIZIRY.YDK"},
}};

namespace {

Status ErrnoStatus(const std::filesystem::path& path, int error) {
  return Status::Error(path.string() + ": " + std::strerror(error));
}

template <typename List>
void PutRecords(List& list, const Bytes& bytes) {
  using Rec = typename List::value_type;
  std::vector<Rec> records(bytes.size() / sizeof(Rec));
  if (!records.empty()) std::memcpy(records.data(), bytes.data(), records.size() * sizeof(Rec));
  list.assign(records.begin(), records.end());
}

// The school the set would restore, with the settings a new school has: the set does
// not carry them.
std::unique_ptr<School> SchoolOf(const NamedFiles& files) {
  auto school = std::make_unique<School>();
  for (std::size_t i = 0; i < kBackupSet.size() && i < files.size(); ++i) {
    const Bytes& b = files[i].bytes;
    switch (kBackupSet[i].file) {
      case DataFile::kLessonGroups: PutRecords(school->LessonGroups, b); break;
      case DataFile::kLessons: PutRecords(school->Lessons, b); break;
      case DataFile::kClasses: PutRecords(school->Classes, b); break;
      case DataFile::kRooms: PutRecords(school->Rooms, b); break;
      case DataFile::kTeachers: PutRecords(school->Teachers, b); break;
      case DataFile::kClassLessons: PutRecords(school->ClassLessons, b); break;
      case DataFile::kCommonGroups: PutRecords(school->CommonGroups, b); break;
      case DataFile::kDutyPlaces: PutRecords(school->DutyPlaces, b); break;
      case DataFile::kDuties: PutRecords(school->Duties, b); break;
      case DataFile::kTeacherLessons: PutRecords(school->TeacherLessons, b); break;
      case DataFile::kTeacherGrids: PutRecords(school->TeacherGrids, b); break;
      case DataFile::kClassGrids: PutRecords(school->ClassGrids, b); break;
      case DataFile::kRoomGrids: PutRecords(school->RoomGrids, b); break;
      case DataFile::kAnnexFlags:
      case DataFile::kSettings: break;
    }
  }
  school->ReindexAll();
  return school;
}

// The check `check` makes, on the set, named by the backup files: the first few faults.
std::vector<std::string> DamageOf(const NamedFiles& files) {
  constexpr std::size_t kShown = 5;
  const std::vector<Damage> found = FindDamage(*SchoolOf(files), TailBytes{});
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < found.size() && i < kShown; ++i) {
    std::string line = DamageLine(found[i]);
    for (const BackupFile& b : kBackupSet)
      if (b.file == found[i].file) line.replace(0, InfoOf(b.file).name.size(), std::string(b.name));
    lines.push_back(std::move(line));
  }
  if (found.size() > kShown)
    lines.push_back("... ve " + std::to_string(found.size() - kShown) + " sorun daha");
  return lines;
}

}  // namespace

FolderState ProbeBackupFolder(const std::filesystem::path& folder, FileSystem& disk,
                              Status& status) {
  status = Status::Ok();
  std::random_device rd;
  const std::filesystem::path probe =
      folder / (".kalvodrin-yedek-" + std::to_string(rd()) + ".tmp");
  int error = 0;
  if (disk.TryNewFile(probe, error)) return FolderState::kWritable;
  // No folder there, or a file where the folder or one of its parents should be: the
  // drive or stick it stands for is most often simply not in.
  if (error == ENOENT || error == ENOTDIR) return FolderState::kMissing;
  status = ErrnoStatus(folder, error);
  if (error == EROFS || error == EACCES || error == EPERM) return FolderState::kReadOnly;
  return FolderState::kFailed;
}

NamedFiles BackupImages(const School& school) {
  NamedFiles files;
  for (const BackupFile& b : kBackupSet)
    files.push_back({std::string(b.name), DataFileImage(school, b.file)});
  return files;
}

Status SubstitutionRecordImage(const School& school, FileSystem& disk, NamedFile& image) {
  SubstitutionRecord record;
  if (!school.WorkFolder.empty())
    if (Status s = LoadSubstitutionRecord(school.WorkFolder, disk, record); !s) return s;
  const std::string text = SubstitutionRecordText(record);
  image = {std::string(kSubstitutionRecordName), Bytes(text.begin(), text.end())};
  return Status::Ok();
}

BackupResult Backup(const School& school, const std::filesystem::path& folder, FileSystem& disk) {
  BackupResult result;
  result.folder = ProbeBackupFolder(folder, disk, result.status);
  if (result.folder != FolderState::kWritable) return result;
  NamedFiles files = BackupImages(school);
  NamedFile record;
  // Always written, empty too, so that a record of an older backup in the folder is
  // not taken for this one's.
  result.status = SubstitutionRecordImage(school, disk, record);
  if (result.status) result.status = FinishHalfDoneSave(folder, disk);
  files.push_back(std::move(record));
  if (result.status) result.status = WriteTogether(folder, files, disk);
  return result;
}

BackupResult Backup(const School& school, const std::filesystem::path& folder) {
  LocalFileSystem disk;
  return Backup(school, folder, disk);
}

RestoreResult ReadBackupSet(const std::filesystem::path& folder, NamedFiles& files,
                            FileSystem& disk) {
  RestoreResult result;
  files.clear();
  if (Status s = FolderThere(folder, disk); !s) {
    result.problem = RestoreProblem::kFolderMissing;
    result.status = s;
    return result;
  }
  const std::vector<std::string> pending = PendingNewFiles(folder, disk);
  for (const BackupFile& b : kBackupSet) {
    result.file = std::string(b.name);
    std::filesystem::path path = ResolveInFolder(folder, b.name, disk);
    if (std::find(pending.begin(), pending.end(), path.filename()) != pending.end())
      path += std::string(kNewSuffix);
    std::optional<Bytes> content;
    if (Status s = disk.Read(path, content); !s) {
      result.problem = RestoreProblem::kUnreadable;
      result.status = s;
      return result;
    }
    if (!content) {
      result.problem = RestoreProblem::kFileMissing;
      return result;
    }
    const std::size_t recordSize = InfoOf(b.file).recordSize;
    if (content->size() % recordSize != 0) {
      result.problem = RestoreProblem::kFileDamaged;
      result.size = content->size();
      result.recordSize = recordSize;
      return result;
    }
    files.push_back({std::string(InfoOf(b.file).name), std::move(*content)});
  }
  result.file = std::string(kSubstitutionRecordName);
  SubstitutionRecord record;
  if (Status s = LoadSubstitutionRecord(folder, disk, record); !s) {
    result.problem = RestoreProblem::kRecordDamaged;
    result.status = s;
    return result;
  }
  if (disk.Exists(ResolveInFolder(folder, kSubstitutionRecordName, disk)) ||
      !record.entries.empty() || !record.termStarts.empty()) {
    const std::string text = SubstitutionRecordText(record);
    files.push_back({std::string(kSubstitutionRecordName), Bytes(text.begin(), text.end())});
  }
  result.file.clear();
  return result;
}

RestoreResult Restore(const std::filesystem::path& backupFolder,
                      const std::filesystem::path& workFolder, FileSystem& disk) {
  NamedFiles files;
  RestoreResult result = ReadBackupSet(backupFolder, files, disk);
  if (!result.ok()) return result;
  // An empty record need not make a file where there was none.
  if (files.back().name == kSubstitutionRecordName && files.back().bytes.empty() &&
      !disk.Exists(ResolveInFolder(workFolder, kSubstitutionRecordName, disk)))
    files.pop_back();
  if (result.damage = DamageOf(files); !result.damage.empty()) {
    result.problem = RestoreProblem::kSetDamaged;
    return result;
  }
  Status s = EnsureFolder(workFolder, disk);
  if (s) s = FinishHalfDoneSave(workFolder, disk);
  if (!s) {
    result.problem = RestoreProblem::kWriteFailed;
    result.status = s;
    return result;
  }
  if (s = WriteTogether(workFolder, files, disk); !s) {
    // Any list left now is this restore's: it ended neither done nor undone.
    result.problem = UnfinishedSaveIn(workFolder, disk) ? RestoreProblem::kUnfinished
                                                        : RestoreProblem::kWriteFailed;
    result.status = s;
  }
  return result;
}

RestoreResult Restore(const std::filesystem::path& backupFolder,
                      const std::filesystem::path& workFolder) {
  LocalFileSystem disk;
  return Restore(backupFolder, workFolder, disk);
}

std::string RestoreProblemText(const RestoreResult& result) {
  constexpr std::string_view kNothingChanged = "\nHiçbir dosya geri alınmadı.";
  std::string text;
  switch (result.problem) {
    case RestoreProblem::kNone:
      return {};
    case RestoreProblem::kFolderMissing:
      text = "Yedek klasörü bulunamadı: " + result.status.message();
      break;
    case RestoreProblem::kFileMissing:
      return result.file + " dosyası bulunamadı.";
    case RestoreProblem::kFileDamaged:
      text = result.file + " dosyası bozuk: " + std::to_string(result.size) +
             " bayt, " + std::to_string(result.recordSize) +
             " baytlık kayıtların tam katı değil.";
      break;
    case RestoreProblem::kSetDamaged:
      text = "Yedekteki kayıtlar bozuk:";
      for (const std::string& line : result.damage) text += "\n" + line;
      break;
    case RestoreProblem::kUnreadable:
      text = result.file + " dosyası okunamadı: " + result.status.message();
      break;
    case RestoreProblem::kRecordDamaged:
      text = "Ders görevlendirme kaydı okunamadı: " + result.status.message();
      break;
    case RestoreProblem::kWriteFailed:
      text = "Veri dosyaları yazılamadı: " + result.status.message();
      break;
    case RestoreProblem::kUnfinished:
      return "Yedekten geri alma yarım kaldı: " + result.status.message();
  }
  return text + std::string(kNothingChanged);
}

}  // namespace kalvodrin
