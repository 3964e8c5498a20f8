#include "core/school.h"

namespace kalvodrin {

TClassLessonRec* ClassLessonList::at(int classNo, int lesson) {
  return const_cast<TClassLessonRec*>(
      static_cast<const ClassLessonList*>(this)->at(classNo, lesson));
}

const TClassLessonRec* ClassLessonList::at(int classNo, int lesson) const {
  if (classNo < 1 || classNo > 255 || lesson < 1 || lesson > 255) return nullptr;
  const int slot = slots_[static_cast<std::size_t>(key(classNo, lesson))];
  if (slot >= 0 && static_cast<std::size_t>(slot) < size()) {
    const TClassLessonRec& r = (*this)[static_cast<std::size_t>(slot)];
    if (r.classNo == classNo && r.lesson == lesson) return &r;
  }
  for (const TClassLessonRec& r : *this)
    if (r.classNo == classNo && r.lesson == lesson) return &r;
  return nullptr;
}

void ClassLessonList::reindex() {
  slots_.fill(-1);
  for (std::size_t i = 0; i < size(); ++i)
    slots_[static_cast<std::size_t>(key((*this)[i].classNo, (*this)[i].lesson))] =
        static_cast<int32_t>(i);
}

void School::ReindexAll() {
  ReindexLessonGroups();
  ReindexLessons();
  ReindexClasses();
  ReindexRooms();
  ReindexTeachers();
  ReindexDutyPlaces();
  ReindexClassLessons();
  ReindexCommonGroups();
  ReindexTeacherGrids();
  ReindexClassGrids();
  ReindexRoomGrids();
}

void School::Clear() {
  LessonGroups.clear();
  Lessons.clear();
  Classes.clear();
  Rooms.clear();
  Teachers.clear();
  ClassLessons.clear();
  CommonGroups.clear();
  DutyPlaces.clear();
  Duties.clear();
  TeacherLessons.clear();
  TeacherGrids.clear();
  ClassGrids.clear();
  RoomGrids.clear();
  ReindexAll();
}

}  // namespace kalvodrin
