#include "core/storage.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "core/file_io.h"
#include "core/file_set_save.h"
#include "core/file_system.h"

namespace kalvodrin {
namespace {

std::vector<FileImage> ImagesOn(const School& school, const FileSet& files, FileSystem& disk) {
  FolderNames names(school.WorkFolder, disk);
  std::vector<FileImage> images;
  for (const DataFileInfo& info : kDataFiles)
    if (files.has(info.file))
      images.push_back({names.Resolve(info.name), DataFileImage(school, info.file)});
  return images;
}

// How a load reads: whether it creates missing files, and the files of a save that a
// crash stopped half-way, which a reader that must not write reads from their new
// versions beside them (the folder as the next start will make it).
struct ReadPlan {
  ReadPlan(FileSystem& on, const std::filesystem::path& folder, bool creates,
           std::vector<std::string> pendingNames)
      : disk(on), create(creates), pending(std::move(pendingNames)), names(folder, on) {}
  FileSystem& disk;
  bool create = true;
  std::vector<std::string> pending;
  // The working folder's names, listed once for all the files a load looks for.
  mutable FolderNames names;
};

std::filesystem::path ReadPathOf(DataFile file, const ReadPlan& plan) {
  std::filesystem::path path = plan.names.Resolve(InfoOf(file).name);
  for (const std::string& name : plan.pending)
    if (path.filename() == name) path += std::string(kNewSuffix);
  return path;
}

template <typename Rec>
Bytes Image(const std::vector<Rec>& list, bool zeroLink) {
  static_assert(std::is_trivially_copyable_v<Rec>);
  Bytes bytes(list.size() * sizeof(Rec));
  for (std::size_t i = 0; i < list.size(); ++i) {
    Rec r = list[i];
    if constexpr (requires { r.link; }) {
      if (zeroLink) r.link.fill(0);
    }
    std::memcpy(bytes.data() + i * sizeof(Rec), &r, sizeof(Rec));
  }
  return bytes;
}

// Reads a record file; a missing one is created empty when the plan says so. `tail`
// gets the bytes after the last whole record.
Status ReadRecordFile(DataFile file, Bytes& content, std::size_t* tail, const ReadPlan& plan) {
  std::optional<Bytes> read;
  const std::filesystem::path path = ReadPathOf(file, plan);
  if (Status s = plan.disk.Read(path, read); !s) return s;
  if (!read) {
    content.clear();
    if (tail != nullptr) *tail = 0;
    return plan.create ? WriteFileAtomically(path, {}, plan.disk) : Status::Ok();
  }
  content = std::move(*read);
  if (tail != nullptr) *tail = content.size() % InfoOf(file).recordSize;
  return Status::Ok();
}

template <typename List>
Status LoadList(DataFile file, List& list, std::size_t* tail, const ReadPlan& plan) {
  using Rec = typename List::value_type;
  Bytes content;
  if (Status s = ReadRecordFile(file, content, tail, plan); !s) return s;
  // Straight into the list: a copy between was a second allocation of the whole file.
  list.resize(content.size() / sizeof(Rec));
  for (std::size_t i = 0; i < list.size(); ++i) {
    std::memcpy(&list[i], content.data() + i * sizeof(Rec), sizeof(Rec));
    if constexpr (requires { list[i].link; }) list[i].link.fill(0);
  }
  if constexpr (requires { list.reindex(); }) list.reindex();
  return Status::Ok();
}

// A file of exactly one record: missing, it is written with `defaults` (when the plan
// says so); shorter than a record, the missing bytes keep the defaults.
template <typename Rec>
Status LoadSingle(DataFile file, Rec& target, const Rec& defaults, std::size_t* tail,
                  const ReadPlan& plan) {
  std::optional<Bytes> read;
  const std::filesystem::path path = ReadPathOf(file, plan);
  if (Status s = plan.disk.Read(path, read); !s) return s;
  if (tail != nullptr) *tail = 0;
  if (!read) {
    Bytes bytes(sizeof(Rec));
    std::memcpy(bytes.data(), &defaults, sizeof(Rec));
    if (plan.create)
      if (Status s = WriteFileAtomically(path, bytes, plan.disk); !s) return s;
    target = defaults;
    return Status::Ok();
  }
  if (tail != nullptr && read->size() != sizeof(Rec))
    *tail = read->size() < sizeof(Rec) ? read->size() : read->size() - sizeof(Rec);
  Rec r = defaults;
  // An empty file has no data pointer to copy from; it reads as the defaults.
  if (!read->empty()) std::memcpy(&r, read->data(), std::min(read->size(), sizeof(Rec)));
  target = r;
  return Status::Ok();
}

template <typename Rec>
Bytes SingleImage(const Rec& record) {
  Bytes bytes(sizeof(Rec));
  std::memcpy(bytes.data(), &record, sizeof(Rec));
  return bytes;
}

AnnexFlags NoAnnex() {
  AnnexFlags a;
  a.bytes.fill(0);
  return a;
}

Status LoadFileNoting(School& school, DataFile file, std::size_t* tail, const ReadPlan& plan) {
  switch (file) {
    case DataFile::kLessonGroups: return LoadList(file, school.LessonGroups, tail, plan);
    case DataFile::kLessons: return LoadList(file, school.Lessons, tail, plan);
    case DataFile::kClasses: return LoadList(file, school.Classes, tail, plan);
    case DataFile::kRooms: return LoadList(file, school.Rooms, tail, plan);
    case DataFile::kTeachers: return LoadList(file, school.Teachers, tail, plan);
    case DataFile::kAnnexFlags: return LoadSingle(file, school.Annex, NoAnnex(), tail, plan);
    case DataFile::kClassLessons: return LoadList(file, school.ClassLessons, tail, plan);
    case DataFile::kCommonGroups: return LoadList(file, school.CommonGroups, tail, plan);
    case DataFile::kDutyPlaces: return LoadList(file, school.DutyPlaces, tail, plan);
    case DataFile::kDuties: return LoadList(file, school.Duties, tail, plan);
    case DataFile::kTeacherLessons: return LoadList(file, school.TeacherLessons, tail, plan);
    case DataFile::kTeacherGrids: return LoadList(file, school.TeacherGrids, tail, plan);
    case DataFile::kClassGrids: return LoadList(file, school.ClassGrids, tail, plan);
    case DataFile::kRoomGrids: return LoadList(file, school.RoomGrids, tail, plan);
    case DataFile::kSettings:
      return LoadSingle(file, school.Settings, DefaultSettings(), tail, plan);
  }
  return Status::Error("unknown data file");
}

}  // namespace

Status LoadFile(School& school, DataFile file) {
  LocalFileSystem disk;
  return LoadFileNoting(school, file, nullptr, ReadPlan(disk, school.WorkFolder, true, {}));
}

Bytes DataFileImage(const School& school, DataFile file) {
  switch (file) {
    case DataFile::kLessonGroups: return Image(school.LessonGroups, true);
    case DataFile::kLessons: return Image(school.Lessons, true);
    case DataFile::kClasses: return Image(school.Classes, true);
    case DataFile::kRooms: return Image(school.Rooms, true);
    case DataFile::kTeachers: return Image(school.Teachers, true);
    case DataFile::kAnnexFlags: return SingleImage(school.Annex);
    case DataFile::kClassLessons: return Image(school.ClassLessons, true);
    case DataFile::kCommonGroups: return Image(school.CommonGroups, true);
    case DataFile::kDutyPlaces: return Image(school.DutyPlaces, true);
    case DataFile::kDuties: return Image(school.Duties, true);
    case DataFile::kTeacherLessons: return Image(school.TeacherLessons, true);
    case DataFile::kTeacherGrids: return Image(school.TeacherGrids, true);
    case DataFile::kClassGrids: return Image(school.ClassGrids, true);
    case DataFile::kRoomGrids: return Image(school.RoomGrids, true);
    case DataFile::kSettings: return SingleImage(school.Settings);
  }
  return {};
}

Status SaveFile(const School& school, DataFile file) { return SaveFiles(school, {file}); }

Status SaveFiles(const School& school, const FileSet& files) {
  LocalFileSystem disk;
  return SaveFiles(school, files, disk);
}

std::vector<FileImage> DataFileImages(const School& school, const FileSet& files) {
  LocalFileSystem disk;
  return ImagesOn(school, files, disk);
}

std::vector<FileImage> DataFileImages(const School& school, const FileSet& files,
                                      FileSystem& disk) {
  return ImagesOn(school, files, disk);
}

Status SaveFiles(const School& school, const FileSet& files, FileSystem& disk) {
  return SaveAllOrNothing(ImagesOn(school, files, disk), disk);
}

namespace {

// Loads every file into a new school and moves it into `school` when all loaded.
Status LoadAll(School& school, TailBytes* tails, const ReadPlan& plan) {
  auto loaded = std::make_unique<School>();
  loaded->WorkFolder = school.WorkFolder;
  TailBytes found{};
  for (std::size_t i = 0; i < kDataFiles.size(); ++i)
    if (Status s = LoadFileNoting(*loaded, kDataFiles[i].file, &found[i], plan); !s) return s;
  loaded->ReindexAll();
  school = std::move(*loaded);
  if (tails != nullptr) *tails = found;
  return Status::Ok();
}

}  // namespace

Status LoadSchool(School& school, TailBytes* tails) {
  LocalFileSystem disk;
  return LoadSchool(school, disk, tails);
}

Status LoadSchool(School& school, FileSystem& disk, TailBytes* tails) {
  if (Status s = EnsureFolder(school.WorkFolder, disk); !s) return s;
  if (Status s = FinishHalfDoneSave(school.WorkFolder, disk); !s) return s;
  return LoadAll(school, tails, ReadPlan(disk, school.WorkFolder, true, {}));
}

Status LoadSchoolWithoutWriting(School& school, TailBytes* tails) {
  LocalFileSystem disk;
  return LoadSchoolWithoutWriting(school, disk, tails);
}

Status LoadSchoolWithoutWriting(School& school, FileSystem& disk, TailBytes* tails) {
  if (Status s = FolderThere(school.WorkFolder, disk); !s) return s;
  return LoadAll(
      school, tails,
      ReadPlan(disk, school.WorkFolder, false, PendingNewFiles(school.WorkFolder, disk)));
}

#define KALVODRIN_LOAD_SAVE(Name, File)                                              \
  Status Load##Name(School& school) { return LoadFile(school, DataFile::File); }     \
  Status Save##Name(const School& school) { return SaveFile(school, DataFile::File); }

KALVODRIN_LOAD_SAVE(LessonGroups, kLessonGroups)
KALVODRIN_LOAD_SAVE(Lessons, kLessons)
KALVODRIN_LOAD_SAVE(Classes, kClasses)
KALVODRIN_LOAD_SAVE(Rooms, kRooms)
KALVODRIN_LOAD_SAVE(Teachers, kTeachers)
KALVODRIN_LOAD_SAVE(AnnexFlags, kAnnexFlags)
KALVODRIN_LOAD_SAVE(ClassLessons, kClassLessons)
KALVODRIN_LOAD_SAVE(CommonGroups, kCommonGroups)
KALVODRIN_LOAD_SAVE(DutyPlaces, kDutyPlaces)
KALVODRIN_LOAD_SAVE(Duties, kDuties)
KALVODRIN_LOAD_SAVE(TeacherLessons, kTeacherLessons)
KALVODRIN_LOAD_SAVE(TeacherGrids, kTeacherGrids)
KALVODRIN_LOAD_SAVE(ClassGrids, kClassGrids)
KALVODRIN_LOAD_SAVE(RoomGrids, kRoomGrids)
KALVODRIN_LOAD_SAVE(Settings, kSettings)

#undef KALVODRIN_LOAD_SAVE

}  // namespace kalvodrin
