#include "core/school.h"

namespace kalvodrin {

TClassLessonRec* ClassLessonList::at(int classNo, int lesson) {
  return const_cast<TClassLessonRec*>(
      static_cast<const ClassLessonList*>(this)->at(classNo, lesson));
}

const TClassLessonRec* ClassLessonList::at(int classNo, int lesson) const {
  if (classNo < 1 || classNo > 255 || lesson < 1 || lesson > 255) return nullptr;
  const int page = pageOf_[static_cast<std::size_t>(classNo)] - 1;
  if (page >= 0 && static_cast<std::size_t>(page) < pages_.size()) {
    const int slot = pages_[static_cast<std::size_t>(page)][static_cast<std::size_t>(lesson)] - 1;
    if (slot >= 0 && static_cast<std::size_t>(slot) < size()) {
      const TClassLessonRec& r = (*this)[static_cast<std::size_t>(slot)];
      if (r.classNo == classNo && r.lesson == lesson) return &r;
    }
  }
  // A record changed since the last reindex is still found, only slower.
  for (const TClassLessonRec& r : *this)
    if (r.classNo == classNo && r.lesson == lesson) return &r;
  return nullptr;
}

void ClassLessonList::reindex() {
  pageOf_.fill(0);
  pages_.clear();
  for (std::size_t i = 0; i < size(); ++i) {
    const TClassLessonRec& r = (*this)[i];
    if (r.classNo == 0 || r.lesson == 0) continue;  // damaged: at() never asks for these
    uint8_t& page = pageOf_[r.classNo];
    if (page == 0) {
      pages_.emplace_back();
      pages_.back().fill(0);
      page = static_cast<uint8_t>(pages_.size());
    }
    pages_[page - 1u][r.lesson] = static_cast<uint16_t>(i + 1);
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
