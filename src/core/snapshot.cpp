#include "core/snapshot.h"

#include <cstring>
#include <optional>
#include <set>

#include "core/file_io.h"
#include "core/file_set_save.h"

namespace kalvodrin {

namespace {

constexpr const char* kTeacherFile = "DUDIZIRZ.OLD";
constexpr const char* kClassFile = "DUDIZIRX.OLD";
constexpr const char* kRoomFile = "DUDIZIRY.OLD";
// Numbers above this have no place in the changed set.
constexpr int kLastListedTeacher = 250;

template <typename Rec>
Bytes Image(const std::vector<Rec>& list) {
  Bytes bytes(list.size() * sizeof(Rec));
  for (std::size_t i = 0; i < list.size(); ++i) {
    Rec r = list[i];
    r.link.fill(0);  // an address in memory, meaningless in a file
    std::memcpy(bytes.data() + i * sizeof(Rec), &r, sizeof(Rec));
  }
  return bytes;
}

// The whole records of a snapshot file; a trailing part record is left out.
template <typename Rec>
std::vector<Rec> Records(const std::optional<Bytes>& bytes) {
  std::vector<Rec> out;
  if (!bytes) return out;
  out.resize(bytes->size() / sizeof(Rec));
  for (std::size_t i = 0; i < out.size(); ++i)
    std::memcpy(&out[i], bytes->data() + i * sizeof(Rec), sizeof(Rec));
  return out;
}

template <typename Rec, typename Find>
void CopyOver(const std::optional<Bytes>& bytes, Find find) {
  static_assert(offsetof(Rec, link) + sizeof(Rec::link) == sizeof(Rec));
  for (const Rec& saved : Records<Rec>(bytes)) {
    Rec* current = find(saved);
    if (current == nullptr) continue;
    const auto link = current->link;
    *current = saved;
    current->link = link;
  }
}

Status Read(const School& school, const char* name, std::optional<Bytes>& bytes) {
  return ReadWholeFile(ResolveInFolder(school.WorkFolder, name), bytes);
}

}  // namespace

Status TakeSnapshot(const School& school) {
  LocalFileSystem disk;
  return TakeSnapshot(school, disk);
}

Status TakeSnapshot(const School& school, FileSystem& disk) {
  // Kept together: a snapshot of some grids from before and some from after an edit
  // would undo to timetables that never were.
  return SaveAllOrNothing(
      {{ResolveInFolder(school.WorkFolder, kTeacherFile),
        Image<TTeacherGridRec>(school.TeacherGrids)},
       {ResolveInFolder(school.WorkFolder, kClassFile), Image<TClassGridRec>(school.ClassGrids)},
       {ResolveInFolder(school.WorkFolder, kRoomFile), Image<TRoomGridRec>(school.RoomGrids)}},
      disk);
}

Status RestoreSnapshot(School& school) {
  std::optional<Bytes> teachers, classes, rooms;
  if (Status s = Read(school, kTeacherFile, teachers); !s) return s;
  if (Status s = Read(school, kClassFile, classes); !s) return s;
  if (Status s = Read(school, kRoomFile, rooms); !s) return s;
  CopyOver<TTeacherGridRec>(
      teachers, [&](const TTeacherGridRec& r) { return school.TeacherGridByNo(r.teacher); });
  CopyOver<TClassGridRec>(classes,
                          [&](const TClassGridRec& r) { return school.ClassGridByNo(r.classNo); });
  CopyOver<TRoomGridRec>(rooms, [&](const TRoomGridRec& r) { return school.RoomGridByNo(r.room); });
  return Status::Ok();
}

Status ChangedTeachers(const School& school, std::vector<int>& changed) {
  changed.clear();
  std::optional<Bytes> bytes;
  if (Status s = Read(school, kTeacherFile, bytes); !s) return s;
  std::set<int> marked;
  for (const TTeacherGridRec& saved : Records<TTeacherGridRec>(bytes)) {
    const int t = saved.teacher;
    const TTeacherGridRec* current = school.TeacherGridByNo(t);
    if (current == nullptr || t < 1 || t > kLastListedTeacher) continue;
    if (current->occupant != saved.occupant) marked.insert(t);
  }
  changed.assign(marked.begin(), marked.end());
  return Status::Ok();
}

}  // namespace kalvodrin
