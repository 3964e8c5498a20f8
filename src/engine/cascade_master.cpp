// Cascades over the master data: lesson groups, rooms, teachers, classes, lessons and
// the duty roster.
#include <algorithm>
#include <vector>

#include "core/cells.h"
#include "engine/cascade.h"
#include "engine/cell_writes.h"
#include "engine/class_lesson_lists.h"

namespace kalvodrin {
namespace {

using cells::At;

const FileSet kTimetables{DataFile::kTeacherGrids, DataFile::kClassGrids,
                          DataFile::kRoomGrids};
const FileSet kDutyFiles{DataFile::kDutyPlaces, DataFile::kDuties};

// Display positions 1..n in list order after a removal.
template <typename List>
void Renumber(List& list) {
  int order = 1;
  for (auto& r : list) r.order = static_cast<uint8_t>(order++);
}

template <typename List, typename Key>
void EraseNumber(List& list, Key key, int number) {
  std::erase_if(list, [&](const auto& r) { return r.*key == number; });
}

// Teacher and room cells that still name a deleted class (only damaged data has
// them once the class lessons are gone). Cells naming class 0 are the free ones.
void ClearCellsOfClass(School& school, int classNo) {
  if (classNo == 0) return;
  for (TTeacherGridRec& g : school.TeacherGrids)
    for (int c = 1; c <= kCells; ++c)
      if (g.occupant[At(c)] == classNo) cells::ClearTeacher(g, c, nullptr);
  for (TRoomGridRec& g : school.RoomGrids)
    for (int c = 1; c <= kCells; ++c)
      if (g.occupant[At(c)] == classNo) cells::ClearRoom(g, c, nullptr);
}

// Members naming a class or lesson that is gone leave their group.
void DropMembers(School& school, int classNo, int lesson) {
  for (TCommonGroupRec& g : school.CommonGroups) {
    for (int k = std::min<int>(g.count, kMaxListed) - 1; k >= 0; --k) {
      const auto i = static_cast<std::size_t>(k);
      if ((classNo != 0 && g.classes[i] == classNo) ||
          (lesson != 0 && g.lessons[i] == lesson))
        DetachMember(g, g.classes[i], g.lessons[i]);
    }
  }
  PurgeCommonGroups(school);
}

template <typename Match>
const TClassLessonRec* FirstClassLesson(const School& school, Match match) {
  for (const TClassLessonRec& cl : school.ClassLessons)
    if (match(cl)) return &cl;
  return nullptr;
}

}  // namespace

FileSet DeleteLessonGroup(School& school, int group) {
  for (TLessonRec& l : school.Lessons)
    if (l.group == group) l.group = 0;
  EraseNumber(school.LessonGroups, &TLessonGroupRec::number, group);
  school.ReindexLessonGroups();
  return {DataFile::kLessonGroups, DataFile::kLessons};
}

namespace {

// The room's cells where the class holds the lesson are freed (and opened): the
// lesson stays placed for its class and teachers, the room no longer takes part.
void FreeRoomCells(School& school, int room, int classNo, int lesson) {
  TRoomGridRec* rg = school.RoomGridByNo(room);
  const TClassGridRec* cg = school.ClassGridByNo(classNo);
  if (rg == nullptr || cg == nullptr) return;
  for (int c = 1; c <= kCells; ++c) {
    if (rg->occupant[At(c)] != classNo || cg->occupant[At(c)] != lesson) continue;
    rg->open[At(c)] = 1;
    rg->occupant[At(c)] = 0;
    rg->blockLen[At(c)] = 0;
    rg->blockStart[At(c)] = 0;
  }
}

}  // namespace

FileSet TakeRoomOutOfClassLesson(School& school, int classNo, int lesson, int room) {
  const TClassLessonRec* cl = school.ClassLessonAt(classNo, lesson);
  if (cl == nullptr) return {};
  const TCommonGroupRec* group =
      cl->commonGroup != 0 ? school.CommonGroupByNo(cl->commonGroup) : nullptr;
  std::vector<std::pair<int, int>> members{{classNo, lesson}};
  if (group != nullptr) {
    members.clear();
    for (int k = 0; k < std::min<int>(group->count, kMaxListed); ++k)
      members.emplace_back(group->classes[static_cast<std::size_t>(k)],
                           group->lessons[static_cast<std::size_t>(k)]);
  }
  for (const auto& [c, l] : members) {
    if (TClassLessonRec* m = school.ClassLessonAt(c, l)) DetachRoom(*m, room);
    FreeRoomCells(school, room, c, l);
  }
  return {DataFile::kClassLessons, DataFile::kRoomGrids};
}

FileSet DeleteRoom(School& school, int room) {
  for (TClassLessonRec& cl : school.ClassLessons)
    if (cl.roomCount > 0) TakeRoomOutOfClassLesson(school, cl.classNo, cl.lesson, room);
  EraseNumber(school.RoomGrids, &TRoomGridRec::room, room);
  EraseNumber(school.Rooms, &TRoomRec::number, room);
  Renumber(school.Rooms);
  school.ReindexRooms();
  school.ReindexRoomGrids();
  return {DataFile::kRooms, DataFile::kClassLessons, DataFile::kRoomGrids};
}

FileSet DeleteTeacher(School& school, int teacher) {
  FileSet files{DataFile::kTeachers, DataFile::kClassLessons, DataFile::kTeacherLessons};
  files.add(kTimetables);
  for (std::size_t i = 0; i < school.ClassLessons.size(); ++i) {
    const TClassLessonRec& cl = school.ClassLessons[i];
    const int n = std::min<int>(cl.teacherCount, kMaxListed);
    if (std::find(cl.teachers.begin(), cl.teachers.begin() + n, teacher) !=
        cl.teachers.begin() + n)
      UnassignTeacher(school, teacher, cl.classNo, cl.lesson);
  }
  std::erase_if(school.TeacherLessons,
                [&](const TTeacherLessonRec& tl) { return tl.teacher == teacher; });
  // A duty of a teacher who is gone would name nobody.
  while (true) {
    auto it = std::find_if(school.Duties.begin(), school.Duties.end(),
                           [&](const TDutyRec& d) { return d.teacher == teacher; });
    if (it == school.Duties.end()) break;
    files.add(DeleteDuty(school, it->place, it->day, it->teacher));
  }
  EraseNumber(school.TeacherGrids, &TTeacherGridRec::teacher, teacher);
  EraseNumber(school.Teachers, &TTeacherRec::number, teacher);
  Renumber(school.Teachers);
  school.ReindexTeachers();
  school.ReindexTeacherGrids();
  return files;
}

namespace {

// Everything that teaches a class (classNo != 0) or a lesson (lesson != 0) goes: its
// class lessons with their hours, its teacher lessons and its common-group places.
// Returns the files that changed.
FileSet DropTeachingOf(School& school, int classNo, int lesson) {
  const auto of = [&](int c, int l) {
    return (classNo != 0 && c == classNo) || (lesson != 0 && l == lesson);
  };
  while (const TClassLessonRec* cl = FirstClassLesson(
             school, [&](const TClassLessonRec& r) { return of(r.classNo, r.lesson); }))
    DeleteClassLesson(school, cl->classNo, cl->lesson);
  std::erase_if(school.TeacherLessons,
                [&](const TTeacherLessonRec& tl) { return of(tl.classNo, tl.lesson); });
  DropMembers(school, classNo, lesson);
  FileSet files{DataFile::kClassLessons, DataFile::kCommonGroups,
                DataFile::kTeacherLessons};
  files.add(kTimetables);
  return files;
}

}  // namespace

FileSet DeleteClass(School& school, int classNo) {
  FileSet files = DropTeachingOf(school, classNo, 0);
  files.add(DataFile::kClasses);
  EraseNumber(school.ClassGrids, &TClassGridRec::classNo, classNo);
  EraseNumber(school.Classes, &TClassRec::number, classNo);
  ClearCellsOfClass(school, classNo);
  Renumber(school.Classes);
  school.ReindexClasses();
  school.ReindexClassGrids();
  return files;
}

FileSet DeleteLesson(School& school, int lesson) {
  FileSet files = DropTeachingOf(school, 0, lesson);
  files.add(DataFile::kLessons);
  EraseNumber(school.Lessons, &TLessonRec::number, lesson);
  school.ReindexLessons();
  return files;
}

FileSet DeleteDuty(School& school, int place, int day, int teacher) {
  auto it =
      std::find_if(school.Duties.begin(), school.Duties.end(), [&](const TDutyRec& d) {
        return d.place == place && d.day == day && d.teacher == teacher;
      });
  if (it == school.Duties.end()) return {};
  TDutyPlaceRec* p = school.DutyPlaceByNo(place);
  if (p != nullptr && day >= 1 && day <= 7) {
    uint8_t& count = p->perDay[static_cast<std::size_t>(day - 1)];
    if (count > 0) --count;
  }
  school.Duties.erase(it);
  return kDutyFiles;
}

FileSet DeleteDutyPlace(School& school, int place) {
  while (true) {
    auto it = std::find_if(school.Duties.begin(), school.Duties.end(),
                           [&](const TDutyRec& d) { return d.place == place; });
    if (it == school.Duties.end()) break;
    DeleteDuty(school, it->place, it->day, it->teacher);
  }
  EraseNumber(school.DutyPlaces, &TDutyPlaceRec::number, place);
  Renumber(school.DutyPlaces);
  school.ReindexDutyPlaces();
  return kDutyFiles;
}

FileSet DeleteAllDuties(School& school) {
  for (const TDutyPlaceRec& p : school.DutyPlaces) {
    while (true) {
      auto it = std::find_if(school.Duties.begin(), school.Duties.end(),
                             [&](const TDutyRec& d) { return d.place == p.number; });
      if (it == school.Duties.end()) break;
      DeleteDuty(school, it->place, it->day, it->teacher);
    }
  }
  // Duties of places that no longer exist would survive the loop above.
  school.Duties.clear();
  return kDutyFiles;
}

}  // namespace kalvodrin
