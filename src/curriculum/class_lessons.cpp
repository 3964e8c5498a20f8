#include "curriculum/class_lessons.h"

#include "core/ordering.h"
#include "core/record_creation.h"
#include "engine/cascade.h"
#include "engine/counts.h"

namespace kalvodrin {

int ClassCapacity(const School& school, int classNo) {
  // The usable cells of the week are exactly its capacity: a closed hour that already
  // holds a lesson still counts, a closed empty one does not.
  return UsableCells(school, classNo);
}

int ClassWeeklyTotal(const School& school, int classNo) {
  return CountClassLessonTotals(school, classNo).weekly;
}

Change GiveLessonToClass(School& school, int classNo, int lesson) {
  const TLessonRec* l = school.LessonByNo(lesson);
  if (l == nullptr || school.ClassByNo(classNo) == nullptr) return Refused(Outcome::kNotFound);
  const int capacity = ClassCapacity(school, classNo);
  if (capacity < l->weeklyHours + ClassWeeklyTotal(school, classNo))
    return {Outcome::kOverCapacity, {}, capacity};
  if (ClassLessonFree(school, classNo, lesson) == 0) return Refused(Outcome::kUnchanged);
  AddClassLesson(school, classNo, lesson);
  PlaceClassLesson(school, classNo, lesson);
  return {Outcome::kDone, {DataFile::kClassLessons}, lesson};
}

Change RemoveClassLesson(School& school, int classNo, int lesson) {
  if (school.ClassLessonAt(classNo, lesson) == nullptr) return Refused(Outcome::kNotFound);
  FileSet files = DeleteClassLesson(school, classNo, lesson);
  CountAllHours(school);
  files.add(FileSet{DataFile::kClassLessons, DataFile::kCommonGroups, DataFile::kTeacherLessons,
                    DataFile::kTeacherGrids, DataFile::kClassGrids, DataFile::kRoomGrids});
  return {Outcome::kDone, files, lesson};
}

}  // namespace kalvodrin
