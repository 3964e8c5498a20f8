#include "core/school.h"

namespace kalvodrin {

TClassLessonRec* ClassLessonList::at(int classNo, int lesson) {
  return const_cast<TClassLessonRec*>(
      static_cast<const ClassLessonList*>(this)->at(classNo, lesson));
}

const TClassLessonRec* ClassLessonList::at(int classNo, int lesson) const {
  if (classNo < 1 || classNo > 255 || lesson < 1 || lesson > 255) return nullptr;
  const int slot = slots_[static_cast<std::size_t>(key(classNo, lesson))] - 1;
  if (slot >= 0 && static_cast<std::size_t>(slot) < size()) {
    const TClassLessonRec& r = (*this)[static_cast<std::size_t>(slot)];
    if (r.classNo == classNo && r.lesson == lesson) return &r;
  }
  for (const TClassLessonRec& r : *this)
    if (r.classNo == classNo && r.lesson == lesson) return &r;
  return nullptr;
}

void ClassLessonList::reindex() {
  for (const uint16_t k : filled_) slots_[k] = 0;
  filled_.clear();
  for (std::size_t i = 0; i < size(); ++i) {
    const auto k = static_cast<uint16_t>(key((*this)[i].classNo, (*this)[i].lesson));
    slots_[k] = static_cast<int32_t>(i + 1);
    filled_.push_back(k);
  }
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
